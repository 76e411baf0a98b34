#pragma once

#include <QString>

#include <optional>

namespace BaseKit {

enum class MenuBarTheme {
    light,
    dark,
};

// "light" or "dark".
QString rawValue(MenuBarTheme theme);
// The theme of exactly that text (case-sensitive); none for any other.
std::optional<MenuBarTheme> menuBarTheme(const QString& rawValue);

} // namespace BaseKit
