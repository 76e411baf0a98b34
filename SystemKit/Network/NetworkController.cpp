#include "SystemKit/Network/NetworkController.h"

#include "Platform/Time/Clock.h"
#include "Platform/Bus/DynamicStore.h"
#include "Platform/Netlink/Wlan.h"
#include "SystemKit/Network/EthernetAdapter.h"
#include "SystemKit/Network/WifiAdapter.h"

#include <algorithm>

namespace SystemKit {

using Platform::NetworkInterfaces;

NetworkController::NetworkController(int historySize, bool watchVpn, QObject* parent)
    : NetworkController(historySize, watchVpn, NetworkEnvironment{}, parent)
{
}

NetworkController::NetworkController(int historySize, bool watchVpn, NetworkEnvironment environment,
                                     QObject* parent)
    : QObject(parent)
    , m_environment(environment.completed())
    , m_timePrevious(m_environment.clock->monotonic())
    , m_historySize(historySize)
{
    // A listing comes in after the sample that started it; it is announced only while collecting.
    connect(m_processesController, &ProcessesController::processesChanged, this, [this] {
        if (m_collectProcesses)
            emit processesDidUpdate(m_processesController->processes());
    });
    // The watch's values are mirrored write for write, before its change of state is passed on.
    connect(m_vpnWatch, &VpnWatch::isVpnConnectionChanged, this, [this] {
        m_isVpnConnection = m_vpnWatch->isVpnConnection();
        emit isVpnConnectionChanged();
    });
    connect(m_vpnWatch, &VpnWatch::externalIpChanged, this, [this] {
        m_externalIp = m_vpnWatch->externalIp();
        emit externalIpChanged();
    });
    connect(m_vpnWatch, &VpnWatch::countryCodeChanged, this, [this] {
        m_countryCode = m_vpnWatch->countryCode();
        emit countryCodeChanged();
    });
    connect(m_vpnWatch, &VpnWatch::vpnStateDidChange, this, &NetworkController::vpnStateDidChange);
    updateAdapters();
    if (watchVpn)
        m_vpnWatch->watchVpn();
}

NetworkController::~NetworkController()
{
    for (auto& [name, adapter] : m_adapters)
        delete adapter;
}

void NetworkController::start(double interval)
{
    if (m_timer.start(this, interval, &NetworkController::refresh))
        emit timerChanged();
}

void NetworkController::stop()
{
    m_timer.stop();
    emit timerChanged();
}

Platform::Registry& NetworkController::registry() const
{
    return *m_environment.registry;
}

void NetworkController::setAdapter(NetworkAdapter* adapter)
{
    m_adapter = adapter;
    emit adapterChanged();
}

void NetworkController::setCollectProcesses(bool collect)
{
    m_collectProcesses = collect;
    emit collectProcessesChanged();
}

void NetworkController::setSpeedMode(NetworkSpeedMode mode)
{
    m_speedMode = mode;
    emit speedModeChanged();
}

void NetworkController::stopVpnWatch()
{
    m_vpnWatch->stopVpnWatch();
}

std::uint64_t NetworkController::uploadSpeed() const
{
    return m_speedMode == NetworkSpeedMode::processes ? m_processesController->totalUploadSpeed() : m_adapterUpload;
}

std::uint64_t NetworkController::downloadSpeed() const
{
    return m_speedMode == NetworkSpeedMode::processes ? m_processesController->totalDownloadSpeed()
                                                      : m_adapterDownload;
}

std::uint64_t NetworkController::maxSpeed() const
{
    return std::max(uploadSpeed(), downloadSpeed());
}

QString NetworkController::identifier() const
{
    return m_adapter ? m_adapter->identifier() : QString();
}

QList<NetworkAdapter*> NetworkController::adapters() const
{
    QList<NetworkAdapter*> result;
    result.reserve(qsizetype(m_adapters.size()));
    for (const auto& [name, adapter] : m_adapters)
        result.append(adapter);
    return result;
}

std::optional<QString> NetworkController::primaryInterfaceName() const
{
    return m_environment.store->primaryInterface();
}

void NetworkController::updateCurrentAdapter()
{
    const std::optional<QString> primary = primaryInterfaceName();
    auto find = [this](const QString& name) -> NetworkAdapter* {
        const auto found = m_adapters.find(name);
        return found == m_adapters.end() ? nullptr : found->second;
    };
    if (primary) {
        if (!m_adapter || !m_currentIdentifier || *m_currentIdentifier != *primary)
            setAdapter(find(*primary));
    } else if (m_currentIdentifier) {
        setAdapter(nullptr);
    }
    m_currentIdentifier = primary;
    emit currentIdentifierChanged();
}

std::optional<QString> NetworkController::interfaceType(const QString& bsdName) const
{
    const auto facts = m_environment.interfaces->facts(bsdName);
    return facts ? facts->type : std::nullopt;
}

void NetworkController::readInterfaceInfo(NetworkAdapter& adapter) const
{
    const auto facts = m_environment.interfaces->facts(adapter.identifier());
    if (!facts)
        return;
    adapter.setHardwareAddress(facts->hardwareAddress);
    if (facts->displayName)
        adapter.setName(*facts->displayName);
    // Linux names no protocols per interface: the list stays empty.
}

std::optional<QString> NetworkController::address(const QString& bsdName, IpType type) const
{
    return NetworkInterfaces::firstAddress(m_entries, bsdName,
                                           type == IpType::ip4 ? NetworkInterfaces::inet4Family
                                                               : NetworkInterfaces::inet6Family);
}

NetworkAdapter* NetworkController::makeAdapter(const QString& bsdName)
{
    const std::optional<QString> type = interfaceType(bsdName);
    NetworkAdapter* made = nullptr;
    if (type == QLatin1String(NetworkInterfaces::wifiType))
        made = new WifiAdapter(bsdName, m_historySize, m_environment.clock, this);
    else if (type == QLatin1String(NetworkInterfaces::ethernetType) || m_currentIdentifier == bsdName)
        // Any other kind (a tunnel, a bridge) gets an adapter only as the primary interface. The
        // primary interface is the one this sample read.
        made = new EthernetAdapter(bsdName, m_historySize, m_environment.clock, this);
    if (made)
        configureAdapter(*made);
    return made;
}

void NetworkController::configureAdapter(NetworkAdapter& adapter) const
{
    readInterfaceInfo(adapter);
    adapter.setAddresses(Addresses{address(adapter.identifier(), IpType::ip4),
                                   address(adapter.identifier(), IpType::ip6)});
}

NetworkAdapter* NetworkController::adapterForName(const QString& bsdName)
{
    if (const auto found = m_adapters.find(bsdName); found != m_adapters.end())
        return found->second;
    if (m_ignoredAdapters.contains(bsdName)) {
        if (m_currentIdentifier != bsdName)
            return nullptr;
        NetworkAdapter* made = makeAdapter(bsdName);
        if (!made)
            return nullptr;
        m_ignoredAdapters.removeAll(bsdName);
        m_adapters.emplace(bsdName, made);
        return made;
    }
    NetworkAdapter* made = makeAdapter(bsdName);
    if (!made) {
        m_ignoredAdapters.append(bsdName);
        return nullptr;
    }
    m_adapters.emplace(bsdName, made);
    return made;
}

void NetworkController::updateAdapters()
{
    // 1. The current adapter follows the primary interface.
    updateCurrentAdapter();

    // 2. Elapsed time from the monotonic clock, which neither steps back nor jumps with the wall
    // clock; the stamp moves also when the sample ends early.
    const std::chrono::nanoseconds now = m_environment.clock->monotonic();
    const double elapsed = std::chrono::duration<double>(now - m_timePrevious).count();
    m_timePrevious = now;

    // 3. No primary interface: nothing is sampled.
    if (!m_currentIdentifier || m_currentIdentifier->isEmpty())
        return;

    // 4. The interface list.
    if (!m_environment.interfaces->list(m_entries) || m_entries.empty())
        return;

    // 5. The Wi-Fi interfaces, once per sample; none on a machine without Wi-Fi support.
    const std::optional<std::vector<Platform::WlanInterface>> wifi = m_environment.wlan->interfaces();

    // 6. Every up, non-loopback, link-level interface with counters.
    m_seen.clear();
    for (const Platform::InterfaceEntry& entry : m_entries) {
        if (entry.name.isEmpty() || entry.family != NetworkInterfaces::linkFamily
            || (entry.flags & NetworkInterfaces::loopbackFlag) || !(entry.flags & NetworkInterfaces::upFlag))
            continue;
        NetworkAdapter* adapter = adapterForName(entry.name);
        if (!adapter || !entry.hasLinkData)
            continue;
        m_seen.push_back(entry.name);
        // Both addresses are read again each sample, so a renumbered interface shows its new ones.
        adapter->setAddresses(Addresses{address(adapter->identifier(), IpType::ip4),
                                        address(adapter->identifier(), IpType::ip6)});
        adapter->update(entry.txBytes, entry.rxBytes, elapsed);
        if (auto* wifiAdapter = qobject_cast<WifiAdapter*>(adapter); wifiAdapter && wifi) {
            const auto found = std::find_if(wifi->begin(), wifi->end(), [&](const Platform::WlanInterface& w) {
                return w.name == entry.name;
            });
            if (found != wifi->end())
                wifiAdapter->updateInfo(*found);
        }
    }

    // 7. Adapters not seen in this sample are dropped; one that comes back is made anew.
    bool currentDropped = false;
    for (auto it = m_adapters.begin(); it != m_adapters.end();) {
        if (std::find(m_seen.begin(), m_seen.end(), it->first) != m_seen.end()) {
            ++it;
            continue;
        }
        if (it->second == m_adapter)
            currentDropped = true;
        it->second->deleteLater();
        it = m_adapters.erase(it);
    }
    if (currentDropped)
        setAdapter(nullptr);

    // 8. Mirror the current adapter.
    m_name = m_adapter ? m_adapter->name() : QString();
    emit nameChanged();
    m_adapterDownload = m_adapter ? m_adapter->speeds().current.download : 0;
    emit adapterDownloadChanged();
    m_adapterUpload = m_adapter ? m_adapter->speeds().current.upload : 0;
    emit adapterUploadChanged();
    m_downloadHistory = m_adapter ? m_adapter->histories().download() : QList<NetworkHistoryItem>();
    emit downloadHistoryChanged();
    m_uploadHistory = m_adapter ? m_adapter->histories().upload() : QList<NetworkHistoryItem>();
    emit uploadHistoryChanged();

    // 9. and 10. Registry details, then one announcement per adapter in BSD-name order. The registry
    // is walked only when an adapter of that kind can take a record.
    bool anyWifi = false;
    bool anyEthernet = false;
    for (const auto& [name, adapter] : m_adapters) {
        anyWifi = anyWifi || qobject_cast<WifiAdapter*>(adapter);
        anyEthernet = anyEthernet || qobject_cast<EthernetAdapter*>(adapter);
    }
    const std::vector<WirelessAdapterDetails> wireless = anyWifi ? readWirelessDetails()
                                                                 : std::vector<WirelessAdapterDetails>();
    const std::vector<EthernetAdapterDetails> ethernet = anyEthernet ? readEthernetDetails()
                                                                     : std::vector<EthernetAdapterDetails>();
    for (const auto& [name, adapter] : m_adapters) {
        if (auto* wifiAdapter = qobject_cast<WifiAdapter*>(adapter)) {
            const auto found = std::find_if(wireless.begin(), wireless.end(), [&name = name](const WirelessAdapterDetails& d) {
                return d.interfaceName == name;
            });
            wifiAdapter->setDetails(found == wireless.end() ? std::nullopt : std::optional(*found));
        } else if (auto* ethernetAdapter = qobject_cast<EthernetAdapter*>(adapter)) {
            const auto found = std::find_if(ethernet.begin(), ethernet.end(), [&name = name](const EthernetAdapterDetails& d) {
                return d.identifier == name;
            });
            ethernetAdapter->setDetails(found == ethernet.end() ? std::nullopt : std::optional(*found));
        }
        emit trafficDidUpdate(adapter);
    }

    // 11. The per-process listing runs in the background; processesDidUpdate follows when it is in.
    if (m_collectProcesses)
        m_processesController->refresh();
    // 12. One speed announcement.
    emit speedDidUpdate(NetworkSpeedInfo{m_speedMode, downloadSpeed(), uploadSpeed()});
}

std::optional<QString> NetworkController::registryString(const Platform::Registry& registry,
                                                         Platform::RegistryEntryId entry, const QString& key)
{
    return registry.property(entry, key).toString();
}

std::optional<std::uint8_t> NetworkController::registryUInt8(const Platform::Registry& registry,
                                                             Platform::RegistryEntryId entry, const QString& key)
{
    const auto value = registry.property(entry, key).toUInt64();
    if (!value || *value > 0xFF)
        return std::nullopt;
    return std::uint8_t(*value);
}

std::optional<std::uint16_t> NetworkController::registryUInt16(const Platform::Registry& registry,
                                                               Platform::RegistryEntryId entry, const QString& key)
{
    const auto value = registry.property(entry, key).toUInt64();
    if (!value || *value > 0xFFFF)
        return std::nullopt;
    return std::uint16_t(*value);
}

std::optional<QByteArray> NetworkController::registryData(const Platform::Registry& registry,
                                                          Platform::RegistryEntryId entry, const QString& key)
{
    return registry.property(entry, key).toData();
}

std::vector<WirelessAdapterDetails> NetworkController::readWirelessDetails() const
{
    const Platform::Registry& reg = registry();
    std::vector<WirelessAdapterDetails> result;
    for (const Platform::RegistryEntryId entry : reg.entriesOfClass(QStringLiteral("AppleBCMWLANSkywalkInterface"))) {
        const auto parent = reg.parent(entry);
        if (!parent)
            continue;
        const bool qualifies = registryString(reg, *parent, QStringLiteral("IOClass")) == QStringLiteral("AppleBCMWLANCore")
            || registryString(reg, *parent, QStringLiteral("IOMatchCategory")) == QStringLiteral("WiFiDriver");
        if (!qualifies)
            continue;
        WirelessAdapterDetails details;
        details.vendor = registryString(reg, *parent, QStringLiteral("IOVendor"));
        details.buildDate = registryString(reg, *parent, QStringLiteral("AppleBCMWLAN.BuildDate"));
        details.vendorId = registryString(reg, *parent, QStringLiteral("vendor-id"));
        details.interfaceName = registryString(reg, entry, QStringLiteral("IOInterfaceName"));
        details.channel = registryUInt8(reg, entry, QStringLiteral("IO80211Channel"));
        details.band = registryString(reg, entry, QStringLiteral("IO80211Band"));
        details.bssid = registryData(reg, entry, QStringLiteral("IO80211BSSID"));
        details.channelBandwidth = registryUInt16(reg, entry, QStringLiteral("IO80211ChannelBandwidth"));
        details.locale = registryString(reg, entry, QStringLiteral("IO80211Locale"));
        details.macAddress = registryData(reg, entry, QStringLiteral("IOMACAddress"));
        details.countryCode = registryString(reg, entry, QStringLiteral("IO80211CountryCode"));
        details.channelFrequency = registryUInt16(reg, entry, QStringLiteral("IO80211ChannelFrequency"));
        details.hardwareVersion = registryString(reg, entry, QStringLiteral("IO80211HardwareVersion"));
        if (const auto text = registryString(reg, *parent, QStringLiteral("LinkQualityMetrics")))
            details.linkQualityMetrics = LinkQualityMetrics::parse(*text);
        result.push_back(std::move(details));
    }
    return result;
}

std::vector<EthernetAdapterDetails> NetworkController::readEthernetDetails() const
{
    const Platform::Registry& reg = registry();
    std::vector<EthernetAdapterDetails> result;
    for (const Platform::RegistryEntryId controller : reg.entriesOfClass(QStringLiteral("IOEthernetController"))) {
        const auto parent = reg.parent(controller);
        const std::vector<Platform::RegistryEntryId> children = reg.children(controller);
        if (!parent || children.empty()
            || registryString(reg, *parent, QStringLiteral("IOName")) != QStringLiteral("ethernet"))
            continue;
        const Platform::RegistryEntryId child = children.front();
        EthernetAdapterDetails details;
        details.identifier = registryString(reg, child, QStringLiteral("BSD Name"));
        details.vendor = registryString(reg, controller, QStringLiteral("IOFirmwareVersion"));
        details.model = registryString(reg, controller, QStringLiteral("IOModel"));
        details.phyVersion = registryString(reg, controller, QStringLiteral("FW PHY Version"));
        details.firmwareVersion = registryString(reg, controller, QStringLiteral("FW MAC Version"));
        if (const Platform::PlistValue speed = reg.property(controller, QStringLiteral("IOLinkSpeed")); speed.isNumber())
            details.linkSpeed = speed;
        details.targetLinkSpeed = registryData(reg, *parent, QStringLiteral("target-link-speed"));
        details.localMacAddress = registryData(reg, *parent, QStringLiteral("local-mac-address"));
        details.name = registryData(reg, *parent, QStringLiteral("name"));
        details.deviceType = registryData(reg, *parent, QStringLiteral("device_type"));
        result.push_back(std::move(details));
    }
    return result;
}

} // namespace SystemKit
