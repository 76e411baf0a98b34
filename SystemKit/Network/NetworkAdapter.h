#pragma once

#include "SystemKit/Network/Addresses.h"
#include "SystemKit/Network/NetworkHistories.h"
#include "SystemKit/Network/NetworkSpeeds.h"
#include "BaseKit/Sampler/FixedHistory.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace SystemKit {

// The sampled state of one network interface: its identity, the last raw byte counters, the current
// and highest upload and download speeds, the speed histories and the raw traffic per tick. The
// sampler hands it the interface's two 32-bit counters once per sample; the first update only
// records them, every later one yields one speed per direction.
//
// Two adapters are the same adapter when their identifiers (BSD names) are equal. changed() follows
// every update and every change of the identity or addresses.
class NetworkAdapter : public QObject {
    Q_OBJECT

public:
    NetworkAdapter(const QString& identifier, int historySize, std::shared_ptr<const Platform::Clock> clock,
                   QObject* parent = nullptr);
    ~NetworkAdapter() override;

    // The shortest interval a speed is taken over. Over less (the model's extra sample right after
    // the first one, well under a millisecond later) one burst of packets would read as a rate many
    // times the link's, stay in the history and become the maximum: such an update only records the
    // counters, as a first update does.
    static constexpr double shortestInterval = 0.1;

    // One sample: the sent and received byte counters as they stand and the seconds since the
    // previous sample.
    void update(std::uint32_t upload, std::uint32_t download, double interval);
    // The current speed of a direction; the maximum follows when it is exceeded.
    void setUploadSpeed(std::uint64_t speed);
    void setDownloadSpeed(std::uint64_t speed);

    bool firstUploadRefresh() const { return m_firstUploadRefresh; }
    bool firstDownloadRefresh() const { return m_firstDownloadRefresh; }
    const NetworkHistories& histories() const { return m_histories; }
    const NetworkSpeeds& speeds() const { return m_speeds; }
    const Addresses& addresses() const { return m_addresses; }
    // Raw bytes moved per tick (upload plus download), oldest first.
    const QList<std::uint64_t>& usageHistory() const { return m_usageHistory.values(); }
    std::uint64_t maxDelta() const { return m_maxDelta; }
    const QString& identifier() const { return m_identifier; }
    // The interface's display name, else its BSD name.
    const QString& name() const { return m_name; }
    const std::optional<QString>& hardwareAddress() const { return m_hardwareAddress; }
    const QStringList& protocols() const { return m_protocols; }

    void setAddresses(const Addresses& addresses);
    void setIpv4(const std::optional<QString>& address);
    void setIpv6(const std::optional<QString>& address);
    void setName(const QString& name);
    void setHardwareAddress(const std::optional<QString>& address);
    void setProtocols(const QStringList& protocols);

    bool operator==(const NetworkAdapter& other) const { return m_identifier == other.m_identifier; }

signals:
    void changed();

private:
    bool m_firstUploadRefresh = true;
    bool m_firstDownloadRefresh = true;
    NetworkHistories m_histories;
    NetworkSpeeds m_speeds;
    Addresses m_addresses;
    BaseKit::FixedHistory<std::uint64_t> m_usageHistory;
    std::uint64_t m_maxDelta = 0;
    QString m_identifier;
    QString m_name;
    std::optional<QString> m_hardwareAddress;
    QStringList m_protocols;
};

size_t qHash(const NetworkAdapter& adapter, size_t seed = 0);

} // namespace SystemKit
