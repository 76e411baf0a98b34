#pragma once

#include <QString>

namespace ThermionKit {

// Looks a key up in the companion client's own string table (ThermionKit_ThermionKit.bundle), loaded
// once for the user's interface languages. A key without a translation comes back as the key itself.
// Keys: "THERMAL", "VOLTAGE", "CURRENT", "POWER", "FAN", "TEMPERATURE", "AIR".
QString localizedString(const QString& key);

} // namespace ThermionKit
