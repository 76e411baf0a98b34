#pragma once

#include "SystemKit/Network/LookupOrder.h"
#include "SystemKit/Network/NetworkController.h"

#include <QObject>
#include <QString>

#include <optional>

namespace Kestrion {

struct StartupEnvironment;

// Gives the views the running network sampler (a history of 30 samples, one sample every second and
// two at once) and the machine's public address with its country code, looked up once at start-up;
// both stay none until the lookup answers and when it fails.
class NetworkModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(SystemKit::NetworkController* controller READ controller NOTIFY controllerChanged)

public:
    explicit NetworkModel(const StartupEnvironment& environment, QObject* parent = nullptr);
    // Takes a sampler made elsewhere (tests); it has taken its first sample. Starts it the same way.
    // The public address is asked of `addressServices`.
    NetworkModel(SystemKit::NetworkController* controller, SystemKit::Ip::Hosts addressServices,
                 QObject* parent = nullptr);

    SystemKit::NetworkController* controller() const { return m_controller; }
    const std::optional<QString>& externalIp() const { return m_externalIp; }
    const std::optional<QString>& countryCode() const { return m_countryCode; }
    void setExternalIp(const std::optional<QString>& ip);
    void setCountryCode(const std::optional<QString>& code);

    // One lookup of the public address. When lookups overlap, an answer (or failure) that comes in after
    // that of a later lookup is dropped: the values shown are always those of the latest one answered.
    void fetchExternalIp();

signals:
    void controllerChanged();
    void externalIpChanged();
    void countryCodeChanged();

private:
    void vpnStateChanged();

    SystemKit::NetworkController* m_controller = nullptr;
    SystemKit::Ip::Hosts m_addressServices;
    std::optional<QString> m_externalIp;
    std::optional<QString> m_countryCode;
    SystemKit::LookupOrder m_order;
};

} // namespace Kestrion
