#pragma once

#include <QString>

#include <array>
#include <optional>

namespace ViewKit {

// How a solid card surface is drawn. The raw values are stored in the user's settings.
enum class VKCardStyle : int { defaultStyle = 0, shadows = 1, line = 2, none = 3 };

namespace VKCardStyles {
// Every style in its order.
inline constexpr std::array<VKCardStyle, 4> allCases{VKCardStyle::defaultStyle, VKCardStyle::shadows,
                                                     VKCardStyle::line, VKCardStyle::none};
// The style of a raw value 0...3; none for any other value.
std::optional<VKCardStyle> fromRawValue(int rawValue);
constexpr int rawValue(VKCardStyle style) { return static_cast<int>(style); }
// The text key of a style: "DEFAULT", "SHADOWS", "LINE" (this library's table), "NONE".
const char* descriptionKey(VKCardStyle style);
// The translated description.
QString description(VKCardStyle style);
} // namespace VKCardStyles

} // namespace ViewKit
