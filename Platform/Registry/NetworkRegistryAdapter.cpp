#include "Platform/Registry/NetworkRegistryAdapter.h"

#include "Platform/System/KernelName.h"
#include "Platform/Netlink/Wlan.h"

#include <QDir>

#include <dirent.h>

#include <linux/ethtool.h>
#include <linux/sockios.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fcntl.h>

namespace Platform {

namespace {

const QString prefix = QStringLiteral("IOService:/sys/class/net/");
const QString driverSuffix = QStringLiteral("/driver");
const QString deviceSuffix = QStringLiteral("/device");

QString interfacePath(const QString& name)
{
    return prefix + name;
}

std::optional<WlanInterface> liveValues(const std::shared_ptr<Wlan>& wlan, const QString& name)
{
    if (!wlan)
        return std::nullopt;
    const auto list = wlan->interfaces();
    if (!list)
        return std::nullopt;
    for (const WlanInterface& one : *list)
        if (one.name == name)
            return one;
    return std::nullopt;
}

} // namespace

NetworkRegistryAdapter::NetworkRegistryAdapter(QString root, std::shared_ptr<Wlan> wlan, DriverInfoSource driverInfo)
    : m_interfaces(std::move(root)), m_wlan(std::move(wlan)), m_driverInfo(std::move(driverInfo))
{
    m_netPath = KernelName::encode(QDir(m_interfaces.root()).filePath(QStringLiteral("sys/class/net")));
}

NetworkRegistryAdapter::~NetworkRegistryAdapter()
{
    forgetFixed();
}

void NetworkRegistryAdapter::forgetFixed() const
{
    for (const Fixed& known : std::as_const(m_fixed))
        if (known.speedFile >= 0)
            ::close(known.speedFile);
    m_fixed.clear();
}

std::optional<std::uint64_t> NetworkRegistryAdapter::linkSpeed(const QString& bsdName) const
{
    // The speed is read every sample: its file stays open and is read again from its start, which
    // makes the kernel format it afresh.
    Fixed& known = fixed(bsdName);
    if (known.speedFile == -1) {
        const QByteArray path = m_netPath + '/' + KernelName::encode(bsdName) + "/speed";
        known.speedFile = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (known.speedFile < 0)
            known.speedFile = -2;
    }
    if (known.speedFile < 0)
        return std::nullopt;
    char buffer[32];
    const ssize_t n = ::pread(known.speedFile, buffer, sizeof buffer - 1, 0);
    if (n <= 0)
        return std::nullopt; // EINVAL while the interface is down
    buffer[n] = '\0';
    char* end = nullptr;
    const long long mbits = std::strtoll(buffer, &end, 10);
    if (end == buffer || mbits <= 0)
        return std::nullopt; // -1: no link
    return std::uint64_t(mbits) * 1000000u;
}

std::optional<NetworkRegistryAdapter::DriverInfo> NetworkRegistryAdapter::ethtoolDriverInfo(const QString& bsdName)
{
    const QByteArray name = KernelName::encode(bsdName);
    if (name.isEmpty() || name.size() >= IFNAMSIZ)
        return std::nullopt;
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return std::nullopt;
    ethtool_drvinfo info{};
    info.cmd = ETHTOOL_GDRVINFO;
    ifreq request{};
    std::memcpy(request.ifr_name, name.constData(), size_t(name.size()));
    request.ifr_data = reinterpret_cast<char*>(&info);
    const int result = ::ioctl(fd, SIOCETHTOOL, &request);
    ::close(fd);
    if (result != 0)
        return std::nullopt;
    auto text = [](const char* field, size_t size) {
        return QString::fromUtf8(field, qsizetype(strnlen(field, size))).trimmed();
    };
    return DriverInfo{text(info.driver, sizeof info.driver), text(info.fw_version, sizeof info.fw_version)};
}

QByteArray NetworkRegistryAdapter::stamp() const
{
    // The interfaces decide the entries: their names, in the kernel's order, are read cheaply.
    QByteArray stamp;
    if (DIR* dir = ::opendir(m_netPath.constData())) {
        while (const dirent* entry = ::readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            stamp += entry->d_name;
            stamp += ';';
        }
        ::closedir(dir);
    }
    return stamp;
}

std::vector<RegistryAdapter::Node> NetworkRegistryAdapter::entries() const
{
    std::vector<Node> nodes;
    m_targets.clear();
    forgetFixed();
    for (const InterfaceFacts& facts : m_interfaces.interfaces()) {
        const QString& name = facts.bsdName;
        const QString path = interfacePath(name);
        if (facts.type == QLatin1String(NetworkInterfaces::wifiType)) {
            nodes.push_back({path + driverSuffix, QString(), name, QStringLiteral("IO80211Driver")});
            nodes.push_back({path, path + driverSuffix, name, QStringLiteral("AppleBCMWLANSkywalkInterface")});
            m_targets[path + driverSuffix] = {Role::wifiDriver, name};
            m_targets[path] = {Role::wifiInterface, name};
        } else if (facts.type == QLatin1String(NetworkInterfaces::ethernetType)) {
            nodes.push_back({path + deviceSuffix, QString(), name, QStringLiteral("IOPCIDevice")});
            nodes.push_back({path + driverSuffix, path + deviceSuffix, name, QStringLiteral("IOEthernetController")});
            nodes.push_back({path, path + driverSuffix, name, QStringLiteral("IOEthernetInterface")});
            m_targets[path + deviceSuffix] = {Role::ethernetDevice, name};
            m_targets[path + driverSuffix] = {Role::ethernetController, name};
            m_targets[path] = {Role::ethernetInterface, name};
        }
    }
    return nodes;
}

NetworkRegistryAdapter::Target NetworkRegistryAdapter::target(const QString& path) const
{
    const auto found = m_targets.constFind(path);
    return found == m_targets.constEnd() ? Target{} : *found;
}

NetworkRegistryAdapter::Fixed& NetworkRegistryAdapter::fixed(const QString& bsdName) const
{
    return m_fixed[bsdName];
}

QStringList NetworkRegistryAdapter::keys(Role role)
{
    switch (role) {
    case Role::wifiDriver:
        return {QStringLiteral("IOMatchCategory"), QStringLiteral("IOVendor"), QStringLiteral("vendor-id"),
                QStringLiteral("LinkQualityMetrics")};
    case Role::wifiInterface:
        return {QStringLiteral("IOInterfaceName"), QStringLiteral("IO80211Channel"), QStringLiteral("IO80211Band"),
                QStringLiteral("IO80211BSSID"), QStringLiteral("IO80211ChannelBandwidth"),
                QStringLiteral("IOMACAddress"), QStringLiteral("IO80211CountryCode"),
                QStringLiteral("IO80211ChannelFrequency"), QStringLiteral("IO80211HardwareVersion")};
    case Role::ethernetDevice:
        return {QStringLiteral("IOName"), QStringLiteral("local-mac-address")};
    case Role::ethernetController:
        return {QStringLiteral("IOFirmwareVersion"), QStringLiteral("FW MAC Version"), QStringLiteral("IOModel"),
                QStringLiteral("IOLinkSpeed")};
    case Role::ethernetInterface:
        return {QStringLiteral("BSD Name")};
    case Role::none:
        break;
    }
    return {};
}

PlistValue::DictionaryType NetworkRegistryAdapter::properties(const QString& path) const
{
    PlistValue::DictionaryType result;
    for (const QString& key : keys(target(path).role)) {
        PlistValue value = property(path, key);
        if (!value.isNone())
            result.emplace(key, std::move(value));
    }
    return result;
}

PlistValue NetworkRegistryAdapter::property(const QString& path, const QString& key) const
{
    const Target t = target(path);
    const QString& name = t.bsdName;
    auto present = [](const std::optional<QString>& text) { return text && !text->isEmpty() ? PlistValue(*text) : PlistValue(); };
    Fixed& known = fixed(name);
    auto once = [](auto& slot, auto read) {
        if (!slot)
            slot = read();
        return *slot;
    };
    auto macAddress = [&]() -> PlistValue {
        const auto bytes = once(known.macAddress, [&] {
            return NetworkInterfaces::hardwareAddressBytes(
                m_interfaces.attribute(name, QStringLiteral("address")).value_or(QString()));
        });
        return bytes ? PlistValue(*bytes) : PlistValue();
    };
    switch (t.role) {
    case Role::none:
        return {};
    case Role::wifiDriver:
        if (key == QLatin1String("IOMatchCategory"))
            return PlistValue("WiFiDriver");
        if (key == QLatin1String("IOVendor"))
            return present(once(known.vendor, [&] {
                return m_interfaces.udevProperty(name, QStringLiteral("ID_VENDOR_FROM_DATABASE"));
            }));
        if (key == QLatin1String("vendor-id"))
            return present(once(known.vendorId, [&] { return m_interfaces.attribute(name, QStringLiteral("device/vendor")); }));
        if (key == QLatin1String("LinkQualityMetrics")) {
            const auto values = liveValues(m_wlan, name);
            return values ? present(values->linkQuality) : PlistValue();
        }
        return {};
    case Role::wifiInterface: {
        if (key == QLatin1String("IOInterfaceName"))
            return PlistValue(name);
        if (key == QLatin1String("IOMACAddress"))
            return macAddress();
        if (key == QLatin1String("IO80211HardwareVersion"))
            return present(once(known.revision, [&] { return m_interfaces.attribute(name, QStringLiteral("device/revision")); }));
        if (!key.startsWith(QLatin1String("IO80211")))
            return {};
        const auto values = liveValues(m_wlan, name);
        if (!values)
            return {};
        if (key == QLatin1String("IO80211Channel"))
            return values->channel ? PlistValue(*values->channel) : PlistValue();
        if (key == QLatin1String("IO80211Band"))
            return values->channelBand ? PlistValue(Wlan::bandName(*values->channelBand)) : PlistValue();
        if (key == QLatin1String("IO80211BSSID"))
            return values->bssid ? PlistValue(*values->bssid) : PlistValue();
        if (key == QLatin1String("IO80211ChannelBandwidth"))
            return values->channelWidth ? PlistValue(*values->channelWidth) : PlistValue();
        if (key == QLatin1String("IO80211CountryCode"))
            return present(values->countryCode);
        if (key == QLatin1String("IO80211ChannelFrequency"))
            return values->frequency ? PlistValue(*values->frequency) : PlistValue();
        return {};
    }
    case Role::ethernetDevice:
        if (key == QLatin1String("IOName"))
            return PlistValue("ethernet");
        if (key == QLatin1String("local-mac-address"))
            return macAddress();
        return {};
    case Role::ethernetController: {
        if (key == QLatin1String("IOLinkSpeed")) {
            // Mbit/s as bit/s; none without a link (-1) and while the interface is down.
            const auto speed = linkSpeed(name);
            return speed ? PlistValue(*speed) : PlistValue();
        }
        if (!known.driverRead) {
            known.driver = m_driverInfo ? m_driverInfo(name) : std::nullopt;
            known.driverRead = true;
        }
        const auto& info = known.driver;
        if (key == QLatin1String("IOFirmwareVersion") || key == QLatin1String("FW MAC Version"))
            return info ? present(info->firmwareVersion) : PlistValue();
        if (key == QLatin1String("IOModel")) {
            if (auto model = once(known.model, [&] {
                    return m_interfaces.udevProperty(name, QStringLiteral("ID_MODEL_FROM_DATABASE"));
                }))
                return PlistValue(*model);
            return info ? present(info->driver) : PlistValue();
        }
        return {};
    }
    case Role::ethernetInterface:
        return key == QLatin1String("BSD Name") ? PlistValue(name) : PlistValue();
    }
    return {};
}

} // namespace Platform
