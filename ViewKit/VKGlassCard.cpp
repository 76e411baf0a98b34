#include "ViewKit/VKGlassCard.h"

#include "ViewKit/VKGeometry.h"

#include <QEvent>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace ViewKit {

void paintGlassCard(QPainter& painter, const QRectF& surface, VKGlassCardStyle style, VKColorScheme scheme,
                    qreal cornerRadius)
{
    const auto material = VKGlassCardStyles::material(style);
    if (!material || surface.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(continuousRoundedRect(surface, cornerRadius), materialTint(*material, scheme));
    // A faint light edge, where a pane of glass catches the light; it sets the glass apart from the
    // solid cards, which have none.
    QColor edge(255, 255, 255);
    edge.setAlphaF(scheme == VKColorScheme::dark ? 0.16f : 0.7f);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(continuousRoundedRect(surface.adjusted(0.5, 0.5, -0.5, -0.5), std::max<qreal>(0, cornerRadius - 0.5)));
    painter.restore();
}

VKGlassCard::VKGlassCard(VKGlassCardStyle style, qreal cornerRadius, QWidget* parent)
    : QWidget(parent)
    , m_style(style)
    , m_cornerRadius(cornerRadius)
{
}

void VKGlassCard::setGlassStyle(VKGlassCardStyle style)
{
    m_style = style;
    update();
}

void VKGlassCard::setCornerRadius(qreal radius)
{
    m_cornerRadius = radius;
    update();
}

void VKGlassCard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintGlassCard(painter, QRectF(rect()), m_style, VKTheme::scheme(this), m_cornerRadius);
}

void VKGlassCard::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}

} // namespace ViewKit
