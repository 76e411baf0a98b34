#include "ViewKit/VKCardStyle.h"

#include "ViewKit/VKStrings.h"

namespace ViewKit::VKCardStyles {

std::optional<VKCardStyle> fromRawValue(int rawValue)
{
    if (rawValue < 0 || rawValue > 3)
        return std::nullopt;
    return static_cast<VKCardStyle>(rawValue);
}

const char* descriptionKey(VKCardStyle style)
{
    switch (style) {
    case VKCardStyle::defaultStyle: return "DEFAULT";
    case VKCardStyle::shadows: return "SHADOWS";
    case VKCardStyle::line: return "LINE";
    case VKCardStyle::none: return "NONE";
    }
    return "NONE";
}

QString description(VKCardStyle style)
{
    if (style == VKCardStyle::none)
        return VKStrings::localized(descriptionKey(style));
    return VKStrings::library(descriptionKey(style));
}

} // namespace ViewKit::VKCardStyles
