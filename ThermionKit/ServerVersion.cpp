#include "ThermionKit/ServerVersion.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace ThermionKit {

std::optional<ServerVersion> ServerVersion::decode(const QByteArray& json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return std::nullopt;
    const QJsonValue version = document.object().value(QStringLiteral("version"));
    if (!version.isString())
        return std::nullopt;
    return ServerVersion{version.toString()};
}

QByteArray ServerVersion::encode() const
{
    return QJsonDocument(QJsonObject{{QStringLiteral("version"), version}}).toJson(QJsonDocument::Compact);
}

} // namespace ThermionKit
