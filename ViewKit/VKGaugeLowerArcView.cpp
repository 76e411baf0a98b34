#include "ViewKit/VKGaugeLowerArcView.h"

#include "ViewKit/VKGaugeArcView.h"
#include "ViewKit/VKTheme.h"

#include <QPainter>

namespace ViewKit {

VKGaugeLowerArcView::VKGaugeLowerArcView(qreal radius, QWidget* parent)
    : QWidget(parent)
    , m_radius(radius)
{
}

void VKGaugeLowerArcView::setRadius(qreal radius)
{
    m_radius = radius;
    update();
}

void VKGaugeLowerArcView::paint(QPainter& painter, const QRectF& frame, qreal radius, const QColor& tertiary)
{
    paintGaugeArc(painter, frame, radius, 0, 0.2, 54, 4 * radius, withOpacity(tertiary, 0.4));
}

void VKGaugeLowerArcView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, QRectF(rect()), m_radius, VKTheme::color(VKNamedColor::tertiary, VKTheme::scheme(this)));
}

} // namespace ViewKit
