#pragma once

#include <QString>

#include <array>
#include <optional>

namespace Kestrion {

// The appearance of the windows: the desktop's own, light or dark. Stored as its raw value.
enum class Theme : int { system = 0, light = 1, dark = 2 };

namespace Themes {
inline constexpr std::array<Theme, 3> allCases{Theme::system, Theme::light, Theme::dark};
// The case of a raw value; none for any other integer.
std::optional<Theme> fromRawValue(int rawValue);
constexpr int rawValue(Theme value) { return static_cast<int>(value); }
// The text key of a case's description (a key of the localisation library).
const char* descriptionKey(Theme value);
// The translated description (the key itself when it has no translation).
QString description(Theme value);
} // namespace Themes

} // namespace Kestrion
