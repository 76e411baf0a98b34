#include "ViewKit/VKGaugeTickTextView.h"

#include "ViewKit/VKTheme.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ViewKit {

namespace {

// Draws a mark of w by h whose top edge stands on the layer's top edge, turned by degrees (from up,
// clockwise) about the layer's centre.
void paintMark(QPainter& painter, const QRectF& layer, double degrees, qreal w, qreal h, const QColor& color)
{
    const QPointF centre = layer.center();
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    painter.fillRect(QRectF(-w / 2, -layer.height() / 2, w, h), color);
    painter.restore();
}

} // namespace

VKGaugeTickTextView::VKGaugeTickTextView(double coveredRadius, std::int64_t maxValue, bool showText,
                                         std::optional<float> maxIndicatorValue, int tickCount, const QColor& color,
                                         qreal width, QWidget* parent)
    : QWidget(parent)
    , m_coveredRadius(coveredRadius)
    , m_maxValue(maxValue)
    , m_showText(showText)
    , m_maxIndicatorValue(maxIndicatorValue)
    , m_tickCount(tickCount)
    , m_color(color)
    , m_width(width)
{
}

void VKGaugeTickTextView::setMaxIndicatorValue(std::optional<float> value)
{
    m_maxIndicatorValue = value;
    update();
}

void VKGaugeTickTextView::setTickCount(int count)
{
    m_tickCount = count;
    update();
}

void VKGaugeTickTextView::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void VKGaugeTickTextView::setWidth(qreal width)
{
    m_width = width;
    update();
}

int VKGaugeTickTextView::divisions(int tickCount)
{
    return std::max(1, tickCount);
}

double VKGaugeTickTextView::tickAngle(int i, int tickCount, double covered)
{
    return covered / (2.0 * divisions(tickCount)) * i - covered / 2;
}

double VKGaugeTickTextView::numberAngle(int i, int tickCount, double covered)
{
    return covered / divisions(tickCount) * i - covered / 2 - 90;
}

qreal VKGaugeTickTextView::numberRadius(qreal width)
{
    return width * 0.4838709677419355 - 44;
}

std::optional<QString> VKGaugeTickTextView::numberText(int i, int tickCount, std::int64_t maxValue)
{
    if (i % 5 != 0)
        return std::nullopt;
    return QString::number(maxValue / divisions(tickCount) * i);
}

std::optional<double> VKGaugeTickTextView::markerAngle(std::optional<float> indicator, std::int64_t maxValue,
                                                       double covered)
{
    if (!indicator || !std::isfinite(*indicator) || maxValue <= 0)
        return std::nullopt;
    const float max = float(maxValue);
    const float fraction = std::min(*indicator, max) / max;
    return covered * fraction - covered / 2;
}

void VKGaugeTickTextView::paint(QPainter& painter, const QRectF& layer, double covered, std::int64_t maxValue,
                                bool showText, std::optional<float> maxIndicatorValue, int tickCount,
                                const QColor& color, qreal width, const QColor& secondary, const QColor& red)
{
    if (layer.isEmpty() || !std::isfinite(covered))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const int n = divisions(tickCount);
    for (std::int64_t i = 0; i <= 2 * std::int64_t(n); ++i) {
        const bool major = i % 10 == 0;
        paintMark(painter, layer, covered / (2.0 * n) * double(i) - covered / 2, major ? 2 : 1, major ? 8 : 4,
                  major ? secondary : color);
    }
    const qreal fontSize = width * 0.035;
    if (showText && std::isfinite(fontSize) && fontSize >= 1) {
        QFont font = VKTheme::font(VKTextStyle::body, QFont::Normal);
        font.setPixelSize(std::max(1, int(std::lround(fontSize))));
        painter.setFont(font);
        painter.setPen(secondary);
        const QFontMetricsF metrics(font);
        const qreal radius = numberRadius(width);
        for (int i = 0; i <= n; ++i) {
            const std::optional<QString> text = numberText(i, n, maxValue);
            if (!text)
                continue;
            const double theta = numberAngle(i, n, covered) * std::numbers::pi / 180;
            const QPointF at = layer.center() + QPointF(radius * std::cos(theta), radius * std::sin(theta));
            const QSizeF size(metrics.horizontalAdvance(*text), metrics.height());
            painter.drawText(QRectF(at - QPointF(size.width() / 2, size.height() / 2), size), Qt::AlignCenter, *text);
        }
    }
    if (const std::optional<double> marker = markerAngle(maxIndicatorValue, maxValue, covered))
        paintMark(painter, layer, *marker, 2, 12, red);
    painter.restore();
}

void VKGaugeTickTextView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const VKColorScheme scheme = VKTheme::scheme(this);
    paint(painter, QRectF(rect()), m_coveredRadius, m_maxValue, m_showText, m_maxIndicatorValue, m_tickCount, m_color,
          m_width, VKTheme::secondaryText(scheme), VKTheme::color(VKNamedColor::red, scheme));
}

} // namespace ViewKit
