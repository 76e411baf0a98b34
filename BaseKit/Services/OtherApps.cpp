#include "BaseKit/Services/OtherApps.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

namespace BaseKit {

namespace {

QUrl httpsAddress(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0 || url.host().isEmpty())
        return {};
    return url;
}

std::optional<QString> textMember(const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

} // namespace

QUrl OtherApp::iconAddress() const
{
    return httpsAddress(iconUrl);
}

QUrl OtherApp::storeAddress() const
{
    return httpsAddress(storeUrl);
}

std::optional<OtherApps> OtherApps::decode(const QByteArray& json)
{
    // The document is UTF-8 JSON; a byte sequence that is no UTF-8 makes it no document (the JSON
    // reader would quietly replace it).
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(json);
    if (utf8.hasError())
        return std::nullopt;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonValue list = document.object().value(QLatin1String("apps"));
    if (!list.isArray())
        return std::nullopt;
    OtherApps result;
    for (const QJsonValue& item : list.toArray()) {
        if (!item.isObject())
            return std::nullopt;
        const QJsonObject entry = item.toObject();
        const auto bundleIdentifier = textMember(entry, "bundleIdentifier");
        const auto name = textMember(entry, "name");
        const auto german = textMember(entry, "german");
        const auto english = textMember(entry, "english");
        const auto iconUrl = textMember(entry, "iconUrl");
        const auto storeUrl = textMember(entry, "storeUrl");
        if (!bundleIdentifier || !name || !german || !english || !iconUrl || !storeUrl)
            return std::nullopt;
        result.apps.append(OtherApp{*bundleIdentifier, *name, *german, *english, *iconUrl, *storeUrl});
    }
    return result;
}

} // namespace BaseKit
