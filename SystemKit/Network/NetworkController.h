#pragma once

#include "SystemKit/Network/EthernetAdapterDetails.h"
#include "SystemKit/Network/NetworkAdapter.h"
#include "SystemKit/Network/NetworkEnvironment.h"
#include "SystemKit/Network/NetworkSpeeds.h"
#include "SystemKit/Network/ProcessesController.h"
#include "SystemKit/Network/TrafficProcess.h"
#include "SystemKit/Network/VpnWatch.h"
#include "SystemKit/Network/WirelessAdapterDetails.h"
#include "BaseKit/Sampler/SamplerTimer.h"

#include "Platform/Sysfs/NetworkInterfaces.h"
#include "Platform/Registry/Registry.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace SystemKit {

// The kind of address `address` looks up.
enum class IpType { ip4, ip6 };

// The network sampler. Once per tick it walks the interface list, keeps one adapter per live network
// interface (Ethernet or Wi-Fi), hands each its 32-bit byte counters, refreshes the Wi-Fi live values
// and the registry details, and mirrors the adapter of the primary IPv4 interface (the current
// adapter) into its own properties. trafficDidUpdate() follows once per adapter in BSD-name order,
// then speedDidUpdate() once. A sample without a primary interface only clears the current adapter.
//
// Two extras stay off unless the owner asks for them: the per-process traffic listing (collectProcesses;
// each listing is announced on processesDidUpdate when it is in) and the VPN watch (watchVpn at
// construction), which records whether the network path runs over a tunnel and looks the external
// address up again on every path update.
//
// Everything runs on the main thread. Every property notifies on every write.
class NetworkController : public QObject {
    Q_OBJECT
    Q_PROPERTY(QTimer* timer READ timer NOTIFY timerChanged)
    Q_PROPERTY(SystemKit::NetworkAdapter* adapter READ adapter NOTIFY adapterChanged)
    Q_PROPERTY(QString name READ name NOTIFY nameChanged)
    Q_PROPERTY(quint64 adapterUpload READ adapterUpload NOTIFY adapterUploadChanged)
    Q_PROPERTY(quint64 adapterDownload READ adapterDownload NOTIFY adapterDownloadChanged)
    Q_PROPERTY(int historySize READ historySize CONSTANT)
    Q_PROPERTY(bool isVpnConnection READ isVpnConnection NOTIFY isVpnConnectionChanged)
    Q_PROPERTY(SystemKit::ProcessesController* processesController READ processesController CONSTANT)
    Q_PROPERTY(bool collectProcesses READ collectProcesses WRITE setCollectProcesses NOTIFY collectProcessesChanged)
    Q_PROPERTY(QList<SystemKit::NetworkHistoryItem> uploadHistory READ uploadHistory NOTIFY uploadHistoryChanged)
    Q_PROPERTY(QList<SystemKit::NetworkHistoryItem> downloadHistory READ downloadHistory NOTIFY downloadHistoryChanged)

public:
    // Builds the sampler on this machine's sources and takes one sample; with `watchVpn` it also
    // starts the VPN watch.
    NetworkController(int historySize, bool watchVpn, QObject* parent = nullptr);
    NetworkController(int historySize, bool watchVpn, NetworkEnvironment environment, QObject* parent = nullptr);
    ~NetworkController() override;

    // Starts sampling every `interval` seconds when no timer runs; otherwise does nothing.
    Q_INVOKABLE void start(double interval);
    Q_INVOKABLE void stop();
    // One sample.
    Q_INVOKABLE void updateAdapters();
    // The timer's action: one sample.
    Q_INVOKABLE void refresh() { updateAdapters(); }

    QTimer* timer() const { return m_timer.timer(); }
    const std::optional<QString>& currentIdentifier() const { return m_currentIdentifier; }
    NetworkAdapter* adapter() const { return m_adapter; }
    int historySize() const { return m_historySize; }
    const QString& name() const { return m_name; }
    const QList<NetworkHistoryItem>& uploadHistory() const { return m_uploadHistory; }
    const QList<NetworkHistoryItem>& downloadHistory() const { return m_downloadHistory; }
    const std::optional<QString>& externalIp() const { return m_externalIp; }
    const std::optional<QString>& countryCode() const { return m_countryCode; }
    bool isVpnConnection() const { return m_isVpnConnection; }
    bool collectProcesses() const { return m_collectProcesses; }
    void setCollectProcesses(bool collect);
    NetworkSpeedMode speedMode() const { return m_speedMode; }
    void setSpeedMode(NetworkSpeedMode mode);
    std::uint64_t adapterUpload() const { return m_adapterUpload; }
    std::uint64_t adapterDownload() const { return m_adapterDownload; }
    const QStringList& ignoredAdapters() const { return m_ignoredAdapters; }
    ProcessesController* processesController() const { return m_processesController; }
    // The VPN watch's path stream; none while the watch is off.
    Platform::PathMonitor* monitor() const { return m_vpnWatch->monitor(); }

