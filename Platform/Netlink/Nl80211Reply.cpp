#include "Platform/Netlink/Nl80211Reply.h"

#include "Platform/System/KernelName.h"

#include <linux/if.h>
#include <linux/nl80211.h>
#include <netlink/attr.h>
#include <netlink/genl/genl.h>

#include <cstring>
#include <vector>

namespace Platform {

namespace {

// The rules of the attributes read below; every other attribute is passed over unread. A string's
// rule (NLA_STRING with a bound) also makes libnl check that its last byte is the NUL; that a name
// holds a character before it is checked by parseWhole.
struct Policies {
    nla_policy message[NL80211_ATTR_MAX + 1] = {};
    nla_policy station[NL80211_STA_INFO_MAX + 1] = {};
    nla_policy rate[NL80211_RATE_INFO_MAX + 1] = {};
    nla_policy survey[NL80211_SURVEY_INFO_MAX + 1] = {};

    Policies()
    {
        const auto rule = [](std::uint16_t type, std::uint16_t minimum = 0, std::uint16_t maximum = 0) {
            nla_policy policy{};
            policy.type = type;
            policy.minlen = minimum;
            policy.maxlen = maximum;
            return policy;
        };
        message[NL80211_ATTR_IFINDEX] = rule(NLA_U32);
        message[NL80211_ATTR_IFNAME] = rule(NLA_STRING, 0, IFNAMSIZ);
        message[NL80211_ATTR_IFTYPE] = rule(NLA_U32);
        message[NL80211_ATTR_WIPHY_FREQ] = rule(NLA_U32);
        message[NL80211_ATTR_CHANNEL_WIDTH] = rule(NLA_U32);
        message[NL80211_ATTR_WIPHY_TX_POWER_LEVEL] = rule(NLA_U32);
        message[NL80211_ATTR_REG_ALPHA2] = rule(NLA_STRING, 0, 3); // two letters and the NUL
        message[NL80211_ATTR_MAC] = rule(NLA_UNSPEC, 6, 6);
        message[NL80211_ATTR_STA_INFO] = rule(NLA_NESTED);
        message[NL80211_ATTR_SURVEY_INFO] = rule(NLA_NESTED);

        station[NL80211_STA_INFO_SIGNAL] = rule(NLA_U8);
        station[NL80211_STA_INFO_SIGNAL_AVG] = rule(NLA_U8);
        station[NL80211_STA_INFO_TX_PACKETS] = rule(NLA_U32);
        station[NL80211_STA_INFO_TX_FAILED] = rule(NLA_U32);
        station[NL80211_STA_INFO_TX_RETRIES] = rule(NLA_U32);
        station[NL80211_STA_INFO_BEACON_RX] = rule(NLA_U64);
        station[NL80211_STA_INFO_TX_BITRATE] = rule(NLA_NESTED);

        rate[NL80211_RATE_INFO_BITRATE32] = rule(NLA_U32);
        rate[NL80211_RATE_INFO_BITRATE] = rule(NLA_U16);
        rate[NL80211_RATE_INFO_MCS] = rule(NLA_U8);
        rate[NL80211_RATE_INFO_VHT_MCS] = rule(NLA_U8);
        rate[NL80211_RATE_INFO_HE_MCS] = rule(NLA_U8);
        rate[NL80211_RATE_INFO_EHT_MCS] = rule(NLA_U8);

        survey[NL80211_SURVEY_INFO_IN_USE] = rule(NLA_FLAG);
        survey[NL80211_SURVEY_INFO_NOISE] = rule(NLA_U8);
    }
};

const Policies& policies()
{
    static const Policies rules;
    return rules;
}

// nla_parse, and false too when the attributes do not fill `length` (a message cut short, whose last
// attribute nla_parse would pass over without a word) or when a string is empty: its rule lets a lone
// NUL through, and a name needs a character before it.
bool parseWhole(nlattr** table, int maxType, nlattr* head, int length, const nla_policy* policy)
{
    if (nla_parse(table, maxType, head, length, policy) != 0)
        return false;
    for (int type = 0; type <= maxType; ++type) {
        const nlattr* found = table[type];
        if (found && policy[type].type == NLA_STRING && *static_cast<const char*>(nla_data(found)) == '\0')
            return false;
    }
    nlattr* attribute = nullptr;
    int remaining = 0;
    nla_for_each_attr(attribute, head, length, remaining) {
    }
    return remaining <= 0; // the last attribute's padding may be missing
}

bool parseNested(nlattr** table, int maxType, nlattr* nested, const nla_policy* policy)
{
    return parseWhole(table, maxType, static_cast<nlattr*>(nla_data(nested)), nla_len(nested), policy);
}

// The top-level attributes of one payload by type, each checked against its rule. Attributes are
// read in place when the payload lies on a 4-byte boundary (NLA_ALIGNTO, as the socket's buffer
// does), else from an aligned copy: libnl reads a 32-bit number through a plain pointer, so a
// payload only 2-aligned, which the headers' own alignment would allow, would be read misaligned.
class Attributes {
public:
    explicit Attributes(QByteArrayView payload)
    {
        if (payload.size() < qsizetype(GENL_HDRLEN))
            return;
        const QByteArrayView attributes = payload.sliced(GENL_HDRLEN);
        const char* data = attributes.data();
        if (!attributes.isEmpty() && reinterpret_cast<std::uintptr_t>(data) % NLA_ALIGNTO != 0) {
            m_copy.resize(std::size_t(attributes.size() + 3) / 4);
            std::memcpy(m_copy.data(), data, std::size_t(attributes.size()));
            data = reinterpret_cast<const char*>(m_copy.data());
        }
        m_valid = parseWhole(m_table, NL80211_ATTR_MAX, reinterpret_cast<nlattr*>(const_cast<char*>(data)),
                             int(attributes.size()), policies().message);
    }

