#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace SystemKit {

enum class NetworkProtocol { udp, tcp };

// The case's text.
QString rawValue(NetworkProtocol value);
// The case whose text this is exactly; none for any other text.
std::optional<NetworkProtocol> networkProtocol(QStringView raw);

} // namespace SystemKit
