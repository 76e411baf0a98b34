#include "ViewKit/VKStackedGaugeView.h"

#include "ViewKit/VKAnimation.h"
#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKPaintCache.h"
#include "ViewKit/VKPercentText.h"
#include "ViewKit/VKTextMeasures.h"

#include <QPainter>
#include <QVariantAnimation>

#include <cmath>

namespace ViewKit {

namespace {
double finiteOrZero(double v)
{
    return std::isfinite(v) ? v : 0.0;
}
} // namespace

double gaugeTotal(std::span<const double> values)
{
    double total = 0;
    for (double v : values)
        total += finiteOrZero(v);
    return total;
}

void paintStackedGauge(QPainter& painter, const QRectF& rect, std::span<const double> values,
                       std::span<const QColor> colors, qreal lineWidth, bool showProgress, const QFont& font,
                       const QColor& textColor, VKColorScheme scheme)
{
    const QRectF square = centredSquare(rect);
    const qreal inset = lineWidth / 2;
    const QRectF circle = square.adjusted(inset, inset, -inset, -inset);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (!circle.isEmpty() && lineWidth > 0) {
        painter.setBrush(Qt::NoBrush);
        // The track is the same on every repaint: it is copied from the cache.
        const QColor track = VKTheme::track(scheme);
        const qreal reach = lineWidth / 2 + 1;
        paintCached(painter, circle.adjusted(-reach, -reach, reach, reach),
                    QStringLiteral("gauge-track|%1|%2").arg(track.rgba()).arg(lineWidth),
                    [&](QPainter& cached) {
                        cached.setRenderHint(QPainter::Antialiasing);
                        cached.setBrush(Qt::NoBrush);
                        cached.setPen(strokePen(track, lineWidth));
                        cached.drawEllipse(circle);
                    });
        if (!colors.empty()) {
            double start = 0;
            for (size_t i = 0; i < values.size(); ++i) {
                const double value = finiteOrZero(values[i]);
                const QPainterPath arc = trimmedCircle(circle, start, start + value, -90);
                start += value;
                if (arc.isEmpty())
                    continue;
                painter.setPen(strokePen(colors[i % colors.size()], lineWidth, Qt::FlatCap, Qt::RoundJoin));
                painter.drawPath(arc);
            }
        }
    }
    if (showProgress) {
        painter.setFont(font);
        painter.setPen(textColor);
        VKTextMeasures::draw(painter, square, Qt::AlignCenter, percentText(gaugeTotal(values)));
    }
    painter.restore();
}

VKStackedGaugeView::VKStackedGaugeView(QWidget* parent)
    : VKStackedGaugeView({}, {}, 8, false, std::nullopt, std::nullopt, parent)
{
}

VKStackedGaugeView::VKStackedGaugeView(std::vector<double> values, std::vector<QColor> colors, qreal lineWidth,
                                       bool showProgress, std::optional<QFont> font, std::optional<double> duration,
                                       QWidget* parent)
    : QWidget(parent)
    , m_values(values)
    , m_shown(std::move(values))
    , m_colors(std::move(colors))
    , m_lineWidth(lineWidth)
    , m_showProgress(showProgress)
    , m_font(std::move(font))
    , m_duration(duration)
    , m_animation(new QVariantAnimation(this))
{
    m_animation->setEasingCurve(easeInOut());
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(1.0);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        const double t = v.toDouble();
        m_shown.resize(m_values.size());
        for (size_t i = 0; i < m_values.size(); ++i) {
            const double from = i < m_from.size() ? finiteOrZero(m_from[i]) : 0.0;
            m_shown[i] = from + (finiteOrZero(m_values[i]) - from) * t;
        }
        update();
    });
}

void VKStackedGaugeView::setValues(std::vector<double> values)
{
    m_animation->stop();
    m_from = m_shown;
    m_values = std::move(values);
    if (m_duration && *m_duration > 0 && isVisible()) {
        m_animation->setDuration(int(std::lround(*m_duration * 1000)));
        m_animation->start();
    } else {
        m_shown = m_values;
    }
    update();
}

void VKStackedGaugeView::setColors(std::vector<QColor> colors)
{
    m_colors = std::move(colors);
    update();
}

void VKStackedGaugeView::setLineWidth(qreal width)
{
    m_lineWidth = width;
    update();
}

void VKStackedGaugeView::setShowProgress(bool show)
{
    m_showProgress = show;
    update();
}

void VKStackedGaugeView::setTextFont(std::optional<QFont> font)
{
    m_font = std::move(font);
    update();
}

void VKStackedGaugeView::setDuration(std::optional<double> seconds)
{
    m_duration = seconds && std::isfinite(*seconds) ? seconds : std::nullopt;
}

QSize VKStackedGaugeView::sizeHint() const
{
    return QSize(80, 80);
}

void VKStackedGaugeView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const VKColorScheme scheme = VKTheme::scheme(this);
    // The percentage follows the values given, the arcs the values shown.
    paintStackedGauge(painter, QRectF(rect()), m_shown, m_colors, m_lineWidth, false, QFont(), QColor(), scheme);
    if (m_showProgress) {
        painter.setFont(m_font.value_or(VKTheme::font(VKTextStyle::caption)));
        painter.setPen(VKTheme::primaryText(scheme));
        painter.drawText(centredSquare(QRectF(rect())), Qt::AlignCenter, percentText(gaugeTotal(m_values)));
    }
}

} // namespace ViewKit
