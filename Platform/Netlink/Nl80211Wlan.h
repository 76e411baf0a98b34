#pragma once

#include "Platform/Netlink/Wlan.h"

#include <QString>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace Platform {

// Live Wi-Fi values over nl80211 (generic netlink). The driver is asked on a thread of its own with
// a bounded wait per answer, so the main thread never waits on it: interfaces() gives the last
// answer at once and asks for a fresh one. A kernel without the nl80211 family gives no list.
class Nl80211Wlan : public Wlan {
public:
    // `root` holds sys/class/net (the interfaces' operational states).
    explicit Nl80211Wlan(QString root = QStringLiteral("/"));
    ~Nl80211Wlan() override;

    std::optional<std::vector<WlanInterface>> interfaces() override;

    // One query, on the calling thread; none without the nl80211 family.
    std::optional<std::vector<WlanInterface>> query() const;

private:
    void run();

    QString m_root;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_requested = false;
    bool m_stopping = false;
    bool m_answered = false;
    std::optional<std::vector<WlanInterface>> m_latest;
    // A kernel without the nl80211 family is asked again only after a while (a driver may load).
    std::chrono::steady_clock::time_point m_retryAfter{};
    std::thread m_thread;
};

} // namespace Platform
