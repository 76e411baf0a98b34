#pragma once

#include "Platform/Netlink/PathMonitor.h"

#include <QByteArray>
#include <QString>
#include <QTimer>

#include <optional>

class QSocketNotifier;

namespace Platform {

// The path stream over the kernel's routing socket (NETLINK_ROUTE) joined to the link and IPv4 and
// IPv6 route groups, read on a socket notifier, never blocking. A burst of messages gives one path,
// taken once the burst has been quiet for a moment. Each path comes from two route lookups (a public
// IPv4 and a public IPv6 address), which also follow policy rules, so a tunnel that takes the
// traffic through a rule of its own is seen; the kind of each interface comes from
// `root`/sys/class/net.
class NetlinkPathMonitor : public PathMonitor {
    Q_OBJECT

public:
    explicit NetlinkPathMonitor(QString root = QStringLiteral("/"), QObject* parent = nullptr);
    ~NetlinkPathMonitor() override;

    void start() override;
    void cancel() override;

    // The path as the kernel routes now.
    NetworkPath currentPath() const;

    // Whether an interface counts as other: not loopback (type 772), not Wi-Fi (a `phy80211` link
    // or a `wireless` folder), not Ethernet (type 1 with a `device` link). A name that does not
    // exist below `root`/sys/class/net (it vanished) is not other.
    static bool isOtherInterface(const QString& root, const QString& name);
    // The output interface index of a route reply: the first RTM_NEWROUTE message's RTA_OIF. None
    // for an error reply, a reply without that attribute, or any message or attribute whose length
    // leaves the buffer or its message.
    static std::optional<int> outputInterface(const QByteArray& reply);

private:
    void readMessages();
    void finish();
    std::optional<QString> routeInterface(int family) const;

    QString m_root;
    int m_socket = -1;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_settle;
    bool m_started = false;
    bool m_finished = false;
};

} // namespace Platform
