#include "SystemKit/Network/IpInfo.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace SystemKit {

namespace {
const QString ipKey = QStringLiteral("ip");
const QString countryCodeKey = QStringLiteral("country_code");
const QString countryKey = QStringLiteral("country");
} // namespace

std::optional<IpInfo> IpInfo::decode(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    IpInfo info;
    bool ok = true;
    auto field = [&](const QString& key) -> std::optional<QString> {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() || value.isNull())
            return std::nullopt;
        if (!value.isString()) {
            ok = false;
            return std::nullopt;
        }
        return value.toString();
    };
    info.ip = field(ipKey);
    info.countryCode = field(countryCodeKey);
    info.countryName = field(countryKey);
    if (!ok)
        return std::nullopt;
    return info;
}

QByteArray IpInfo::encode() const
{
    QJsonObject object;
    if (ip)
        object.insert(ipKey, *ip);
    if (countryCode)
        object.insert(countryCodeKey, *countryCode);
    if (countryName)
        object.insert(countryKey, *countryName);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace SystemKit
