#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace SystemKit {

// The Wi-Fi driver's link-quality figures, parsed from its "key=value key=value" text.
struct LinkQualityMetrics {
    std::optional<std::int8_t> rssi;
    std::optional<std::int8_t> rxDataRssi;
    std::optional<std::uint32_t> tx;
    std::optional<std::uint32_t> txf;
    std::optional<std::uint32_t> txr;
    std::optional<std::uint32_t> rxBeacons;

    // Pieces are separated by single spaces; a piece that is not exactly one "key=value" pair is
    // skipped, keys are matched without regard to case and unknown keys are ignored. A value must be
    // an optional sign and decimal digits within the field's range, else the field becomes none. A
    // key given again overwrites the earlier value.
    static LinkQualityMetrics parse(const QString& text);

    bool operator==(const LinkQualityMetrics&) const = default;
};

} // namespace SystemKit
