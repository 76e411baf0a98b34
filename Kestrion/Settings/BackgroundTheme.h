#pragma once

#include <QString>

#include <array>
#include <optional>

namespace Kestrion {

// The design of the main window and its cards: solid surfaces or glass. Stored as its raw value.
enum class BackgroundTheme : int { solid = 0, glass = 1 };

namespace BackgroundThemes {
inline constexpr std::array<BackgroundTheme, 2> allCases{BackgroundTheme::solid, BackgroundTheme::glass};
// The case of a raw value; none for any other integer.
std::optional<BackgroundTheme> fromRawValue(int rawValue);
constexpr int rawValue(BackgroundTheme value) { return static_cast<int>(value); }
// The text key of a case's description (a key of the localisation library).
const char* descriptionKey(BackgroundTheme value);
// The translated description (the key itself when it has no translation).
QString description(BackgroundTheme value);
} // namespace BackgroundThemes

} // namespace Kestrion
