#include "Kestrion/Cards/CardLook.h"

#include "ViewKit/VKCard.h"
#include "ViewKit/VKGlassCard.h"

#include <limits>

namespace Kestrion {

namespace {
std::optional<int> asInt(std::int64_t value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}
} // namespace

CardLook CardLook::fromRawValues(std::int64_t backgroundTheme, std::int64_t tileStyle, std::int64_t material)
{
    CardLook look;
    if (const auto raw = asInt(backgroundTheme))
        look.backgroundTheme = BackgroundThemes::fromRawValue(*raw).value_or(look.backgroundTheme);
    if (const auto raw = asInt(tileStyle))
        look.tileStyle = ViewKit::VKCardStyles::fromRawValue(*raw).value_or(look.tileStyle);
    if (const auto raw = asInt(material))
        look.material = ViewKit::VKGlassCardStyles::fromRawValue(*raw).value_or(look.material);
    return look;
}

void paintCardSurface(QPainter& painter, const QRectF& surface, const CardLook& look, ViewKit::VKColorScheme scheme)
{
    if (look.backgroundTheme == BackgroundTheme::glass)
        ViewKit::paintGlassCard(painter, surface, look.material, scheme, ViewKit::VKTheme::cardCornerRadius);
    else
        ViewKit::paintCard(painter, surface, look.tileStyle, scheme);
}

} // namespace Kestrion
