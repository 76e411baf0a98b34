#pragma once

#include "Platform/NetworkInterfaces.h"
#include "Platform/RegistryAdapter.h"

#include <functional>
#include <memory>
#include <optional>

namespace Platform {

class Wlan;

// The registry entries of the network interfaces: for a wireless station interface an entry of
// class "AppleBCMWLANSkywalkInterface" under a driver entry ("IOMatchCategory" "WiFiDriver"); for a
// wired interface of a device an "IOEthernetController" under a device entry ("IOName" "ethernet")
// with the interface entry ("BSD Name") below it. Properties come from sysfs, the udev database,
// the driver's information (SIOCETHTOOL) and the latest live Wi-Fi values.
class NetworkRegistryAdapter : public RegistryAdapter {
public:
    // What the driver of a wired interface reports of itself.
    struct DriverInfo {
        QString driver;
        QString firmwareVersion;
    };
    using DriverInfoSource = std::function<std::optional<DriverInfo>(const QString& bsdName)>;

    // `wlan` gives the live Wi-Fi values (none: the Wi-Fi keys stay absent); `driverInfo` the
    // drivers' information (none: absent).
    NetworkRegistryAdapter(QString root, std::shared_ptr<Wlan> wlan, DriverInfoSource driverInfo);

    // The driver information of this machine's interface, through SIOCETHTOOL (no privilege needed).
    static std::optional<DriverInfo> ethtoolDriverInfo(const QString& bsdName);

    QByteArray stamp() const override;
    std::vector<Node> entries() const override;
    PlistValue::DictionaryType properties(const QString& path) const override;
    PlistValue property(const QString& path, const QString& key) const override;

private:
    enum class Role { none, wifiDriver, wifiInterface, ethernetDevice, ethernetController, ethernetInterface };
    struct Target {
        Role role = Role::none;
        QString bsdName;
    };
    Target target(const QString& path) const;
    static QStringList keys(Role role);

    NetworkInterfaces m_interfaces;
    std::shared_ptr<Wlan> m_wlan;
    DriverInfoSource m_driverInfo;
};

} // namespace Platform
