#include "ViewKit/VKGlassCard.h"

#include "ViewKit/VKGeometry.h"

#include <QEvent>
#include <QPainter>

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
