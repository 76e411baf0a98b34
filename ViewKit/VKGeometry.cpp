#include "ViewKit/VKGeometry.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace ViewKit {

QPainterPath continuousRoundedRect(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    const QRectF r = rect.normalized();
    if (r.isEmpty())
        return path;
    radius = std::max<qreal>(0, radius);
    const qreal half = std::min(r.width(), r.height()) / 2;
    // The continuous corner reaches 1.52866 radii along each edge.
    constexpr qreal reach = 1.52866483;
    if (radius <= 0) {
        path.addRect(r);
        return path;
    }
    if (radius * reach > half) {
        const qreal circular = std::min(radius, half);
        path.addRoundedRect(r, circular, circular);
        return path;
    }
    const qreal l = r.left(), t = r.top(), w = r.width(), h = r.height();
    auto pt = [&](qreal x, qreal y) { return QPointF(l + x, t + y); };
    const qreal k = radius;
    // Control offsets of the three cubic segments of one corner, measured from the corner.
    const qreal a = 1.52866483 * k, b = 1.08849299 * k, c = 0.86840701 * k, d = 0.63149399 * k;
    const qreal e = 0.07491100 * k, f = 0.37282401 * k, g = 0.16905001 * k;

    path.moveTo(pt(a, 0));
    // top edge, then top-right corner
    path.lineTo(pt(w - a, 0));
    path.cubicTo(pt(w - b, 0), pt(w - c, 0), pt(w - d, e));
    path.cubicTo(pt(w - f, g), pt(w - g, f), pt(w - e, d));
    path.cubicTo(pt(w, c), pt(w, b), pt(w, a));
    // right edge, bottom-right corner
    path.lineTo(pt(w, h - a));
    path.cubicTo(pt(w, h - b), pt(w, h - c), pt(w - e, h - d));
    path.cubicTo(pt(w - g, h - f), pt(w - f, h - g), pt(w - d, h - e));
    path.cubicTo(pt(w - c, h), pt(w - b, h), pt(w - a, h));
    // bottom edge, bottom-left corner
    path.lineTo(pt(a, h));
    path.cubicTo(pt(b, h), pt(c, h), pt(d, h - e));
    path.cubicTo(pt(f, h - g), pt(g, h - f), pt(e, h - d));
    path.cubicTo(pt(0, h - c), pt(0, h - b), pt(0, h - a));
    // left edge, top-left corner
    path.lineTo(pt(0, a));
    path.cubicTo(pt(0, b), pt(0, c), pt(e, d));
    path.cubicTo(pt(g, f), pt(f, g), pt(d, e));
    path.cubicTo(pt(c, 0), pt(b, 0), pt(a, 0));
    path.closeSubpath();
    return path;
}

qreal onePixelWidth(const QPaintDevice* device)
{
    const qreal ratio = device ? device->devicePixelRatioF() : 1.0;
    return ratio > 0 ? 1.0 / ratio : 1.0;
}

qreal onePixelWidth(const QPainter& painter)
{
    return onePixelWidth(painter.device());
}

VKArcAngles qtArcAngles(qreal trimFrom, qreal trimTo, qreal rotation)
{
    return VKArcAngles{-(trimFrom * 360.0 + rotation), -(trimTo - trimFrom) * 360.0};
}

QPainterPath trimmedCircle(const QRectF& rect, qreal trimFrom, qreal trimTo, qreal rotation)
{
    QPainterPath path;
    trimFrom = std::clamp<qreal>(trimFrom, 0, 1);
    trimTo = std::clamp<qreal>(trimTo, 0, 1);
    if (!(trimTo > trimFrom) || rect.isEmpty())
        return path;
    const VKArcAngles angles = qtArcAngles(trimFrom, trimTo, rotation);
    path.arcMoveTo(rect, angles.start);
    path.arcTo(rect, angles.start, angles.span);
    return path;
}

QPen strokePen(const QBrush& brush, qreal width, Qt::PenCapStyle cap, Qt::PenJoinStyle join, qreal miterLimit)
{
    QPen pen(brush, width, Qt::SolidLine, cap, join);
    pen.setMiterLimit(miterLimit);
    pen.setCosmetic(false);
    return pen;
}

QRectF centredSquare(const QRectF& rect)
{
    const qreal side = std::max<qreal>(0, std::min(rect.width(), rect.height()));
    return QRectF(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
}

} // namespace ViewKit
