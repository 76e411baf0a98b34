#include "SystemKit/Network/InternetProtocol.h"

#include <utility>

namespace SystemKit {

namespace {

const auto& table()
{
    static const std::pair<InternetProtocol, QString> entries[] = {
        {InternetProtocol::ipv4, QStringLiteral("ipv4")},
        {InternetProtocol::ipv6, QStringLiteral("ipv6")},
    };
    return entries;
}

} // namespace

QString rawValue(InternetProtocol value)
{
    for (const auto& [entry, raw] : table()) {
        if (entry == value)
            return raw;
    }
    return {};
}

std::optional<InternetProtocol> internetProtocol(QStringView raw)
{
    for (const auto& [entry, text] : table()) {
        if (text == raw)
            return entry;
    }
    return std::nullopt;
}

} // namespace SystemKit
