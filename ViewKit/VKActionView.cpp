#include "ViewKit/VKActionView.h"

#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKTheme.h"

#include <QPainter>
#include <QVariantAnimation>

#include <algorithm>

namespace ViewKit {

VKActionView::VKActionView(const QColor& color, Qt::PenCapStyle lineCap, QWidget* parent)
    : QWidget(parent)
    , m_color(color)
    , m_lineCap(lineCap)
    , m_animation(new QVariantAnimation(this))
{
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(360.0);
    m_animation->setDuration(1000);
    m_animation->setEasingCurve(QEasingCurve::Linear);
    m_animation->setLoopCount(-1);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_rotation = value.toReal();
        update();
    });
}

void VKActionView::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void VKActionView::setLineCap(Qt::PenCapStyle lineCap)
{
    m_lineCap = lineCap;
    update();
}

bool VKActionView::isRotating() const
{
    return m_animation->state() == QAbstractAnimation::Running;
}

void VKActionView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_animation->start();
}

void VKActionView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_animation->stop();
}

void VKActionView::paint(QPainter& painter, const QRectF& rect, const QColor& color, Qt::PenCapStyle lineCap,
                         qreal rotation)
{
    const QRectF square = centredSquare(rect);
    const qreal width = square.width();
    if (width <= 0)
        return;
    const qreal line = 0.15 * width;
    // The ring is inset by half its line so that the whole stroke stays inside the frame.
    const QRectF ring = square.adjusted(line / 2, line / 2, -line / 2, -line / 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(strokePen(withOpacity(color, 0.25), line, Qt::FlatCap));
    painter.drawEllipse(ring);
    const qreal hub = 0.6 * width;
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QRectF(square.center().x() - hub / 2, square.center().y() - hub / 2, hub, hub));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(strokePen(color, line, lineCap));
    painter.drawPath(trimmedCircle(ring, 0, 0.3, rotation));
    painter.restore();
}

void VKActionView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, QRectF(rect()), m_color, m_lineCap, m_rotation);
}

} // namespace ViewKit
