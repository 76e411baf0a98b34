#include "Kestrion/Cards/CardLook.h"

#include "ViewKit/VKCard.h"
#include "ViewKit/VKGeometry.h"
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
    if (look.backgroundTheme == BackgroundTheme::glass) {
        ViewKit::paintGlassCard(painter, surface, look.material, scheme, ViewKit::VKTheme::cardCornerRadius);
        return;
    }
    // The outline is two pixels wide, centred on its path: inset by one pixel it ends at the edge.
    const qreal pixel = ViewKit::onePixelWidth(painter);
    const QRectF shape =
        look.tileStyle == ViewKit::VKCardStyle::line ? surface.adjusted(pixel, pixel, -pixel, -pixel) : surface;
    ViewKit::paintCard(painter, shape, look.tileStyle, scheme, std::nullopt, std::nullopt, false);
}

void paintCardShadow(QPainter& painter, const QRectF& surface, const CardLook& look, ViewKit::VKColorScheme scheme)
{
    if (look.backgroundTheme == BackgroundTheme::solid)
        ViewKit::paintCardShadow(painter, surface, look.tileStyle, scheme);
}

} // namespace Kestrion
