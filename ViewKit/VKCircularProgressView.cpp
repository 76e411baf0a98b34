#include "ViewKit/VKCircularProgressView.h"

#include "ViewKit/VKAnimation.h"
#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKPercentText.h"
#include "ViewKit/VKTheme.h"

#include <QPainter>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>

namespace ViewKit {

QRectF ringCircle(const QRectF& rect)
{
    const qreal pad = VKTheme::defaultPadding;
    return centredSquare(rect.adjusted(pad, pad, -pad, -pad));
}

void paintRingTrack(QPainter& painter, const QRectF& rect, qreal lineWidth, const QColor& gray)
{
    const QRectF circle = ringCircle(rect);
    if (circle.isEmpty() || !(lineWidth > 0))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(strokePen(withOpacity(gray, 0.4), lineWidth));
    painter.drawEllipse(circle);
    painter.restore();
}

VKCircularProgressView::VKCircularProgressView(float progress, const QColor& color, float lineWidth,
                                               std::optional<double> duration, std::optional<QFont> font,
                                               QWidget* parent)
    : QWidget(parent)
    , m_progress(progress)
    , m_shown(progress)
    , m_color(color)
    , m_lineWidth(lineWidth)
    , m_font(std::move(font))
    , m_duration(duration.value_or(0))
    , m_animation(new QVariantAnimation(this))
{
    m_animation->setEasingCurve(easeInOut());
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        m_shown = v.toDouble();
        update();
    });
}

void VKCircularProgressView::setProgress(double progress)
{
    m_progress = progress;
    m_animation->stop();
    const double seconds = m_duration.value_or(0);
    if (std::isfinite(seconds) && seconds > 0 && isVisible() && std::isfinite(progress)) {
        m_animation->setDuration(int(std::lround(seconds * 1000)));
        m_animation->setStartValue(std::isfinite(m_shown) ? m_shown : 0.0);
        m_animation->setEndValue(progress);
        m_animation->start();
    } else {
        m_shown = progress;
    }
    update();
}

void VKCircularProgressView::setColor(const QColor& color)
{
    m_color = color;
    update();
}

double VKCircularProgressView::trimEnd(double progress)
{
    if (std::isnan(progress))
        return 0;
    return std::clamp(progress, 0.0, 1.0);
}

void VKCircularProgressView::paint(QPainter& painter, const QRectF& rect, double progress, const QColor& color,
                                   qreal lineWidth, const std::optional<QFont>& font, const QColor& gray,
                                   const QColor& textColor)
{
    paintRingTrack(painter, rect, lineWidth, gray);
    const QRectF circle = ringCircle(rect);
    const QPainterPath arc = trimmedCircle(circle, 0, trimEnd(progress), ringTurnDegrees);
    if (!arc.isEmpty() && lineWidth > 0) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(strokePen(color, lineWidth, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(arc);
        painter.restore();
    }
    if (font) {
        painter.save();
        painter.setFont(*font);
        painter.setPen(textColor);
        painter.drawText(rect, Qt::AlignCenter, percentText(progress));
        painter.restore();
    }
}

QSize VKCircularProgressView::sizeHint() const
{
    return QSize(96, 96);
}

void VKCircularProgressView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const VKColorScheme scheme = VKTheme::scheme(this);
    // The percentage follows the progress given, the arc the progress shown.
    paint(painter, QRectF(rect()), m_shown, m_color, m_lineWidth, std::nullopt,
          VKTheme::color(VKNamedColor::gray, scheme), QColor());
    if (m_font) {
        painter.setFont(*m_font);
        painter.setPen(VKTheme::primaryText(scheme));
        painter.drawText(QRectF(rect()), Qt::AlignCenter, percentText(m_progress));
    }
}

} // namespace ViewKit
