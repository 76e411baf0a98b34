#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPen>
#include <QRectF>

class QPainter;
class QPaintDevice;

namespace ViewKit {

// A rounded rectangle with continuous (curvature-smooth) corners. A radius too large for the
// rectangle's smaller side falls back to circular corners of at most half that side (a capsule).
QPainterPath continuousRoundedRect(const QRectF& rect, qreal radius);

// One device pixel in points on the device being painted (1 / its device-pixel ratio).
qreal onePixelWidth(const QPaintDevice* device);
qreal onePixelWidth(const QPainter& painter);

// Qt's arc angles (degrees, counter-clockwise from 3 o'clock) for a circle trimmed from the
// fraction trimFrom to trimTo of its outline, which starts at 3 o'clock and runs clockwise, then
// turned by rotation degrees clockwise on screen (-90 puts the start at 12 o'clock).
struct VKArcAngles
{
    qreal start;
    qreal span;
};
VKArcAngles qtArcAngles(qreal trimFrom, qreal trimTo, qreal rotation);

// The part of the circle inscribed in rect between trimFrom and trimTo (both clamped to 0...1),
// turned by rotation degrees as above. Empty when trimTo <= trimFrom.
QPainterPath trimmedCircle(const QRectF& rect, qreal trimFrom, qreal trimTo, qreal rotation);

// A pen with every stroke attribute set: butt caps, miter joins and miter limit 10 unless named.
QPen strokePen(const QBrush& brush, qreal width, Qt::PenCapStyle cap = Qt::FlatCap,
               Qt::PenJoinStyle join = Qt::MiterJoin, qreal miterLimit = 10);

// The largest square centred in rect.
QRectF centredSquare(const QRectF& rect);

} // namespace ViewKit
