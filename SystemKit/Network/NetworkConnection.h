#pragma once

#include "SystemKit/Network/InternetProtocol.h"
#include "SystemKit/Network/NetworkProtocol.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace SystemKit {

// One network connection described by its ends and protocols; every field starts absent.
struct NetworkConnection {
    std::optional<std::uint16_t> localPort;
    std::optional<std::uint16_t> foreignPort;
    std::optional<QString> localProtocol;
    std::optional<QString> foreignProtocol;
    std::optional<NetworkProtocol> networkProtocol;
    std::optional<InternetProtocol> internetProtocol;
    std::optional<QString> communicationProtocol;
    std::optional<QString> local;
    std::optional<QString> foreign;

    // Nothing is known of it: no local port, no communication protocol, no foreign protocol.
    bool isBlank() const { return !localPort && !communicationProtocol && !foreignProtocol; }
};

} // namespace SystemKit
