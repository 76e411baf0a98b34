#include "ViewKit/VKGaugeArcView.h"

#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKTheme.h"

#include <QPainter>

#include <cmath>

namespace ViewKit {

void paintGaugeArc(QPainter& painter, const QRectF& frame, qreal lineWidth, qreal trimFrom, qreal trimTo,
                   qreal turnDegrees, qreal padding, const QBrush& brush, bool mirrored)
{
    if (!std::isfinite(lineWidth) || lineWidth <= 0 || !std::isfinite(padding))
        return;
    const QRectF circle = centredSquare(frame.adjusted(padding, padding, -padding, -padding));
    const QPainterPath arc = trimmedCircle(circle, trimFrom, trimTo, turnDegrees);
    if (arc.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (mirrored) {
        const QPointF centre = frame.center();
        painter.translate(centre);
        painter.scale(-1, 1);
        painter.translate(-centre);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(strokePen(brush, lineWidth, Qt::RoundCap));
    painter.drawPath(arc);
    painter.restore();
}

VKGaugeArcView::VKGaugeArcView(qreal radius, QWidget* parent)
    : QWidget(parent)
    , m_radius(radius)
{
}

void VKGaugeArcView::setRadius(qreal radius)
{
    m_radius = radius;
    update();
}

void VKGaugeArcView::paint(QPainter& painter, const QRectF& frame, qreal radius, const QColor& secondary)
{
    paintGaugeArc(painter, frame, radius, 0.25, 1.0, 45, radius, withOpacity(secondary, 0.5));
}

void VKGaugeArcView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, QRectF(rect()), m_radius, VKTheme::secondaryText(VKTheme::scheme(this)));
}

} // namespace ViewKit
