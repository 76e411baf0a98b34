#include "ThermionKit/UpdateInfo.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace ThermionKit {

std::optional<UpdateInfo> UpdateInfo::decode(const QByteArray& json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return std::nullopt;
    const QJsonValue available = document.object().value(QStringLiteral("isUpdateAvailable"));
    const QJsonValue version = document.object().value(QStringLiteral("serverVersion"));
    if (!available.isBool() || !version.isString())
        return std::nullopt;
    return UpdateInfo{available.toBool(), version.toString()};
}

QByteArray UpdateInfo::encode() const
{
    return QJsonDocument(QJsonObject{{QStringLiteral("isUpdateAvailable"), isUpdateAvailable},
                                     {QStringLiteral("serverVersion"), serverVersion}})
        .toJson(QJsonDocument::Compact);
}

} // namespace ThermionKit
