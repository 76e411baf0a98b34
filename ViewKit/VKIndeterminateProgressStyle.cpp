#include "ViewKit/VKIndeterminateProgressStyle.h"

#include "ViewKit/VKCircularProgressView.h"
#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKTheme.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOption>
#include <QVariantAnimation>
#include <QWidget>

namespace ViewKit {

VKIndeterminateProgressStyle::VKIndeterminateProgressStyle(const QColor& color, qreal lineWidth, qreal segmentAngle,
                                                           QObject* parent)
    : m_color(color)
    , m_lineWidth(lineWidth)
    , m_segmentAngle(segmentAngle)
    , m_spin(new QVariantAnimation(this))
{
    setParent(parent);
    m_spin->setStartValue(0.0);
    m_spin->setEndValue(360.0);
    m_spin->setDuration(turnMilliseconds);
    m_spin->setLoopCount(-1);
    connect(m_spin, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        m_angle = v.toDouble();
        if (m_bar)
            m_bar->update();
    });
}

bool VKIndeterminateProgressStyle::isSpinning() const
{
    return m_spin->state() == QAbstractAnimation::Running;
}

void VKIndeterminateProgressStyle::paint(QPainter& painter, const QRectF& rect, double angle, const QColor& color,
                                         qreal lineWidth, qreal segmentAngle, const QColor& gray)
{
    paintRingTrack(painter, rect, lineWidth, gray);
    const QPainterPath arc = trimmedCircle(ringCircle(rect), 0, segmentAngle, angle);
    if (arc.isEmpty() || !(lineWidth > 0))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(strokePen(color, lineWidth, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(arc);
    painter.restore();
}

void VKIndeterminateProgressStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                               const QWidget* widget) const
{
    if (element != CE_ProgressBar) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const VKColorScheme scheme = VKTheme::scheme(option->palette);
    paint(*painter, QRectF(option->rect), m_angle, m_color, m_lineWidth, m_segmentAngle,
          VKTheme::color(VKNamedColor::gray, scheme));
}

void VKIndeterminateProgressStyle::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    if (!widget || widget->inherits("QProgressBar") == false || m_bar == widget)
        return;
    m_bar = widget;
    widget->installEventFilter(this);
    if (widget->isVisible())
        m_spin->start();
}

void VKIndeterminateProgressStyle::unpolish(QWidget* widget)
{
    if (widget && widget == m_bar) {
        widget->removeEventFilter(this);
        m_spin->stop();
        m_bar = nullptr;
    }
    QProxyStyle::unpolish(widget);
}

bool VKIndeterminateProgressStyle::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_bar) {
        if (event->type() == QEvent::Show && !isSpinning())
            m_spin->start();
        else if (event->type() == QEvent::Hide)
            m_spin->stop();
    }
    return QProxyStyle::eventFilter(watched, event);
}

} // namespace ViewKit
