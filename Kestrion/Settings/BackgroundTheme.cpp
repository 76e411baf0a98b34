#include "Kestrion/Settings/BackgroundTheme.h"

namespace Kestrion::BackgroundThemes {

std::optional<BackgroundTheme> fromRawValue(int rawValue)
{
    for (BackgroundTheme value : allCases) {
        if (static_cast<int>(value) == rawValue)
            return value;
    }
    return std::nullopt;
}

const char* descriptionKey(BackgroundTheme value)
{
    switch (value) {
    case BackgroundTheme::solid:
        return "SOLID";
    case BackgroundTheme::glass:
        return "GLASS";
    }
    return "";
}

} // namespace Kestrion::BackgroundThemes
