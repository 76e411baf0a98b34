#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace SystemKit {

// The geolocation service's record of an address: "ip", "country_code" and "country".
struct IpInfo {
    std::optional<QString> ip;
    std::optional<QString> countryCode;
    std::optional<QString> countryName;

    // A missing or null key leaves its field none; a value of another type than text, or a body that
    // is no JSON object, gives no record.
    static std::optional<IpInfo> decode(const QByteArray& json);
    // The fields that are present, under the same keys.
    QByteArray encode() const;

    bool operator==(const IpInfo&) const = default;
};

} // namespace SystemKit
