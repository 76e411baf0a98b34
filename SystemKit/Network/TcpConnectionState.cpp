#include "SystemKit/Network/TcpConnectionState.h"

#include <utility>

namespace SystemKit {

namespace {

const auto& table()
{
    static const std::pair<TcpConnectionState, QString> entries[] = {
        {TcpConnectionState::closed, QStringLiteral("CLOSED")},
        {TcpConnectionState::listen, QStringLiteral("LISTEN")},
        {TcpConnectionState::synSent, QStringLiteral("SYN_SENT")},
        {TcpConnectionState::synReceived, QStringLiteral("SYN_RECEIVED")},
        {TcpConnectionState::established, QStringLiteral("ESTABLISHED")},
        {TcpConnectionState::waitingForAcknowledgement, QStringLiteral("FIN_WAIT_1")},
        {TcpConnectionState::waitingForFinish, QStringLiteral("FIN_WAIT_2")},
        {TcpConnectionState::closeWait, QStringLiteral("CLOSE_WAIT")},
        {TcpConnectionState::closing, QStringLiteral("CLOSING")},
        {TcpConnectionState::lastAck, QStringLiteral("LAST_ACK")},
        {TcpConnectionState::timeWait, QStringLiteral("TIME_WAIT")},
        {TcpConnectionState::unknown, QStringLiteral("UNKNOWN")},
    };
    return entries;
}

} // namespace

QString rawValue(TcpConnectionState value)
{
    for (const auto& [entry, raw] : table()) {
        if (entry == value)
            return raw;
    }
    return {};
}

std::optional<TcpConnectionState> tcpConnectionState(QStringView raw)
{
    for (const auto& [entry, text] : table()) {
        if (text == raw)
            return entry;
    }
    return std::nullopt;
}

} // namespace SystemKit
