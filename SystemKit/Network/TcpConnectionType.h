#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace SystemKit {

enum class TcpConnectionType { tcp4, tcp6, unknown };

// The case's text.
QString rawValue(TcpConnectionType value);
// The case whose text this is exactly; none for any other text.
std::optional<TcpConnectionType> tcpConnectionType(QStringView raw);

} // namespace SystemKit
