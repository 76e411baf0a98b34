#pragma once

#include "ViewKit/VKMaterial.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace ViewKit {

// How a glass card surface is drawn: one of five materials, or nothing. The raw values are stored
// in the user's settings.
enum class VKGlassCardStyle : int { ultraThin = -2, thin = -1, regular = 0, thick = 1, ultraThick = 2, none = 3 };

namespace VKGlassCardStyles {
// Every style in its order (ultraThin first, though its raw value is -2).
inline constexpr std::array<VKGlassCardStyle, 6> allCases{VKGlassCardStyle::ultraThin, VKGlassCardStyle::thin,
                                                          VKGlassCardStyle::regular,   VKGlassCardStyle::thick,
                                                          VKGlassCardStyle::ultraThick, VKGlassCardStyle::none};
// The style of a raw value -2...3; none for any other value.
std::optional<VKGlassCardStyle> fromRawValue(int rawValue);
constexpr int rawValue(VKGlassCardStyle style) { return static_cast<int>(style); }
// The one-byte tag of a style: raw value + 2.
constexpr std::uint8_t tag(VKGlassCardStyle style) { return std::uint8_t(static_cast<int>(style) + 2); }
// The material of a style; none for VKGlassCardStyle::none.
std::optional<VKMaterial> material(VKGlassCardStyle style);
// The text key of a style ("ULTRA_THIN" ... "NONE").
const char* descriptionKey(VKGlassCardStyle style);
// The translated description.
QString description(VKGlassCardStyle style);
} // namespace VKGlassCardStyles

} // namespace ViewKit
