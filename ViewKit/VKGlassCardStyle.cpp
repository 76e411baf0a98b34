#include "ViewKit/VKGlassCardStyle.h"

#include "ViewKit/VKStrings.h"

namespace ViewKit::VKGlassCardStyles {

std::optional<VKGlassCardStyle> fromRawValue(int rawValue)
{
    if (rawValue < -2 || rawValue > 3)
        return std::nullopt;
    return static_cast<VKGlassCardStyle>(rawValue);
}

std::optional<VKMaterial> material(VKGlassCardStyle style)
{
    switch (style) {
    case VKGlassCardStyle::ultraThin: return VKMaterial::ultraThin;
    case VKGlassCardStyle::thin: return VKMaterial::thin;
    case VKGlassCardStyle::regular: return VKMaterial::regular;
    case VKGlassCardStyle::thick: return VKMaterial::thick;
    case VKGlassCardStyle::ultraThick: return VKMaterial::ultraThick;
    case VKGlassCardStyle::none: return std::nullopt;
    }
    return std::nullopt;
}

const char* descriptionKey(VKGlassCardStyle style)
{
    switch (style) {
    case VKGlassCardStyle::ultraThin: return "ULTRA_THIN";
    case VKGlassCardStyle::thin: return "THIN";
    case VKGlassCardStyle::regular: return "REGULAR";
    case VKGlassCardStyle::thick: return "THICK";
    case VKGlassCardStyle::ultraThick: return "ULTRA_THICK";
    case VKGlassCardStyle::none: return "NONE";
    }
    return "NONE";
}

QString description(VKGlassCardStyle style)
{
    return VKStrings::localized(descriptionKey(style));
}

} // namespace ViewKit::VKGlassCardStyles
