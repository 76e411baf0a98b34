#pragma once

#include "Platform/Sysfs/NetworkInterfaces.h"
#include "Platform/Registry/RegistryAdapter.h"

#include <QHash>

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
    ~NetworkRegistryAdapter() override;
    NetworkRegistryAdapter(const NetworkRegistryAdapter&) = delete;
    NetworkRegistryAdapter& operator=(const NetworkRegistryAdapter&) = delete;

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
    // Facts that stay while the interface exists, read once per listing.
    struct Fixed {
        bool driverRead = false;
        std::optional<DriverInfo> driver;
        std::optional<std::optional<QString>> model;
        std::optional<std::optional<QString>> vendor;
        std::optional<std::optional<QString>> vendorId;
        std::optional<std::optional<QString>> revision;
        std::optional<std::optional<QByteArray>> macAddress;
        int speedFile = -1; // kept open and read again from its start (-2: cannot be opened)
    };
    Target target(const QString& path) const;
    Fixed& fixed(const QString& bsdName) const;
    void forgetFixed() const;
    std::optional<std::uint64_t> linkSpeed(const QString& bsdName) const;
    static QStringList keys(Role role);

    NetworkInterfaces m_interfaces;
    std::shared_ptr<Wlan> m_wlan;
    DriverInfoSource m_driverInfo;
    QByteArray m_netPath;
    // By entry path, from the latest listing.
    mutable QHash<QString, Target> m_targets;
    mutable QHash<QString, Fixed> m_fixed;
};

} // namespace Platform
