#include "SystemKit/Network/Ip.h"

#include "SystemKit/Network/IpInfo.h"

#include "BaseKit/ResponseStatus.h"
#include "BaseKit/Services/WebRequest.h"

#include <QHostAddress>
#include <QStringDecoder>

namespace SystemKit {

namespace {

Ip::Hosts& currentHosts()
{
    static Ip::Hosts hosts = Ip::defaultHosts();
    return hosts;
}

// The echo answer as an address: valid UTF-8 whose trimmed text is an IPv4 or IPv6 address.
std::optional<QString> echoedAddress(const BaseKit::WebResult& result)
{
    if (!BaseKit::ResponseStatus::isSuccess(result.response.statusCode))
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(result.body);
    if (decoder.hasError())
        return std::nullopt;
    const QString address = text.trimmed();
    QHostAddress parsed;
    if (address.isEmpty() || address.size() > 64 || !parsed.setAddress(address)
        || address.contains(QLatin1Char('%')) || address.contains(QLatin1Char('/')))
        return std::nullopt;
    return address;
}

} // namespace

Ip::Hosts Ip::defaultHosts()
{
    return Hosts{QStringLiteral("https://ip.brannock.com"), QStringLiteral("https://geo.brannock.com")};
}

Ip::Hosts Ip::hosts()
{
    return currentHosts();
}

void Ip::setHosts(const Hosts& hosts)
{
    currentHosts() = hosts;
}

void Ip::lookup(QObject* context, Completion completion)
{
    lookup(std::optional<QString>(), context, std::move(completion));
}

void Ip::lookup(const QString& appName, const QString& appVersion, QObject* context, Completion completion)
{
    lookupWithUserAgent(appName + QLatin1Char('/') + appVersion, context, std::move(completion));
}

void Ip::lookupWithUserAgent(const QString& userAgent, QObject* context, Completion completion)
{
    lookup(std::optional<QString>(userAgent), context, std::move(completion));
}

void Ip::lookup(const std::optional<QString>& userAgent, QObject* context, Completion completion)
{
    const Hosts hosts = currentHosts();
    auto echoed = [hosts, context, completion](const BaseKit::WebResult& echo) {
        if (echo.error) {
            completion(ExternalIp::empty(), echo.error);
            return;
        }
        const std::optional<QString> address = echoedAddress(echo);
        if (!address) {
            completion(ExternalIp::empty(), std::nullopt);
            return;
        }
        BaseKit::WebRequest::get(hosts.geolocation + QStringLiteral("/api/lookup/") + *address, context,
                                 [address, completion](const BaseKit::WebResult& geo) {
                                     if (geo.error) {
                                         completion(ExternalIp::empty(), geo.error);
                                         return;
                                     }
                                     const auto info = BaseKit::ResponseStatus::isSuccess(geo.response.statusCode)
                                         ? IpInfo::decode(geo.body)
                                         : std::nullopt;
                                     if (!info || !info->countryCode) {
                                         completion(ExternalIp::empty(), std::nullopt);
                                         return;
                                     }
                                     // The address is the echoed one, not the record's.
                                     completion(ExternalIp(*address, info->countryCode), std::nullopt);
                                 });
    };
    const QString url = hosts.echo + QLatin1Char('/');
    if (userAgent)
        BaseKit::WebRequest::get(url, {{QStringLiteral("User-Agent"), *userAgent}}, context, echoed);
    else
        BaseKit::WebRequest::get(url, context, echoed);
}

std::optional<QString> Ip::addressInEcho(const QByteArray& body)
{
    BaseKit::WebResult result;
    result.response.statusCode = 200;
    result.body = body;
    return echoedAddress(result);
}

} // namespace SystemKit
