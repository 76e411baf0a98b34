#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace Platform {

// The live values of one Wi-Fi interface, as the wireless driver reports them.
struct WlanInterface {
    static constexpr std::int64_t unknownSecurity = std::numeric_limits<std::int64_t>::max();

    QString name;
    int noise = 0;              // dBm of the channel in use; 0 when unknown
    double transmitRate = 0;    // Mbit/s of the last transmission to the access point
    int transmitPower = 0;      // mW
    int rssi = 0;               // dBm of the access point's signal
    std::int64_t security = unknownSecurity; // 0 none ... 15 OWE transition; unknown when not known
    int interfaceMode = 0;      // 0 none, 1 station, 2 IBSS, 3 host access point
    std::optional<int> channel; // channel number; none without a channel
    std::optional<int> channelBand; // 1 2 GHz, 2 5 GHz, 3 6 GHz; none without a channel
    bool serviceActive = false; // up and associated
    int phyMode = 0;            // 0 none, 1 11a, 2 11b, 3 11g, 4 11n, 5 11ac, 6 11ax, 7 newer

    // Further facts of the driver's registry record.
    std::optional<int> frequency;      // MHz
    std::optional<int> channelWidth;   // MHz
    std::optional<QByteArray> bssid;   // the access point's address, 6 bytes
    std::optional<QString> countryCode; // the regulatory domain
    std::optional<QString> linkQuality; // "rssi=.. rxDataRssi=.. tx=.. txf=.. txr=.. rxBeacons=.."
};

// What the transmit-rate attributes of a station say about the PHY in use.
struct WlanRateInfo {
    std::optional<std::uint32_t> bitrate100kbps; // in units of 100 kbit/s
    bool heMcs = false;   // 802.11ax
    bool vhtMcs = false;  // 802.11ac
    bool htMcs = false;   // 802.11n
    bool ehtMcs = false;  // 802.11be
};

// The machine's Wi-Fi interfaces and their live values. A machine without Wi-Fi support gives no
// list at all, which is not the same as an empty one.
class Wlan {
public:
    virtual ~Wlan() = default;

    // The interfaces with their latest values. Never waits on the driver: the live source answers
    // with what it last heard and asks again in the background.
    virtual std::optional<std::vector<WlanInterface>> interfaces() = 0;

    // The source of this machine: nl80211 through generic netlink.
    static std::shared_ptr<Wlan> live();
    // A source of a machine without Wi-Fi support: never a list.
    static std::shared_ptr<Wlan> none();

    // Channel and band (1, 2, 3) of a frequency in MHz; none outside the 2.4, 5 and 6 GHz bands.
    static std::optional<std::pair<int, int>> channelAndBand(int frequencyMHz);
    // The band's name as the driver's records write it ("2.4 GHz", "5 GHz", "6 GHz").
    static QString bandName(int band);
    // Milliwatts of a power in mBm (hundredths of dBm), rounded to whole mW.
    static int milliwatts(int mBm);
    // Mbit/s of a bit rate in units of 100 kbit/s.
    static double megabitsPerSecond(std::uint32_t bitrate100kbps);
    // The PHY mode of the rate attributes; legacy rates are told apart by band and rate.
    static int phyMode(const WlanRateInfo& rate, std::optional<int> band);
    // The interface mode of an nl80211 interface type.
    static int interfaceMode(std::uint32_t nl80211Type);

    // Signal and noise level in dBm of one interface in the text of /proc/net/wireless, the
    // fallback of drivers whose station or survey lacks them. Old drivers write dBm as an unsigned
    // byte (199 is -57 dBm); a level of -256 or 0 means the driver does not know it.
    struct Levels {
        std::optional<int> signal;
        std::optional<int> noise;
    };
    static Levels wirelessLevels(const QByteArray& procNetWireless, const QString& name);
};

} // namespace Platform
