#include "Kestrion/Settings/Theme.h"

#include "LanguageKit/LKResources.h"

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

QString description(Theme value)
{
    const char* key = descriptionKey(value);
    const auto localized = LanguageKit::LKLocalizedString::fromRawValue(QString::fromLatin1(key));
    return localized ? LanguageKit::LKResources::localized(*localized) : QString::fromLatin1(key);
}

} // namespace Kestrion::Themes