    // Ends the VPN watch; nothing starts it again.
    void stopVpnWatch();

    // The speeds of the current adapter, or the totals of the last per-process listing in processes
    // mode (0 while none has been collected).
    std::uint64_t uploadSpeed() const;
    std::uint64_t downloadSpeed() const;
    std::uint64_t maxSpeed() const;
    // The current adapter's BSD name; "" without one.
    QString identifier() const;
    // The live adapters in BSD-name order.
    QList<NetworkAdapter*> adapters() const;

    // Interface discovery.
    std::optional<QString> primaryInterfaceName() const;
    void updateCurrentAdapter();
    std::optional<QString> interfaceType(const QString& bsdName) const;
    void readInterfaceInfo(NetworkAdapter& adapter) const;
    // The first address of that kind of the interface in the latest interface list.
    std::optional<QString> address(const QString& bsdName, IpType type) const;
    NetworkAdapter* makeAdapter(const QString& bsdName);
    void configureAdapter(NetworkAdapter& adapter) const;
    NetworkAdapter* adapterForName(const QString& bsdName);

    // The registry's details records, in registry order.
    std::vector<WirelessAdapterDetails> readWirelessDetails() const;
    std::vector<EthernetAdapterDetails> readEthernetDetails() const;

    // Registry reading rules: the property when it has that type (a number exactly representable in
    // that width), else none.
    static std::optional<QString> registryString(const Platform::Registry& registry, Platform::RegistryEntryId entry,
                                                 const QString& key);
    static std::optional<std::uint8_t> registryUInt8(const Platform::Registry& registry,
                                                     Platform::RegistryEntryId entry, const QString& key);
    static std::optional<std::uint16_t> registryUInt16(const Platform::Registry& registry,
                                                       Platform::RegistryEntryId entry, const QString& key);
    static std::optional<QByteArray> registryData(const Platform::Registry& registry, Platform::RegistryEntryId entry,
                                                  const QString& key);

signals:
    void timerChanged();
    void currentIdentifierChanged();
    void adapterChanged();
    void nameChanged();
    void uploadHistoryChanged();
    void downloadHistoryChanged();
    void externalIpChanged();
    void countryCodeChanged();
    void isVpnConnectionChanged();
    void collectProcessesChanged();
    void speedModeChanged();
    void adapterUploadChanged();
    void adapterDownloadChanged();

    // One per adapter per sample, in BSD-name order.
    void trafficDidUpdate(SystemKit::NetworkAdapter* adapter);
    // Once per completed sample, after the last trafficDidUpdate.
    void speedDidUpdate(SystemKit::NetworkSpeedInfo info);
    // A change of the VPN state, while the watch runs.
    void vpnStateDidChange(bool connected);
    // Each per-process listing that comes in while collectProcesses is on.
    void processesDidUpdate(SystemKit::TrafficProcessList processes);

private:
    Platform::Registry& registry() const;
    void setAdapter(NetworkAdapter* adapter);

    NetworkEnvironment m_environment;
    std::chrono::nanoseconds m_timePrevious{0};
    BaseKit::SamplerTimer m_timer;
    std::optional<QString> m_currentIdentifier;
    std::map<QString, NetworkAdapter*> m_adapters; // owned, keyed and ordered by BSD name
    QStringList m_ignoredAdapters;
    ProcessesController* m_processesController = new ProcessesController(m_environment.tools, this);
    VpnWatch* m_vpnWatch = new VpnWatch(m_environment.addressLookup, m_environment.pathMonitors, this);
    QPointer<NetworkAdapter> m_adapter;
    int m_historySize = 0;
    QString m_name;
    QList<NetworkHistoryItem> m_uploadHistory;
    QList<NetworkHistoryItem> m_downloadHistory;
    std::optional<QString> m_externalIp;
    std::optional<QString> m_countryCode;
    bool m_isVpnConnection = false;
    bool m_collectProcesses = false;
    NetworkSpeedMode m_speedMode = NetworkSpeedMode::adapter;
    std::uint64_t m_adapterUpload = 0;
    std::uint64_t m_adapterDownload = 0;

    // Kept between samples so that a sample allocates little.
    std::vector<Platform::InterfaceEntry> m_entries;
    std::vector<QString> m_seen;
};

} // namespace SystemKit
