#include "BaseKit/MenuBar/MenuBarTheme.h"

namespace BaseKit {

QString rawValue(MenuBarTheme theme)
{
    return theme == MenuBarTheme::dark ? QStringLiteral("dark") : QStringLiteral("light");
}

std::optional<MenuBarTheme> menuBarTheme(const QString& rawValue)
{
    if (rawValue == QStringLiteral("light"))
        return MenuBarTheme::light;
    if (rawValue == QStringLiteral("dark"))
        return MenuBarTheme::dark;
    return std::nullopt;
}

} // namespace BaseKit
