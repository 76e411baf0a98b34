#pragma once

#include "SystemKit/Network/LinkQualityMetrics.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace SystemKit {

// What the device registry holds about a Wi-Fi interface and its driver; every field none when the
// registry lacks it or holds another type.
struct WirelessAdapterDetails {
    std::optional<QString> vendor;
    std::optional<QString> buildDate;
    std::optional<QString> vendorId;
    std::optional<QString> interfaceName; // the BSD name
    std::optional<std::uint8_t> channel;
    std::optional<QByteArray> bssid;
    std::optional<QString> band;
    std::optional<std::uint16_t> channelBandwidth;
    std::optional<QString> locale;
    std::optional<QByteArray> macAddress;
    std::optional<QString> countryCode;
    std::optional<std::uint16_t> channelFrequency;
    std::optional<QString> hardwareVersion;
    std::optional<LinkQualityMetrics> linkQualityMetrics;
};

} // namespace SystemKit
