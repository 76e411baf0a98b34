#include "Platform/Netlink/Nl80211Wlan.h"

#include "Platform/System/KernelName.h"
#include "Platform/Proc/ProcFile.h"

#include <QDir>

#include <linux/nl80211.h>
#include <netlink/genl/ctrl.h>
#include <netlink/genl/genl.h>
#include <netlink/netlink.h>

#include <sys/socket.h>
#include <sys/time.h>

#include <cstdio>

namespace Platform {

namespace {

// Longest wait for one answer of the driver.
constexpr int answerTimeoutMs = 500;

struct Socket {
    nl_sock* sock = nullptr;
    int family = -1;

    Socket()
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
        family = genl_ctrl_resolve(sock, "nl80211");
    }
    ~Socket()
    {
        if (sock)
            nl_socket_free(sock);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    // Sends one request and hands every answer message to `parse`; false when it fails.
    template <typename Parse>
    bool request(std::uint8_t command, int flags, std::optional<std::uint32_t> ifindex, Parse parse)
    {
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
                      auto* header = static_cast<genlmsghdr*>(nlmsg_data(nlmsg_hdr(m)));
                      nlattr* attrs[NL80211_ATTR_MAX + 1] = {};
                      if (nla_parse(attrs, NL80211_ATTR_MAX, genlmsg_attrdata(header, 0), genlmsg_attrlen(header, 0),
                                    nullptr) == 0)
                          (*static_cast<Context*>(arg)->parse)(attrs);
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

std::optional<int> widthMHz(std::uint32_t width)
{
    switch (width) {
    case NL80211_CHAN_WIDTH_20_NOHT:
    case NL80211_CHAN_WIDTH_20: return 20;
    case NL80211_CHAN_WIDTH_40: return 40;
    case NL80211_CHAN_WIDTH_80: return 80;
    case NL80211_CHAN_WIDTH_80P80:
    case NL80211_CHAN_WIDTH_160: return 160;
    case NL80211_CHAN_WIDTH_320: return 320;
    default: return std::nullopt;
    }
}

} // namespace

std::shared_ptr<Wlan> Wlan::live()
{
    static const std::shared_ptr<Wlan> source = std::make_shared<Nl80211Wlan>();
    return source;
}

Nl80211Wlan::Nl80211Wlan(QString root) : m_root(root.isEmpty() ? QStringLiteral("/") : std::move(root)) {}

Nl80211Wlan::~Nl80211Wlan()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

std::optional<std::vector<WlanInterface>> Nl80211Wlan::interfaces()
{
    std::lock_guard lock(m_mutex);
    if (!m_thread.joinable())
        m_thread = std::thread([this] { run(); });
    m_requested = true;
    m_wake.notify_one();
    // Until the first answer there is nothing to show.
    return m_answered ? m_latest : std::nullopt;
}

void Nl80211Wlan::run()
{
    for (;;) {
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_requested || m_stopping; });
            if (m_stopping)
                return;
            m_requested = false;
            if (std::chrono::steady_clock::now() < m_retryAfter)
                continue;
        }
        auto answer = query();
        std::lock_guard lock(m_mutex);
        if (!answer)
            m_retryAfter = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        m_latest = std::move(answer);
        m_answered = true;
    }
}

