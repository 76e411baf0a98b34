#include "ViewKit/VKGradientCircularProgressView.h"

#include "ViewKit/VKAnimation.h"
#include "ViewKit/VKCircularProgressView.h"
#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKPercentText.h"
#include "ViewKit/VKTheme.h"

#include <QPainter>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>

namespace ViewKit {

namespace {

QColor mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

} // namespace

VKGradientCircularProgressView::VKGradientCircularProgressView(float progress, float lineWidth,
                                                               std::optional<double> duration,
                                                               std::optional<QFont> font, std::vector<QColor> colors,
                                                               QWidget* parent)
    : QWidget(parent)
    , m_colors(std::move(colors))
    , m_lineWidth(lineWidth)
    , m_font(std::move(font))
    , m_progress(progress)
    , m_shown(progress)
    , m_duration(duration)
    , m_animation(new QVariantAnimation(this))
{
    m_animation->setEasingCurve(easeInOut());
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        m_shown = v.toFloat();
        update();
    });
}

void VKGradientCircularProgressView::setProgress(float progress)
{
    m_progress = progress;
    m_animation->stop();
    if (m_duration && std::isfinite(*m_duration) && *m_duration > 0 && isVisible() && std::isfinite(progress)) {
        m_animation->setDuration(int(std::lround(*m_duration * 1000)));
        m_animation->setStartValue(std::isfinite(m_shown) ? m_shown : 0.0f);
        m_animation->setEndValue(progress);
        m_animation->start();
    } else {
        m_shown = progress;
    }
    update();
}

QColor VKGradientCircularProgressView::colorAt(const std::vector<QColor>& colors, double span, double degrees)
{
    if (colors.empty())
        return QColor();
    if (colors.size() == 1 || !(span > 0) || degrees <= 0)
        return colors.front();
    if (degrees >= span)
        return colors.back();
    const double position = degrees / span * double(colors.size() - 1);
    const size_t index = std::min(size_t(position), colors.size() - 2);
    return mix(colors[index], colors[index + 1], position - double(index));
}

QConicalGradient VKGradientCircularProgressView::gradient(const std::vector<QColor>& colors, double progress,
                                                          const QPointF& centre)
{
    // Qt's conical gradient runs counter-clockwise from its angle: the clockwise angle a stands at the
    // position 1 - a / 360. The colours are sampled along the visible turn.
    QConicalGradient conical(centre, 0);
    const double span = std::isfinite(progress) ? progress * 360.0 : 0.0;
    QGradientStops stops;
    constexpr int samples = 72;
    for (int k = samples; k >= 0; --k) {
        const double degrees = 360.0 * k / samples;
        stops.append({1.0 - degrees / 360.0, colorAt(colors, span, degrees)});
    }
    // The start of the arc in its first colour, exactly.
    stops.last().second = colors.empty() ? QColor() : colors.front();
    conical.setStops(stops);
    return conical;
}

void VKGradientCircularProgressView::paint(QPainter& painter, const QRectF& rect, const std::vector<QColor>& colors,
                                           qreal lineWidth, double progress, const QColor& gray)
{
    paintRingTrack(painter, rect, lineWidth, gray);
    const QRectF circle = ringCircle(rect);
    const QPainterPath arc = trimmedCircle(circle, 0, VKCircularProgressView::trimEnd(progress), 0);
    if (arc.isEmpty() || !(lineWidth > 0) || colors.empty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = circle.center();
    painter.translate(centre);
    painter.rotate(ringTurnDegrees);
    painter.translate(-centre);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(strokePen(gradient(colors, progress, centre), lineWidth, Qt::RoundCap));
    painter.drawPath(arc);
    painter.restore();
}

QSize VKGradientCircularProgressView::sizeHint() const
{
    return QSize(96, 96);
}

void VKGradientCircularProgressView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const VKColorScheme scheme = VKTheme::scheme(this);
    paint(painter, QRectF(rect()), m_colors, m_lineWidth, m_shown, VKTheme::color(VKNamedColor::gray, scheme));
    if (m_font) {
        painter.setFont(*m_font);
        painter.setPen(VKTheme::primaryText(scheme));
        painter.drawText(QRectF(rect()), Qt::AlignCenter, percentText(m_progress));
    }
}

} // namespace ViewKit
