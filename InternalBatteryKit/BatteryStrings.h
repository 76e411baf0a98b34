#pragma once

#include "LanguageKit/LKLocalizedString.h"

#include <QString>

namespace InternalBatteryKit {

// The battery library's texts: its own table (row titles, "FULLY_CHARGED", "CELL") and the words it
// shares with the rest of the program. A key without a translation comes back as itself.
class BatteryStrings {
public:
    BatteryStrings() = delete;

    static QString battery(const char* key);
    static QString shared(LanguageKit::LKLocalizedString key);
};

} // namespace InternalBatteryKit
