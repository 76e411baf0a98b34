#include "ViewKit/VKGaugeLowerArcProgressView.h"

#include "ViewKit/VKGaugeArcView.h"

#include <QPainter>

#include <cmath>

namespace ViewKit {

VKGaugeLowerArcProgressView::VKGaugeLowerArcProgressView(qreal radius, float value, const QColor& color,
                                                         QWidget* parent)
    : QWidget(parent)
    , m_radius(radius)
    , m_value(value)
    , m_color(color)
{
}

void VKGaugeLowerArcProgressView::setRadius(qreal radius)
{
    m_radius = radius;
    update();
}

void VKGaugeLowerArcProgressView::setValue(float value)
{
    m_value = value;
    update();
}

void VKGaugeLowerArcProgressView::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void VKGaugeLowerArcProgressView::paint(QPainter& painter, const QRectF& frame, qreal radius, float value,
                                        const QColor& color)
{
    if (!std::isfinite(value))
        return;
    // Drawn from 54 degrees clockwise, then mirrored, so that it grows from the 126-degree end.
    paintGaugeArc(painter, frame, radius, 0, 0.2f * value, 54, 4 * radius, color, true);
}

void VKGaugeLowerArcProgressView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, QRectF(rect()), m_radius, m_value, m_color);
}

} // namespace ViewKit
