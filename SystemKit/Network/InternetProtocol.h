#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace SystemKit {

enum class InternetProtocol { ipv4, ipv6 };

// The case's text.
QString rawValue(InternetProtocol value);
// The case whose text this is exactly; none for any other text.
std::optional<InternetProtocol> internetProtocol(QStringView raw);

} // namespace SystemKit
