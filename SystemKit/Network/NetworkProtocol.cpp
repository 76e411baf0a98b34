#include "SystemKit/Network/NetworkProtocol.h"

#include <utility>

namespace SystemKit {

namespace {

const auto& table()
{
    static const std::pair<NetworkProtocol, QString> entries[] = {
        {NetworkProtocol::udp, QStringLiteral("UDP")},
        {NetworkProtocol::tcp, QStringLiteral("TCP")},
    };
    return entries;
}

} // namespace

QString rawValue(NetworkProtocol value)
{
    for (const auto& [entry, raw] : table()) {
        if (entry == value)
            return raw;
    }
    return {};
}

std::optional<NetworkProtocol> networkProtocol(QStringView raw)
{
    for (const auto& [entry, text] : table()) {
        if (text == raw)
            return entry;
    }
    return std::nullopt;
}

} // namespace SystemKit
