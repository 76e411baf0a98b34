#include "SystemKit/Network/TcpConnectionType.h"

#include <utility>

namespace SystemKit {

namespace {

const auto& table()
{
    static const std::pair<TcpConnectionType, QString> entries[] = {
        {TcpConnectionType::tcp4, QStringLiteral("tcp4")},
        {TcpConnectionType::tcp6, QStringLiteral("tcp6")},
        {TcpConnectionType::unknown, QStringLiteral("")},
    };
    return entries;
}

} // namespace

QString rawValue(TcpConnectionType value)
{
    for (const auto& [entry, raw] : table()) {
        if (entry == value)
            return raw;
    }
    return {};
}

std::optional<TcpConnectionType> tcpConnectionType(QStringView raw)
{
    for (const auto& [entry, text] : table()) {
        if (text == raw)
            return entry;
    }
    return std::nullopt;
}

} // namespace SystemKit
