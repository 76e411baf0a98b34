#pragma once

#include "SystemKit/Network/ExternalIp.h"

#include "BaseKit/Services/WebRequest.h"
#include "BaseKit/Services/WebResult.h"

#include <QByteArrayView>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

namespace SystemKit {

// Finds the machine's public address and its country with two web requests: an echo service
// answers the caller's address as text, then a geolocation service answers a JSON record for it
// ("/api/lookup/<address>"). Only a 2xx echo answer that is exactly one IPv4 or IPv6 address goes into
// the second request, built from the parsed address; every unusable answer gives the empty result. A failed exchange (no connection,
// time-out) gives its error.
class Ip {
public:
    Ip() = delete;

    // The services' addresses ("https://host") and how long each request waits for a byte; every
    // lookup is told which to ask (tests give servers of their own).
    struct Hosts {
        QString echo;
        QString geolocation;
        std::chrono::milliseconds timeout = BaseKit::WebRequest::standardTimeout;
    };
    // The maker's services.
    static Hosts defaultHosts();

    // Exactly one of the two: the result (maybe the empty one) or the error of a failed exchange.
    using Completion = std::function<void(const ExternalIp& result, const std::optional<BaseKit::WebError>& error)>;

    // Without a user agent.
    static void lookup(const Hosts& hosts, QObject* context, Completion completion);
    // With the user agent "<appName>/<appVersion>" on the echo request.
    static void lookup(const Hosts& hosts, const QString& appName, const QString& appVersion, QObject* context,
                       Completion completion);
    static void lookupWithUserAgent(const Hosts& hosts, const QString& userAgent, QObject* context,
                                    Completion completion);

    // The address an echo answer holds: exactly one IPv4 address as a dotted quad of decimal octets
    // (no leading zeros, no shorthand) or one IPv6 address (no zone, no prefix length), with blanks
    // and line breaks around it allowed; the IPv6 address in its canonical text. None for anything
    // else.
    static std::optional<QString> echoedAddress(QByteArrayView body);

private:
    static void lookup(const Hosts& hosts, const std::optional<QString>& userAgent, QObject* context,
                       Completion completion);
};

} // namespace SystemKit
