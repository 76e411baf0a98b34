#pragma once

#include "SystemKit/Network/ExternalIp.h"

#include "BaseKit/Services/WebResult.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace SystemKit {

// Finds the machine's public address and its country with two web requests: an echo service
// answers the caller's address as text, then a geolocation service answers a JSON record for it
// ("/api/lookup/<address>"). Only a 2xx echo answer that is an IPv4 or IPv6 address goes into the
// second request; every unusable answer gives the empty result. A failed exchange (no connection,
// time-out) gives its error.
class Ip {
public:
    Ip() = delete;

    // The services' addresses ("https://host"), kept here and nowhere else; tests point them at a
    // server of their own.
    struct Hosts {
        QString echo;
        QString geolocation;
    };
    static Hosts hosts();
    static void setHosts(const Hosts& hosts);
    static Hosts defaultHosts();

    // Exactly one of the two: the result (maybe the empty one) or the error of a failed exchange.
    using Completion = std::function<void(const ExternalIp& result, const std::optional<BaseKit::WebError>& error)>;

    // Without a user agent.
    static void lookup(QObject* context, Completion completion);
    // With the user agent "<appName>/<appVersion>" on the echo request.
    static void lookup(const QString& appName, const QString& appVersion, QObject* context, Completion completion);
    static void lookupWithUserAgent(const QString& userAgent, QObject* context, Completion completion);

    // The address a 2xx echo answer's body names, as the lookup takes it; none when it names none.
    static std::optional<QString> addressInEcho(const QByteArray& body);

private:
    static void lookup(const std::optional<QString>& userAgent, QObject* context, Completion completion);
};

} // namespace SystemKit
