#pragma once

#include "Kestrion/Settings/BackgroundTheme.h"

#include "ViewKit/VKCardStyle.h"
#include "ViewKit/VKGlassCardStyle.h"
#include "ViewKit/VKTheme.h"

#include <QRectF>

#include <cstdint>

class QPainter;

namespace Kestrion {

// The three look settings every card is drawn with: solid or glass surfaces, the solid card's tile
// style and the glass card's material.
struct CardLook
{
    BackgroundTheme backgroundTheme = BackgroundTheme::solid;
    ViewKit::VKCardStyle tileStyle = ViewKit::VKCardStyle::defaultStyle;
    ViewKit::VKGlassCardStyle material = ViewKit::VKGlassCardStyle::regular;

    // The look of stored raw values; a value that is no case of its enumeration reads as the default.
    static CardLook fromRawValues(std::int64_t backgroundTheme, std::int64_t tileStyle, std::int64_t material);

    bool operator==(const CardLook&) const = default;
};

// Paints the card surface of a look filling `surface`: the glass card of the material with corner
// radius 8, or the solid card of the tile style without line colours. The styles "none" paint nothing.
// Nothing falls outside `surface`: the outline of the line style lies just inside its edge, and the
// shadow is left to paintCardShadow, which the view under the cards paints.
void paintCardSurface(QPainter& painter, const QRectF& surface, const CardLook& look, ViewKit::VKColorScheme scheme);

// Paints the shadow a card of this look casts around `surface` (the solid shadows style in light
// mode); nothing for the other looks.
void paintCardShadow(QPainter& painter, const QRectF& surface, const CardLook& look, ViewKit::VKColorScheme scheme);

} // namespace Kestrion