    bool valid() const { return m_valid; }
    nlattr* operator[](int type) const { return m_table[type]; }

private:
    std::vector<std::uint32_t> m_copy;
    nlattr* m_table[NL80211_ATTR_MAX + 1] = {};
    bool m_valid = false;
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

std::optional<Nl80211Reply::Interface> Nl80211Reply::interface(QByteArrayView payload)
{
    const Attributes attrs(payload);
    if (!attrs.valid() || !attrs[NL80211_ATTR_IFNAME] || !attrs[NL80211_ATTR_IFINDEX])
        return std::nullopt;
    Interface one;
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
    return one;
}

std::optional<QString> Nl80211Reply::country(QByteArrayView payload)
{
    const Attributes attrs(payload);
    if (!attrs.valid() || !attrs[NL80211_ATTR_REG_ALPHA2])
        return std::nullopt;
    return QString::fromLatin1(nla_get_string(attrs[NL80211_ATTR_REG_ALPHA2])).left(2);
}

std::optional<Nl80211Reply::Station> Nl80211Reply::station(QByteArrayView payload)
{
    const Attributes attrs(payload);
    if (!attrs.valid() || !attrs[NL80211_ATTR_STA_INFO])
        return std::nullopt;
    nlattr* info[NL80211_STA_INFO_MAX + 1] = {};
    if (!parseNested(info, NL80211_STA_INFO_MAX, attrs[NL80211_ATTR_STA_INFO], policies().station))
        return std::nullopt;
    nlattr* rate[NL80211_RATE_INFO_MAX + 1] = {};
    if (info[NL80211_STA_INFO_TX_BITRATE]
        && !parseNested(rate, NL80211_RATE_INFO_MAX, info[NL80211_STA_INFO_TX_BITRATE], policies().rate))
        return std::nullopt;
    Station station;
    if (attrs[NL80211_ATTR_MAC])
        station.bssid = QByteArray(static_cast<const char*>(nla_data(attrs[NL80211_ATTR_MAC])), 6);
    if (info[NL80211_STA_INFO_SIGNAL])
        station.signal = std::int8_t(nla_get_u8(info[NL80211_STA_INFO_SIGNAL]));
    if (info[NL80211_STA_INFO_SIGNAL_AVG])
        station.signalAverage = std::int8_t(nla_get_u8(info[NL80211_STA_INFO_SIGNAL_AVG]));
    if (info[NL80211_STA_INFO_TX_PACKETS])
        station.txPackets = nla_get_u32(info[NL80211_STA_INFO_TX_PACKETS]);
    if (info[NL80211_STA_INFO_TX_FAILED])
        station.txFailed = nla_get_u32(info[NL80211_STA_INFO_TX_FAILED]);
    if (info[NL80211_STA_INFO_TX_RETRIES])
        station.txRetries = nla_get_u32(info[NL80211_STA_INFO_TX_RETRIES]);
    if (info[NL80211_STA_INFO_BEACON_RX])
        station.beacons = std::int64_t(nla_get_u64(info[NL80211_STA_INFO_BEACON_RX]) & 0xFFFFFFFFu);
    if (info[NL80211_STA_INFO_TX_BITRATE]) {
        if (rate[NL80211_RATE_INFO_BITRATE32])
            station.rate.bitrate100kbps = nla_get_u32(rate[NL80211_RATE_INFO_BITRATE32]);
        else if (rate[NL80211_RATE_INFO_BITRATE])
            station.rate.bitrate100kbps = nla_get_u16(rate[NL80211_RATE_INFO_BITRATE]);
        station.rate.htMcs = rate[NL80211_RATE_INFO_MCS] != nullptr;
        station.rate.vhtMcs = rate[NL80211_RATE_INFO_VHT_MCS] != nullptr;
        station.rate.heMcs = rate[NL80211_RATE_INFO_HE_MCS] != nullptr;
        station.rate.ehtMcs = rate[NL80211_RATE_INFO_EHT_MCS] != nullptr;
    }
    return station;
}

std::optional<int> Nl80211Reply::noiseInUse(QByteArrayView payload)
{
    const Attributes attrs(payload);
    if (!attrs.valid() || !attrs[NL80211_ATTR_SURVEY_INFO])
        return std::nullopt;
    nlattr* survey[NL80211_SURVEY_INFO_MAX + 1] = {};
    if (!parseNested(survey, NL80211_SURVEY_INFO_MAX, attrs[NL80211_ATTR_SURVEY_INFO], policies().survey))
        return std::nullopt;
    if (!survey[NL80211_SURVEY_INFO_IN_USE] || !survey[NL80211_SURVEY_INFO_NOISE])
        return std::nullopt;
    return std::int8_t(nla_get_u8(survey[NL80211_SURVEY_INFO_NOISE]));
}

} // namespace Platform
