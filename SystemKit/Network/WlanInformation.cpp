#include "SystemKit/Network/WlanInformation.h"

#include "Platform/Netlink/Wlan.h"
#include "SystemKit/SystemKitStrings.h"

namespace SystemKit {

void WlanInformation::update(const Platform::WlanInterface& interface)
{
    noise = interface.noise;
    transmitRate = interface.transmitRate;
    transmitPower = interface.transmitPower;
    rssi = interface.rssi;
    security = interface.security;
    interfaceMode = interface.interfaceMode;
    channel = interface.channel;
    channelBand = interface.channel ? interface.channelBand : std::nullopt;
    isNetworkServiceActive = interface.serviceActive;
    activePHYMode = interface.phyMode;
}

QString WlanInformation::securityDescription(std::int64_t security)
{
    static constexpr const char* keys[] = {
        "NONE", "WEP", "WPA_PERSONAL", "WPA_PERSONAL_MIXED", "WPA2 Personal", "PERSONAL", "DYNAMIC_WEP",
        "WPA_ENTERPRISE", "WPA_ENTERPRISE_MIXED", "WPA2_ENTERPRISE", "ENTERPRISE", "WPA3_PERSONAL",
        "WPA3_ENTERPRISE", "WPA3_TRANSITION", "OWE", "OW_TRANSITION",
    };
    if (security >= 0 && security < std::int64_t(std::size(keys)))
        return SystemKitStrings::text(keys[security]);
    return SystemKitStrings::text("UNKNOWN_SECURITY");
}

QString WlanInformation::interfaceModeDescription(int mode)
{
    switch (mode) {
    case 0: return SystemKitStrings::text("INTERFACE_MODE_NONE");
    case 1: return SystemKitStrings::text("INTERFACE_MODE_STATION");
    case 2: return SystemKitStrings::text("INTERFACE_MODE_IBSS");
    case 3: return SystemKitStrings::text("INTERFACE_MODE_ACCESS_POINT");
    default: return SystemKitStrings::text("INTERFACE_MODE_UNKNOWN");
    }
}

QString WlanInformation::channelBandDescription(int band)
{
    switch (band) {
    case 1: return SystemKitStrings::text("BAND_2GHZ");
    case 2: return SystemKitStrings::text("BAND_5GHZ");
    case 3: return SystemKitStrings::text("BAND_6GHZ");
    default: return SystemKitStrings::text("BAND_UNKNOWN");
    }
}

QString WlanInformation::phyModeDescription(int mode)
{
    switch (mode) {
    case 0: return SystemKitStrings::text("PHY_MODE_NONE");
    case 1: return QStringLiteral("802.11a");
    case 2: return QStringLiteral("802.11b");
    case 3: return QStringLiteral("802.11g");
    case 4: return QStringLiteral("802.11n");
    case 5: return QStringLiteral("802.11ac");
    case 6: return QStringLiteral("802.11ax");
    default: return SystemKitStrings::text("PHY_MODE_UNKNOWN");
    }
}

} // namespace SystemKit
