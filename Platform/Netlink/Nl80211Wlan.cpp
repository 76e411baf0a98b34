#include "Platform/Netlink/Nl80211Wlan.h"

#include "Platform/Netlink/Nl80211Reply.h"
#include "Platform/Proc/ProcFile.h"
#include "Platform/Time/QuitWait.h"

#include <QDir>

#include <linux/nl80211.h>
#include <netlink/genl/ctrl.h>
#include <netlink/genl/genl.h>
#include <netlink/netlink.h>

#include <sys/socket.h>
#include <sys/time.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>

namespace Platform {

namespace {

// Longest wait for one answer of the driver.
constexpr int answerTimeoutMs = 500;

struct Socket {
    nl_sock* sock = nullptr;
    int family = -1;
    // Once set, no more requests go out.
    const std::atomic<bool>& stopping;

    explicit Socket(const std::atomic<bool>& stop) : stopping(stop)
    {
        sock = nl_socket_alloc();
        if (!sock)
            return;
        if (genl_connect(sock) != 0) {
            nl_socket_free(sock);
            sock = nullptr;
            return;
        }
        timeval timeout{0, answerTimeoutMs * 1000};
        setsockopt(nl_socket_get_fd(sock), SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        family = stopping ? -1 : genl_ctrl_resolve(sock, "nl80211");
    }
    ~Socket()
    {
        if (sock)
            nl_socket_free(sock);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    // Sends one request and hands the payload of every answer message to `parse`; false when it fails.
    template <typename Parse>
    bool request(std::uint8_t command, int flags, std::optional<std::uint32_t> ifindex, Parse parse)
    {
        if (stopping)
            return false;
        nl_msg* msg = nlmsg_alloc();
        if (!msg)
            return false;
        if (!genlmsg_put(msg, NL_AUTO_PORT, NL_AUTO_SEQ, family, 0, flags, command, 0)
            || (ifindex && nla_put_u32(msg, NL80211_ATTR_IFINDEX, *ifindex) < 0)) {
            nlmsg_free(msg);
            return false;
        }
        nl_cb* cb = nl_cb_alloc(NL_CB_DEFAULT);
        if (!cb) {
            nlmsg_free(msg);
            return false;
        }
        struct Context {
            Parse* parse;
        } context{&parse};
        nl_cb_set(cb, NL_CB_VALID, NL_CB_CUSTOM,
                  [](nl_msg* m, void* arg) -> int {
                      nlmsghdr* header = nlmsg_hdr(m);
                      (*static_cast<Context*>(arg)->parse)(
                          QByteArrayView(static_cast<const char*>(nlmsg_data(header)), nlmsg_datalen(header)));
                      return NL_OK;
                  },
                  &context);
        const bool sent = nl_send_auto(sock, msg) >= 0;
        nlmsg_free(msg);
        // nl_recvmsgs ends at the dump's end, on an error answer, or when the wait times out.
        const bool ok = sent && nl_recvmsgs(sock, cb) >= 0;
        nl_cb_put(cb);
        return ok;
    }
};

} // namespace

std::shared_ptr<Wlan> Wlan::live()
{
    static const std::shared_ptr<Wlan> source = std::make_shared<Nl80211Wlan>();
    return source;
}

// What the source and its thread share. The thread holds it as long as it runs, so that nothing it
// touches goes before it.
struct Nl80211Wlan::Shared {
    Query query;
    std::mutex mutex;
    std::condition_variable changed;
    bool requested = false;
    std::atomic<bool> stopping = false;
    bool ended = false;
    bool answered = false;
    std::optional<std::vector<WlanInterface>> latest;
    // A kernel without the nl80211 family is asked again only after a while (a driver may load).
    std::chrono::steady_clock::time_point retryAfter{};
};

Nl80211Wlan::Nl80211Wlan(QString root)
    : m_root(root.isEmpty() ? QStringLiteral("/") : std::move(root))
    , m_shared(std::make_shared<Shared>())
{
    m_shared->query = [root = m_root](const std::atomic<bool>& stopping) { return queryDriver(root, stopping); };
}

Nl80211Wlan::Nl80211Wlan(Query query) : m_root(QStringLiteral("/")), m_shared(std::make_shared<Shared>())
{
    m_shared->query = std::move(query);
}

Nl80211Wlan::~Nl80211Wlan()
{
    std::unique_lock lock(m_shared->mutex);
    m_shared->stopping = true;
    m_shared->changed.notify_all();
    if (!m_thread.joinable())
        return;
    const bool ended = m_shared->changed.wait_for(lock, quitWait, [this] { return m_shared->ended; });
    lock.unlock();
    // A query that waits on the driver keeps its thread, and the thread what it shares, until the
    // query gives up; nobody waits for it.
    if (ended)
        m_thread.join();
    else
        m_thread.detach();
}

std::optional<std::vector<WlanInterface>> Nl80211Wlan::interfaces()
{
    const std::lock_guard lock(m_shared->mutex);
    if (!m_thread.joinable())
        m_thread = std::thread(&Nl80211Wlan::run, m_shared);
    m_shared->requested = true;
    m_shared->changed.notify_all();
    // Until the first answer there is nothing to show.
    return m_shared->answered ? m_shared->latest : std::nullopt;
}

void Nl80211Wlan::run(const std::shared_ptr<Shared>& shared)
{
    std::unique_lock lock(shared->mutex);
    for (;;) {
        shared->changed.wait(lock, [&] { return shared->requested || shared->stopping; });
        if (shared->stopping)
            break;
        shared->requested = false;
        if (std::chrono::steady_clock::now() < shared->retryAfter)
            continue;
        lock.unlock();
        auto answer = shared->query(shared->stopping);
        lock.lock();
        if (shared->stopping)
            break;
        if (!answer)
            shared->retryAfter = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        shared->latest = std::move(answer);
        shared->answered = true;
    }
    shared->ended = true;
    shared->changed.notify_all();
}

std::optional<std::vector<WlanInterface>> Nl80211Wlan::query() const
{
    const std::atomic<bool> never = false;
    return queryDriver(m_root, never);
}

std::optional<std::vector<WlanInterface>> Nl80211Wlan::queryDriver(const QString& root, const std::atomic<bool>& stopping)
{
    Socket socket(stopping);
    if (!socket.sock || socket.family < 0)
        return std::nullopt;

    std::vector<Nl80211Reply::Interface> found;
    socket.request(NL80211_CMD_GET_INTERFACE, NLM_F_DUMP, std::nullopt, [&](QByteArrayView payload) {
        if (auto one = Nl80211Reply::interface(payload))
            found.push_back(std::move(*one));
    });

    std::optional<QString> country;
    socket.request(NL80211_CMD_GET_REG, 0, std::nullopt, [&](QByteArrayView payload) {
        if (auto code = Nl80211Reply::country(payload))
            country = std::move(code);
    });

    std::vector<WlanInterface> result;
    for (Nl80211Reply::Interface& one : found) {
        if (stopping)
            return std::nullopt;
        WlanInterface& values = one.values;
        values.countryCode = country;
        // The first station that answers is the access point.
        std::optional<Nl80211Reply::Station> station;
        socket.request(NL80211_CMD_GET_STATION, NLM_F_DUMP, one.ifindex, [&](QByteArrayView payload) {
            if (!station)
                station = Nl80211Reply::station(payload);
        });
        const bool associated = station.has_value();
        const Nl80211Reply::Station heard = station.value_or(Nl80211Reply::Station{});
        const auto& signal = heard.signal;
        if (heard.bssid)
            values.bssid = heard.bssid;
        if (signal)
            values.rssi = int(*signal);
        if (heard.rate.bitrate100kbps)
            values.transmitRate = Wlan::megabitsPerSecond(*heard.rate.bitrate100kbps);
        values.phyMode = associated ? Wlan::phyMode(heard.rate, values.channelBand) : 0;

        socket.request(NL80211_CMD_GET_SURVEY, NLM_F_DUMP, one.ifindex, [&](QByteArrayView payload) {
            if (const auto noise = Nl80211Reply::noiseInUse(payload))
                values.noise = *noise;
        });

        if (associated && (!signal || values.noise == 0)) {
            // Drivers without these station or survey values may still report them here.
            const Wlan::Levels levels = Wlan::wirelessLevels(
                ProcFile::readFile(QDir(root).filePath(QStringLiteral("proc/net/wireless")), 64 * 1024), values.name);
            if (!signal && levels.signal)
                values.rssi = *levels.signal;
            if (values.noise == 0 && levels.noise)
                values.noise = *levels.noise;
        }
        const QByteArray operstate = ProcFile::readFile(
            QDir(root).filePath(QStringLiteral("sys/class/net/") + values.name + QStringLiteral("/operstate")), 64);
        values.serviceActive = associated && operstate.trimmed() == "up";
        if (associated) {
            auto text = [](const std::optional<std::int64_t>& v) {
                return v ? QString::number(*v) : QString();
            };
            values.linkQuality = QStringLiteral("rssi=%1 rxDataRssi=%2 tx=%3 txf=%4 txr=%5 rxBeacons=%6")
                                     .arg(text(signal), text(heard.signalAverage), text(heard.txPackets),
                                          text(heard.txFailed), text(heard.txRetries), text(heard.beacons));
        }
        result.push_back(std::move(values));
    }
    // A query given up part of the way has no list to give.
    if (stopping)
        return std::nullopt;
    return result;
}

} // namespace Platform
