#pragma once

#include "Platform/Netlink/Wlan.h"

#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace Platform {

// Live Wi-Fi values over nl80211 (generic netlink). The driver is asked on a thread of its own with
// a bounded wait per answer, so the main thread never waits on it: interfaces() gives the last
// answer at once and asks for a fresh one. A kernel without the nl80211 family gives no list.
//
// A driver may take its time over every answer, and a query asks several times. The thread owns
// what it touches (shared with the source), so that the source can go while a query runs: it waits
// for the thread at most Platform::quitWait and then leaves it to end on its own, which it does at
// the query's next request.
class Nl80211Wlan : public Wlan {
public:
    // One query; it gives up with no list once `stopping` is set, at the latest after the request
    // under way.
    using Query = std::function<std::optional<std::vector<WlanInterface>>(const std::atomic<bool>& stopping)>;

    // `root` holds sys/class/net (the interfaces' operational states).
    explicit Nl80211Wlan(QString root = QStringLiteral("/"));
    // Asks `query` instead of the driver.
    explicit Nl80211Wlan(Query query);
    ~Nl80211Wlan() override;
    Nl80211Wlan(const Nl80211Wlan&) = delete;
    Nl80211Wlan& operator=(const Nl80211Wlan&) = delete;

    std::optional<std::vector<WlanInterface>> interfaces() override;

    // One query of the driver, on the calling thread; none without the nl80211 family.
    std::optional<std::vector<WlanInterface>> query() const;

private:
    struct Shared;
    static void run(const std::shared_ptr<Shared>& shared);
    static std::optional<std::vector<WlanInterface>> queryDriver(const QString& root, const std::atomic<bool>& stopping);

    QString m_root;
    std::shared_ptr<Shared> m_shared;
    std::thread m_thread;
};

} // namespace Platform
