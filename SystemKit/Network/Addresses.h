#pragma once

#include <QString>

#include <optional>

namespace SystemKit {

// The IPv4 and IPv6 address of an interface (the first of each kind), none when it has none.
struct Addresses {
    std::optional<QString> ipv4;
    std::optional<QString> ipv6;

    // The IPv4 address when there is one (an empty text counts), else the IPv6 address, else the
    // translation of "UNKNOWN_ADDRESS".
    QString displayAddress() const;
};

} // namespace SystemKit
