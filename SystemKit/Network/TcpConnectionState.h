#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace SystemKit {

enum class TcpConnectionState { closed, listen, synSent, synReceived, established, waitingForAcknowledgement, waitingForFinish, closeWait, closing, lastAck, timeWait, unknown };

// The case's text.
QString rawValue(TcpConnectionState value);
// The case whose text this is exactly; none for any other text.
std::optional<TcpConnectionState> tcpConnectionState(QStringView raw);

} // namespace SystemKit