std::optional<std::vector<WlanInterface>> Nl80211Wlan::query() const
{
    Socket socket;
    if (!socket.sock || socket.family < 0)
        return std::nullopt;

    struct Found {
        WlanInterface values;
        std::uint32_t ifindex = 0;
        std::uint32_t type = 0;
    };
    std::vector<Found> found;
    socket.request(NL80211_CMD_GET_INTERFACE, NLM_F_DUMP, std::nullopt, [&](nlattr** attrs) {
        if (!attrs[NL80211_ATTR_IFNAME] || !attrs[NL80211_ATTR_IFINDEX])
            return;
        Found one;
        one.values.name = KernelName::decode(nla_get_string(attrs[NL80211_ATTR_IFNAME]));
        one.ifindex = nla_get_u32(attrs[NL80211_ATTR_IFINDEX]);
        if (attrs[NL80211_ATTR_IFTYPE])
            one.type = nla_get_u32(attrs[NL80211_ATTR_IFTYPE]);
        one.values.interfaceMode = Wlan::interfaceMode(one.type);
        if (attrs[NL80211_ATTR_WIPHY_FREQ]) {
            const int frequency = int(nla_get_u32(attrs[NL80211_ATTR_WIPHY_FREQ]));
            one.values.frequency = frequency;
            if (const auto channel = Wlan::channelAndBand(frequency)) {
                one.values.channel = channel->first;
                one.values.channelBand = channel->second;
            }
        }
        if (attrs[NL80211_ATTR_CHANNEL_WIDTH])
            one.values.channelWidth = widthMHz(nla_get_u32(attrs[NL80211_ATTR_CHANNEL_WIDTH]));
        if (attrs[NL80211_ATTR_WIPHY_TX_POWER_LEVEL])
            one.values.transmitPower = Wlan::milliwatts(int(nla_get_u32(attrs[NL80211_ATTR_WIPHY_TX_POWER_LEVEL])));
        found.push_back(std::move(one));
    });

    std::optional<QString> country;
    socket.request(NL80211_CMD_GET_REG, 0, std::nullopt, [&](nlattr** attrs) {
        if (attrs[NL80211_ATTR_REG_ALPHA2])
            country = QString::fromLatin1(nla_get_string(attrs[NL80211_ATTR_REG_ALPHA2])).left(2);
    });

    std::vector<WlanInterface> result;
    for (Found& one : found) {
        WlanInterface& values = one.values;
        values.countryCode = country;
        bool associated = false;
        WlanRateInfo rate;
        std::optional<std::int64_t> signal, signalAverage, txPackets, txFailed, txRetries, beacons;
        socket.request(NL80211_CMD_GET_STATION, NLM_F_DUMP, one.ifindex, [&](nlattr** attrs) {
            if (associated || !attrs[NL80211_ATTR_STA_INFO])
                return;
            nlattr* info[NL80211_STA_INFO_MAX + 1] = {};
            if (nla_parse_nested(info, NL80211_STA_INFO_MAX, attrs[NL80211_ATTR_STA_INFO], nullptr) != 0)
                return;
            associated = true;
            if (attrs[NL80211_ATTR_MAC] && nla_len(attrs[NL80211_ATTR_MAC]) == 6)
                values.bssid = QByteArray(static_cast<const char*>(nla_data(attrs[NL80211_ATTR_MAC])), 6);
            if (info[NL80211_STA_INFO_SIGNAL])
                signal = std::int8_t(nla_get_u8(info[NL80211_STA_INFO_SIGNAL]));
            if (info[NL80211_STA_INFO_SIGNAL_AVG])
                signalAverage = std::int8_t(nla_get_u8(info[NL80211_STA_INFO_SIGNAL_AVG]));
            if (info[NL80211_STA_INFO_TX_PACKETS])
                txPackets = nla_get_u32(info[NL80211_STA_INFO_TX_PACKETS]);
            if (info[NL80211_STA_INFO_TX_FAILED])
                txFailed = nla_get_u32(info[NL80211_STA_INFO_TX_FAILED]);
            if (info[NL80211_STA_INFO_TX_RETRIES])
                txRetries = nla_get_u32(info[NL80211_STA_INFO_TX_RETRIES]);
            if (info[NL80211_STA_INFO_BEACON_RX])
                beacons = std::int64_t(nla_get_u64(info[NL80211_STA_INFO_BEACON_RX]) & 0xFFFFFFFFu);
            if (info[NL80211_STA_INFO_TX_BITRATE]) {
                nlattr* r[NL80211_RATE_INFO_MAX + 1] = {};
                if (nla_parse_nested(r, NL80211_RATE_INFO_MAX, info[NL80211_STA_INFO_TX_BITRATE], nullptr) == 0) {
                    if (r[NL80211_RATE_INFO_BITRATE32])
                        rate.bitrate100kbps = nla_get_u32(r[NL80211_RATE_INFO_BITRATE32]);
                    else if (r[NL80211_RATE_INFO_BITRATE])
                        rate.bitrate100kbps = nla_get_u16(r[NL80211_RATE_INFO_BITRATE]);
                    rate.htMcs = r[NL80211_RATE_INFO_MCS] != nullptr;
                    rate.vhtMcs = r[NL80211_RATE_INFO_VHT_MCS] != nullptr;
                    rate.heMcs = r[NL80211_RATE_INFO_HE_MCS] != nullptr;
                    rate.ehtMcs = r[NL80211_RATE_INFO_EHT_MCS] != nullptr;
                }
            }
        });
        if (signal)
            values.rssi = int(*signal);
        if (rate.bitrate100kbps)
            values.transmitRate = Wlan::megabitsPerSecond(*rate.bitrate100kbps);
        values.phyMode = associated ? Wlan::phyMode(rate, values.channelBand) : 0;

        socket.request(NL80211_CMD_GET_SURVEY, NLM_F_DUMP, one.ifindex, [&](nlattr** attrs) {
            if (!attrs[NL80211_ATTR_SURVEY_INFO])
                return;
            nlattr* survey[NL80211_SURVEY_INFO_MAX + 1] = {};
            if (nla_parse_nested(survey, NL80211_SURVEY_INFO_MAX, attrs[NL80211_ATTR_SURVEY_INFO], nullptr) != 0)
                return;
            if (survey[NL80211_SURVEY_INFO_IN_USE] && survey[NL80211_SURVEY_INFO_NOISE])
                values.noise = std::int8_t(nla_get_u8(survey[NL80211_SURVEY_INFO_NOISE]));
        });

        if (associated && (!signal || values.noise == 0)) {
            // Drivers without these station or survey values may still report them here.
            const Wlan::Levels levels = Wlan::wirelessLevels(
                ProcFile::readFile(QDir(m_root).filePath(QStringLiteral("proc/net/wireless")), 64 * 1024), values.name);
            if (!signal && levels.signal)
                values.rssi = *levels.signal;
            if (values.noise == 0 && levels.noise)
                values.noise = *levels.noise;
        }
        const QByteArray operstate = ProcFile::readFile(
            QDir(m_root).filePath(QStringLiteral("sys/class/net/") + values.name + QStringLiteral("/operstate")), 64);
        values.serviceActive = associated && operstate.trimmed() == "up";
        if (associated) {
            auto text = [](const std::optional<std::int64_t>& v) {
                return v ? QString::number(*v) : QString();
            };
            values.linkQuality = QStringLiteral("rssi=%1 rxDataRssi=%2 tx=%3 txf=%4 txr=%5 rxBeacons=%6")
                                     .arg(text(signal), text(signalAverage), text(txPackets), text(txFailed),
                                          text(txRetries), text(beacons));
        }
        result.push_back(std::move(values));
    }
    return result;
}

} // namespace Platform
