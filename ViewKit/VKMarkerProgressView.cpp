#include "ViewKit/VKMarkerProgressView.h"

#include "ViewKit/VKAnimation.h"
#include "ViewKit/VKTheme.h"

#include <QPainter>
#include <QVariantAnimation>

#include <cmath>

namespace ViewKit {

VKMarkerProgressView::VKMarkerProgressView(const QColor& color, double progress,
                                           std::optional<double> animationDuration,
                                           std::optional<VKClosedRange> range, QWidget* parent)
    : QWidget(parent)
    , m_color(color)
    , m_progress(progressFor(progress, range))
    , m_shown(m_progress)
    , m_animationDuration(animationDuration && std::isfinite(*animationDuration) && *animationDuration > 0
                              ? *animationDuration
                              : 0)
    , m_range(range)
    , m_animation(new QVariantAnimation(this))
{
    m_animation->setEasingCurve(easeInOut());
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        m_shown = v.toDouble();
        update();
    });
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

VKMarkerProgressView* VKMarkerProgressView::withFloat(const QColor& color, float progress,
                                                      std::optional<double> animationDuration,
                                                      std::optional<VKClosedRange> range, QWidget* parent)
{
    return new VKMarkerProgressView(color, double(progress), animationDuration, range, parent);
}

VKMarkerProgressView* VKMarkerProgressView::withInt(const QColor& color, int progress,
                                                    std::optional<double> animationDuration,
                                                    std::optional<VKClosedRange> range, QWidget* parent)
{
    return new VKMarkerProgressView(color, double(progress), animationDuration, range, parent);
}

void VKMarkerProgressView::setValue(double value)
{
    m_progress = progressFor(value, m_range);
    m_animation->stop();
    if (m_animationDuration > 0 && isVisible()) {
        m_animation->setDuration(int(std::lround(m_animationDuration * 1000)));
        m_animation->setStartValue(m_shown);
        m_animation->setEndValue(m_progress);
        m_animation->start();
    } else {
        m_shown = m_progress;
    }
    update();
}

void VKMarkerProgressView::paint(QPainter& painter, const QRectF& rect, const QColor& color, double fill,
                                 double marker, const QColor& gray)
{
    if (rect.isEmpty())
        return;
    painter.save();
    painter.fillRect(rect, withOpacity(gray, 0.4));
    if (std::isfinite(fill) && fill > 0)
        painter.fillRect(QRectF(rect.left(), rect.top(), rect.width() * fill, rect.height()), withOpacity(color, 0.25));
    if (std::isfinite(marker)) {
        const qreal centre = rect.left() + rect.width() * marker - 1.5;
        painter.fillRect(QRectF(centre - 1.5, rect.top(), 3, rect.height()), color);
    }
    painter.restore();
}

QSize VKMarkerProgressView::sizeHint() const
{
    return QSize(100, 8);
}

void VKMarkerProgressView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, QRectF(rect()), m_color, m_shown, m_progress,
          VKTheme::color(VKNamedColor::gray, VKTheme::scheme(this)));
}

} // namespace ViewKit
