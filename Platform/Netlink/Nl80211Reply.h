#pragma once

#include "Platform/Netlink/Wlan.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

namespace Platform {

// The messages the nl80211 family answers with, as the Wi-Fi values are read from them. Each function
// reads the payload of one generic netlink message: the 4-byte generic header, then the attributes.
// Every attribute read must have its kind's size (a number its full width, a name at least one
// character and its terminating NUL within the kernel's bound for it, an address its six bytes, nested
// attributes their own rules); a message in which any of them breaks this, or whose attributes do not
// fill the payload (a message cut short), says nothing at all.
class Nl80211Reply {
public:
    Nl80211Reply() = delete;

    // NL80211_CMD_GET_INTERFACE: the interface's name, mode, channel, width and transmit power, with
    // its index and nl80211 type. None without a name or an index.
    struct Interface {
        WlanInterface values;
        std::uint32_t ifindex = 0;
        std::uint32_t type = 0;
    };
    static std::optional<Interface> interface(QByteArrayView payload);

    // NL80211_CMD_GET_REG: the regulatory domain's two letters; none without them.
    static std::optional<QString> country(QByteArrayView payload);

    // NL80211_CMD_GET_STATION: what the station (the access point) says; none without its
    // station information.
    struct Station {
        std::optional<QByteArray> bssid;
        std::optional<std::int64_t> signal;        // dBm
        std::optional<std::int64_t> signalAverage; // dBm
        std::optional<std::int64_t> txPackets;
        std::optional<std::int64_t> txFailed;
        std::optional<std::int64_t> txRetries;
        std::optional<std::int64_t> beacons; // the low 32 bits of the beacon count
        WlanRateInfo rate;
    };
    static std::optional<Station> station(QByteArrayView payload);

    // NL80211_CMD_GET_SURVEY: the noise in dBm of the channel in use; none for a survey of another
    // channel or one without noise.
    static std::optional<int> noiseInUse(QByteArrayView payload);
};

} // namespace Platform
