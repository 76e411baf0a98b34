#include "Kestrion/Settings/Theme.h"

namespace Kestrion::Themes {

std::optional<Theme> fromRawValue(int rawValue)
{
    for (Theme value : allCases) {
        if (static_cast<int>(value) == rawValue)
            return value;
    }
    return std::nullopt;
}

const char* descriptionKey(Theme value)
{
    switch (value) {
    case Theme::system:
        return "SYSTEM";
    case Theme::light:
        return "LIGHT";
    case Theme::dark:
        return "DARK";
    }
    return "";
}

} // namespace Kestrion::Themes
