#include "ViewKit/VKProgressView.h"

#include "ViewKit/VKAnimatedValue.h"
#include "ViewKit/VKPercentText.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ViewKit {

double progressFor(double value, std::optional<VKClosedRange> range)
{
    const double width = range ? range->width() : 1.0;
    if (!std::isfinite(value) || !std::isfinite(width) || width == 0)
        return 0;
    const double progress = value / width;
    return std::isfinite(progress) ? progress : 0;
}

std::optional<double> markerFraction(std::optional<double> maxValue, std::optional<VKClosedRange> range)
{
    if (!maxValue)
        return std::nullopt;
    const double width = range ? range->width() : 1.0;
    const double fraction = *maxValue / width;
    if (!std::isfinite(fraction))
        return std::nullopt;
    return fraction;
}

void paintProgressBar(QPainter& painter, const QRectF& rect, const QColor& color, double fill,
                      std::optional<double> marker, std::optional<double> textProgress, const QFont& font,
                      VKColorScheme scheme)
{
    if (rect.isEmpty())
        return;
    painter.save();
    const QColor gray = VKTheme::color(VKNamedColor::gray, scheme);
    painter.fillRect(rect, withOpacity(gray, 0.4));
    if (std::isfinite(fill) && fill > 0)
        painter.fillRect(QRectF(rect.left(), rect.top(), rect.width() * fill, rect.height()), color);
    if (marker) {
        const qreal centre = rect.left() + rect.width() * *marker - 1;
        painter.fillRect(QRectF(centre - 1, rect.top(), 2, rect.height()), gray);
    }
    if (textProgress) {
        // White over the filled part; over the empty track, whose light grey white is hard to read
        // on, the scheme's primary text colour. A text across the end of the fill changes colour there.
        painter.setFont(font);
        const QString text = percentText(*textProgress);
        const qreal filled = std::isfinite(fill) ? rect.width() * std::clamp(fill, 0.0, 1.0) : 0;
        const QRectF fillRect(rect.left(), rect.top(), filled, rect.height());
        const QRectF trackRect(rect.left() + filled, rect.top(), rect.width() - filled, rect.height());
        for (const auto& [part, colour] : {std::pair{fillRect, QColor(255, 255, 255)},
                                           std::pair{trackRect, VKTheme::primaryText(scheme)}}) {
            if (part.width() <= 0)
                continue;
            painter.save();
            painter.setClipRect(part, Qt::IntersectClip);
            painter.setPen(colour);
            painter.drawText(rect, Qt::AlignCenter, text);
            painter.restore();
        }
    }
    painter.restore();
}

VKProgressView::VKProgressView(QWidget* parent)
    : QWidget(parent)
    , m_color(VKTheme::color(VKNamedColor::accent, VKColorScheme::light))
    , m_progress(this, 0)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void VKProgressView::setValue(double value)
{
    m_progress.setTarget(progressFor(value, m_range), m_animationDuration);
}

void VKProgressView::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void VKProgressView::setShowProgress(bool show)
{
    m_showProgress = show;
    update();
}

void VKProgressView::setTextFont(std::optional<QFont> font)
{
    m_font = std::move(font);
    update();
}

void VKProgressView::setAnimationDuration(double seconds)
{
    m_animationDuration = std::isfinite(seconds) && seconds > 0 ? seconds : 0;
}

void VKProgressView::setMaxValue(std::optional<double> maxValue)
{
    m_maxValue = maxValue;
    update();
}

void VKProgressView::setRange(std::optional<VKClosedRange> range)
{
    m_range = range;
    update();
}

QSize VKProgressView::sizeHint() const
{
    return QSize(100, 12);
}

void VKProgressView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintProgressBar(painter, QRectF(rect()), m_color, m_progress.shown(), markerFraction(m_maxValue, m_range),
                     m_showProgress ? std::optional<double>(m_progress.target()) : std::nullopt,
                     m_font.value_or(VKTheme::font(VKTextStyle::caption)), VKTheme::scheme(this));
}

} // namespace ViewKit
