#include "ViewKit/VKProminentButtonStyle.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "ViewKit/VKGeometry.h"

#include <QPainter>

#include <algorithm>

namespace ViewKit {

QColor resolveColor(const VKColorValue& value, VKColorScheme scheme, const QPalette& palette)
{
    if (const auto* named = std::get_if<VKNamedColor>(&value))
        return VKTheme::color(*named, scheme, palette);
    return std::get<QColor>(value);
}

VKProminentButtonStyle VKProminentButtonStyle::prominent()
{
    return VKProminentButtonStyle{VKNamedColor::accent, QColor(Qt::white), 7, std::nullopt};
}

VKProminentButtonStyle VKProminentButtonStyle::prominentIcon()
{
    return VKProminentButtonStyle{VKNamedColor::accent, QColor(Qt::white), 7, 32};
}

VKProminentButtonStyle VKProminentButtonStyle::destructive()
{
    return VKProminentButtonStyle{VKNamedColor::red, QColor(Qt::white), 7, std::nullopt};
}

VKProminentButtonStyle VKProminentButtonStyle::destructiveIcon()
{
    return VKProminentButtonStyle{VKNamedColor::red, QColor(Qt::white), 7, 32};
}

namespace {

qreal pressedFactor(qreal pressed)
{
    return 1 - (1 - VKProminentButtonStyle::pressedOpacity) * std::clamp<qreal>(pressed, 0, 1);
}

} // namespace

QColor VKProminentButtonStyle::backgroundColor(bool enabled, qreal pressed, VKColorScheme scheme,
                                               const QPalette& palette) const
{
    if (!enabled)
        return withOpacity(VKTheme::color(VKNamedColor::secondary, scheme), 0.3);
    return withOpacity(resolveColor(background, scheme, palette), pressedFactor(pressed));
}

QColor VKProminentButtonStyle::labelColor(bool enabled, qreal pressed, VKColorScheme scheme,
                                          const QPalette& palette) const
{
    if (!enabled)
        return withOpacity(VKTheme::color(VKNamedColor::secondary, scheme), 0.5);
    return withOpacity(resolveColor(color, scheme, palette), pressedFactor(pressed));
}

QSizeF VKProminentButtonStyle::size(const QSizeF& labelSize) const
{
    if (dimension)
        return QSizeF(std::max<qreal>(0, *dimension), std::max<qreal>(0, *dimension));
    return QSizeF(labelSize.width() + 2 * horizontalPadding, labelSize.height() + 2 * verticalPadding);
}

void VKProminentButtonStyle::paint(QPainter& painter, const QRectF& rect, const QString& text,
                                   const QString& symbolName, const QFont& font, bool enabled, qreal pressed,
                                   VKColorScheme scheme, const QPalette& palette) const
{
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(continuousRoundedRect(rect, cornerRadius), backgroundColor(enabled, pressed, scheme, palette));
    const QColor label = labelColor(enabled, pressed, scheme, palette);
    const QRectF content = dimension ? rect
                                     : rect.adjusted(horizontalPadding, verticalPadding, -horizontalPadding,
                                                     -verticalPadding);
    if (!symbolName.isEmpty()) {
        const qreal side = QFontMetricsF(font).height();
        const QRectF frame(content.center().x() - side / 2, content.center().y() - side / 2, side, side);
        BaseKit::SymbolGlyphs::draw(painter, frame, symbolName, label);
    } else {
        painter.setFont(font);
        painter.setPen(label);
        painter.drawText(content, Qt::AlignCenter | Qt::TextDontClip, text);
    }
    painter.restore();
}

} // namespace ViewKit
