#pragma once

#include "ViewKit/VKTheme.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>
#include <variant>

class QPainter;

namespace ViewKit {

// A colour given outright or by name; a named colour follows the scheme and palette when painted.
using VKColorValue = std::variant<QColor, VKNamedColor>;
QColor resolveColor(const VKColorValue& value, VKColorScheme scheme, const QPalette& palette);

// The look of filled, rounded buttons: `background` behind a label in `color`, padded 12 points at
// both ends and 8 at top and bottom, or framed as a dimension by dimension square with the label
// centred. Pressed, both dim to opacity 0.8; disabled, the background is the secondary colour at 0.3
// and the label the secondary colour at 0.5, pressed or not.
struct VKProminentButtonStyle
{
    VKColorValue background;
    VKColorValue color;
    qreal cornerRadius = 7;
    std::optional<qreal> dimension;

    static VKProminentButtonStyle prominent();
    static VKProminentButtonStyle prominentIcon();
    static VKProminentButtonStyle destructive();
    static VKProminentButtonStyle destructiveIcon();

    static constexpr qreal horizontalPadding = 12;
    static constexpr qreal verticalPadding = 8;
    static constexpr qreal pressedOpacity = 0.8;
    // The pressed look eases out over this many seconds.
    static constexpr double pressAnimationDuration = 0.1;

    // `pressed` runs from 0 (released) to 1 (held down), so an animation can pass the steps between.
    QColor backgroundColor(bool enabled, qreal pressed, VKColorScheme scheme, const QPalette& palette) const;
    QColor labelColor(bool enabled, qreal pressed, VKColorScheme scheme, const QPalette& palette) const;

    // The button's size for a label of the given size.
    QSizeF size(const QSizeF& labelSize) const;

    // Paints the button in rect: the rounded background and the label, a text in `font` or, when
    // `symbolName` is set, that symbol at the label's size.
    void paint(QPainter& painter, const QRectF& rect, const QString& text, const QString& symbolName, const QFont& font,
               bool enabled, qreal pressed, VKColorScheme scheme, const QPalette& palette) const;
};

} // namespace ViewKit
