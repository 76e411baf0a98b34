#include "ViewKit/VKGaugeProgressArcView.h"

#include "ViewKit/VKGaugeArcView.h"
#include "ViewKit/VKTheme.h"

#include <QPainter>

#include <cmath>

namespace ViewKit {

VKGaugeProgressArcView::VKGaugeProgressArcView(qreal radius, float value, const QColor& color, QWidget* parent)
    : QWidget(parent)
    , m_radius(radius)
    , m_value(value)
    , m_color(color)
{
}

void VKGaugeProgressArcView::setRadius(qreal radius)
{
    m_radius = radius;
    update();
}

void VKGaugeProgressArcView::setValue(float value)
{
    m_value = value;
    update();
}

void VKGaugeProgressArcView::setColor(const QColor& color)
{
    m_color = color;
    update();
}

float VKGaugeProgressArcView::trimEnd(float value)
{
    if (!std::isfinite(value))
        return 0.25f;
    return 0.25f + 0.75f * value;
}

void VKGaugeProgressArcView::paint(QPainter& painter, const QRectF& frame, qreal radius, float value,
                                   const QColor& color)
{
    const qreal end = trimEnd(value);
    // The glow: two wider, fainter strokes under the arc, reaching a quarter of the line width out.
    const qreal blur = radius * 0.25;
    if (blur > 0) {
        paintGaugeArc(painter, frame, radius + 2 * blur, 0.25, end, 45, radius, withOpacity(color, 0.15));
        paintGaugeArc(painter, frame, radius + blur, 0.25, end, 45, radius, withOpacity(color, 0.25));
    }
    paintGaugeArc(painter, frame, radius, 0.25, end, 45, radius, color);
}

void VKGaugeProgressArcView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, QRectF(rect()), m_radius, m_value, m_color);
}

} // namespace ViewKit
