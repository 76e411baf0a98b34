#include "Kestrion/Settings/BackgroundTheme.h"

#include "LanguageKit/LKResources.h"

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

QString description(BackgroundTheme value)
{
    const char* key = descriptionKey(value);
    const auto localized = LanguageKit::LKLocalizedString::fromRawValue(QString::fromLatin1(key));
    return localized ? LanguageKit::LKResources::localized(*localized) : QString::fromLatin1(key);
}

} // namespace Kestrion::BackgroundThemes
