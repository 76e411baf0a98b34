#pragma once

#include <QString>

#include <cstdint>
#include <limits>
#include <optional>

namespace Platform {
struct WlanInterface;
}

namespace SystemKit {

// The live values of a Wi-Fi interface, updated in place once per sample. The raw values of
// security, interface mode, band and PHY mode follow the wireless platform's numbering; their
// descriptions are the library's translated texts.
struct WlanInformation {
    static constexpr std::int64_t unknownSecurity = std::numeric_limits<std::int64_t>::max();

    int noise = 0;              // dBm
    double transmitRate = 0.0;  // Mbit/s
    int transmitPower = 0;      // mW
    int rssi = 0;               // dBm
    std::int64_t security = unknownSecurity;
    int interfaceMode = 0;
    std::optional<int> channel;
    std::optional<int> channelBand;
    bool isNetworkServiceActive = false;
    int activePHYMode = 0;

    // Whether the network uses any security; unknown security counts as secured.
    bool isSecured() const { return security != 0; }

    // Copies every value of the interface, also unchanged ones.
    void update(const Platform::WlanInterface& interface);

    static QString securityDescription(std::int64_t security);
    static QString interfaceModeDescription(int mode);
    static QString channelBandDescription(int band);
    static QString phyModeDescription(int mode);
};

} // namespace SystemKit
