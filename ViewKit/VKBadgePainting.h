#pragma once

#include <QColor>
#include <QMarginsF>
#include <QRectF>
#include <QSize>

class QPainter;

namespace ViewKit {

// The gradient badge behind badge labels and badge buttons: a top-to-bottom linear gradient from
// `color` at opacity 0.8 to `color` at full opacity, clipped to a rounded rectangle of radius 4 with
// continuous corners, filling rect.
void paintGradientBadge(QPainter& painter, const QRectF& rect, const QColor& color);

// The padding of a badge's or tag's content: 4 points at top and bottom, 10 at both ends.
inline constexpr QMarginsF badgePadding{10, 4, 10, 4};
inline constexpr qreal badgeCornerRadius = 4;

// How strongly a bezel-less button draws its label: dimmed while held down, faded while disabled.
qreal borderlessLabelOpacity(bool enabled, bool pressed);

// The whole-pixel size that holds a size in points.
QSize ceilSize(const QSizeF& size);

} // namespace ViewKit
