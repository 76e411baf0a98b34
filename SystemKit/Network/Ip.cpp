#include "SystemKit/Network/Ip.h"

#include "SystemKit/Network/IpInfo.h"

#include "BaseKit/ResponseStatus.h"
#include "BaseKit/Services/WebRequest.h"

#include <QHostAddress>

namespace SystemKit {

namespace {

// Whether `text` is a dotted quad of decimal octets, each 0...255 without leading zeros.
bool isDottedQuad(QByteArrayView text)
{
    int octets = 0;
    qsizetype from = 0;
    while (from <= text.size()) {
        qsizetype to = text.indexOf('.', from);
        if (to < 0)
            to = text.size();
        const QByteArrayView octet = text.sliced(from, to - from);
        if (octet.isEmpty() || octet.size() > 3 || (octet.size() > 1 && octet.front() == '0'))
            return false;
        int value = 0;
        for (const char c : octet) {
            if (c < '0' || c > '9')
                return false;
            value = value * 10 + (c - '0');
        }
        if (value > 255 || ++octets > 4)
            return false;
        from = to + 1;
    }
    return octets == 4;
}

// Whether `text` is written as an IPv6 address: hexadecimal groups of up to four digits separated by
// colons, optionally ending in a dotted quad; no zone, no prefix. The number of groups and of "::"
// is left to the address parser.
bool isIpv6Text(QByteArrayView text)
{
    if (text.size() < 2 || text.size() > 45 || !text.contains(':'))
        return false;
    QByteArrayView groups = text;
    const qsizetype lastColon = text.lastIndexOf(':');
    if (text.sliced(lastColon + 1).contains('.')) {
        if (!isDottedQuad(text.sliced(lastColon + 1)))
            return false;
        groups = text.first(lastColon + 1);
    }
    int run = 0;
    for (const char c : groups) {
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (hex) {
            if (++run > 4)
                return false;
        } else if (c == ':') {
            run = 0;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<QString> Ip::echoedAddress(QByteArrayView body)
{
    const QByteArrayView text = body.trimmed();
    if (text.isEmpty() || text.size() > 45)
        return std::nullopt;
    const QString candidate = QString::fromLatin1(text);
    if (isDottedQuad(text))
        return candidate;
    // The grammar is checked here; whether the groups add up to an address is the parser's to say.
    QHostAddress parsed;
    if (!isIpv6Text(text) || !parsed.setAddress(candidate) || parsed.protocol() != QAbstractSocket::IPv6Protocol)
        return std::nullopt;
    return parsed.toString();
}

Ip::Hosts Ip::defaultHosts()
{
    return Hosts{QStringLiteral("https://ip.brannock.com"), QStringLiteral("https://geo.brannock.com")};
}

void Ip::lookup(const Hosts& hosts, QObject* context, Completion completion)
{
    lookup(hosts, std::optional<QString>(), context, std::move(completion));
}

void Ip::lookup(const Hosts& hosts, const QString& appName, const QString& appVersion, QObject* context,
                Completion completion)
{
    lookupWithUserAgent(hosts, appName + QLatin1Char('/') + appVersion, context, std::move(completion));
}

void Ip::lookupWithUserAgent(const Hosts& hosts, const QString& userAgent, QObject* context, Completion completion)
{
    lookup(hosts, std::optional<QString>(userAgent), context, std::move(completion));
}

void Ip::lookup(const Hosts& hosts, const std::optional<QString>& userAgent, QObject* context, Completion completion)
{
    auto echoed = [hosts, context, completion](const BaseKit::WebResult& echo) {
        if (echo.error) {
            completion(ExternalIp::empty(), echo.error);
            return;
        }
        const std::optional<QString> address = BaseKit::ResponseStatus::isSuccess(echo.response.statusCode)
            ? echoedAddress(echo.body)
            : std::nullopt;
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
                                 },
                                 hosts.timeout);
    };
    const QString url = hosts.echo + QLatin1Char('/');
    if (userAgent)
        BaseKit::WebRequest::get(url, {{QStringLiteral("User-Agent"), *userAgent}}, context, echoed, hosts.timeout);
    else
        BaseKit::WebRequest::get(url, context, echoed, hosts.timeout);
}

} // namespace SystemKit
