#include "ViewKit/VKChart.h"

#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKPaintCache.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ViewKit {

namespace {

double niceStep(double lower, double upper, int desiredCount)
{
    const double raw = (upper - lower) / std::max(1, desiredCount);
    if (!(raw > 0) || !std::isfinite(raw))
        return 0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double error = raw / power;
    double factor = 1;
    if (error >= std::sqrt(50.0))
        factor = 10;
    else if (error >= std::sqrt(10.0))
        factor = 5;
    else if (error >= std::sqrt(2.0))
        factor = 2;
    return factor * power;
}

double mapY(const QRectF& rect, VKChartDomain domain, double value)
{
    const double span = domain.upper - domain.lower;
    if (!std::isfinite(value))
        value = domain.lower;
    const double fraction = span > 0 ? (value - domain.lower) / span : 0;
    return rect.bottom() - fraction * rect.height();
}

// A horizontal stroke of `width` points at y, from left to right, placed on whole device pixels: the
// rows it covers are the ones nearest y, kept inside top...bottom so that a line on the edge of the
// chart stays whole instead of losing its outer half. The ends are rounded to whole pixels too, so the
// dashes start on a pixel. Returns the line in the painter's coordinates.
QLineF pixelAlignedLine(const QPainter& painter, qreal left, qreal right, qreal y, qreal top, qreal bottom,
                        qreal width)
{
    const QTransform toDevice = painter.deviceTransform();
    if (toDevice.type() > QTransform::TxScale || toDevice.m22() <= 0 || toDevice.m11() <= 0)
        return QLineF(left, y, right, y);
    const QTransform toLogical = toDevice.inverted();
    const qreal scaleY = toDevice.m22();
    const qreal rows = std::max<qreal>(1, std::round(width * scaleY));
    const qreal deviceY = toDevice.map(QPointF(0, y)).y();
    const qreal firstRow = std::ceil(toDevice.map(QPointF(0, top)).y() - 1e-6);
    const qreal lastRow = std::floor(toDevice.map(QPointF(0, bottom)).y() + 1e-6) - rows;
    qreal row = std::round(deviceY - rows / 2);
    if (lastRow >= firstRow)
        row = std::clamp(row, firstRow, lastRow);
    const qreal centre = row + rows / 2;
    const qreal deviceLeft = std::round(toDevice.map(QPointF(left, 0)).x());
    const qreal deviceRight = std::round(toDevice.map(QPointF(right, 0)).x());
    return QLineF(toLogical.map(QPointF(deviceLeft, centre)), toLogical.map(QPointF(deviceRight, centre)));
}

} // namespace

std::vector<double> niceTicks(double lower, double upper, int desiredCount)
{
    std::vector<double> ticks;
    if (desiredCount < 1 || !std::isfinite(lower) || !std::isfinite(upper) || !(upper > lower))
        return ticks;
    const double step = niceStep(lower, upper, desiredCount);
    if (!(step > 0))
        return ticks;
    const double first = std::ceil(lower / step - 1e-9);
    const double last = std::floor(upper / step + 1e-9);
    for (double i = first; i <= last && ticks.size() < 1000; i += 1)
        ticks.push_back(i * step);
    return ticks;
}

VKChartDomain automaticDomain(std::span<const double> values, int desiredCount)
{
    double lower = 0, upper = 0;
    for (double v : values) {
        if (!std::isfinite(v))
            continue;
        lower = std::min(lower, v);
        upper = std::max(upper, v);
    }
    if (!(upper > lower))
        return VKChartDomain{0, 1};
    // Each bound goes past the values to the next mark of the grid niceTicks draws over the domain,
    // so that the top line stands above every value, a flat curve at the largest one included. The
    // wider domain can ask for a wider step; the step settles after a round or two.
    double step = niceStep(lower, upper, desiredCount);
    VKChartDomain domain{lower, upper};
    for (int round = 0; round < 8 && step > 0; ++round) {
        domain.upper = (std::floor(upper / step + 1e-9) + 1) * step;
        domain.lower = lower < 0 ? (std::ceil(lower / step - 1e-9) - 1) * step : 0;
        const double wider = niceStep(domain.lower, domain.upper, desiredCount);
        if (!(wider > step))
            break;
        step = wider;
    }
    return domain;
}

QPainterPath catmullRomPath(std::span<const QPointF> points)
{
    QPainterPath path;
    if (points.empty())
        return path;
    path.moveTo(points[0]);
    const size_t n = points.size();
    // Knot distance |b - a|^alpha with alpha 0.5.
    auto knot = [](const QPointF& a, const QPointF& b) {
        return std::sqrt(std::hypot(b.x() - a.x(), b.y() - a.y()));
    };
    for (size_t i = 0; i + 1 < n; ++i) {
        const QPointF p0 = points[i == 0 ? 0 : i - 1];
        const QPointF p1 = points[i];
        const QPointF p2 = points[i + 1];
        const QPointF p3 = points[i + 2 < n ? i + 2 : n - 1];
        const double d1 = knot(p0, p1), d2 = knot(p1, p2), d3 = knot(p2, p3);
        // Control points of the Bezier form; a repeated end point keeps its own point as control.
        QPointF c1 = p1, c2 = p2;
        if (d1 > 1e-12 && d2 > 1e-12) {
            const double a = d1 * d1, b = d2 * d2;
            c1 = (a * p2 - b * p0 + (2 * a + 3 * d1 * d2 + b) * p1) / (3 * d1 * (d1 + d2));
        }
        if (d3 > 1e-12 && d2 > 1e-12) {
            const double a = d3 * d3, b = d2 * d2;
            c2 = (a * p1 - b * p3 + (2 * a + 3 * d3 * d2 + b) * p2) / (3 * d3 * (d3 + d2));
        }
        path.cubicTo(c1, c2, p2);
    }
    return path;
}

std::vector<QPointF> chartPoints(const QRectF& rect, std::span<const double> values, VKChartDomain domain)
{
    std::vector<QPointF> points;
    points.reserve(values.size());
    const size_t n = values.size();
    for (size_t i = 0; i < n; ++i) {
        const double x = n > 1 ? rect.left() + rect.width() * double(i) / double(n - 1) : rect.left();
        points.emplace_back(x, mapY(rect, domain, values[i]));
    }
    return points;
}

VKAreaLineChart VKAreaLineChart::standard(VKColorScheme scheme, const QPalette& palette)
{
    VKAreaLineChart chart;
    chart.areaColor = withOpacity(VKTheme::color(VKNamedColor::accent, scheme, palette), 0.1);
    chart.lineColor = VKTheme::seriesColor(scheme, palette);
    chart.gridColor = VKTheme::gridLine(scheme);
    return chart;
}

void paintGridLines(QPainter& painter, const QRectF& rect, VKChartDomain domain, std::span<const double> values,
                    const QColor& color)
{
    if (values.empty() || rect.isEmpty())
        return;
    // The lines stay while the data moves: they are copied from the cache.
    QString key = QStringLiteral("grid|%1|%2|%3|%4")
                      .arg(color.rgba())
                      .arg(domain.lower)
                      .arg(domain.upper)
                      .arg(int(painter.testRenderHint(QPainter::Antialiasing)));
    for (double v : values)
        key += QLatin1Char('|') + QString::number(v);
    paintCached(painter, rect.adjusted(-1, -1, 1, 1), key, [&](QPainter& cached) {
        QPen pen = strokePen(color, 1);
        pen.setDashPattern({2.0, 2.0});  // in pen widths: 2 points on, 2 off at width 1
        cached.setPen(pen);
        for (double v : values) {
            if (!std::isfinite(v) || v < domain.lower || v > domain.upper)
                continue;
            const double y = mapY(rect, domain, v);
            cached.drawLine(pixelAlignedLine(cached, rect.left(), rect.right(), y, rect.top(), rect.bottom(),
                                             pen.widthF()));
        }
    });
}

void paintAreaLineChart(QPainter& painter, const QRectF& rect, std::span<const double> values,
                        const VKAreaLineChart& chart)
{
    if (rect.isEmpty())
        return;
    const VKChartDomain domain =
        chart.domain.value_or(automaticDomain(values, chart.gridDesiredCount > 0 ? chart.gridDesiredCount : 3));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (!chart.gridValues.empty())
        paintGridLines(painter, rect, domain, chart.gridValues, chart.gridColor);
    else if (chart.gridDesiredCount > 0)
        paintGridLines(painter, rect, domain, niceTicks(domain.lower, domain.upper, chart.gridDesiredCount),
                       chart.gridColor);
    if (values.size() >= 2) {
        const std::vector<QPointF> points = chartPoints(rect, values, domain);
        const QPainterPath curve = catmullRomPath(points);
        const double baseline = std::clamp(mapY(rect, domain, 0.0), rect.top(), rect.bottom());
        QPainterPath area = curve;
        area.lineTo(points.back().x(), baseline);
        area.lineTo(points.front().x(), baseline);
        area.closeSubpath();
        painter.fillPath(area, chart.areaColor);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(strokePen(chart.lineColor, chart.lineWidth));
        painter.drawPath(curve);
    }
    painter.restore();
}

void paintBarChart(QPainter& painter, const QRectF& rect, std::span<const VKBar> bars, VKChartDomain domain,
                   std::span<const double> gridValues, const QColor& gridColor)
{
    if (rect.isEmpty())
        return;
    paintGridLines(painter, rect, domain, gridValues, gridColor);
    if (bars.empty())
        return;
    const double slot = rect.width() / double(bars.size());
    const double barWidth = slot * 0.8;
    const double base = mapY(rect, domain, domain.lower);
    painter.save();
    for (size_t i = 0; i < bars.size(); ++i) {
        const double v = bars[i].value;
        if (!std::isfinite(v))
            continue;
        const double top = mapY(rect, domain, std::clamp(v, domain.lower, domain.upper));
        const double left = rect.left() + slot * double(i) + (slot - barWidth) / 2;
        painter.fillRect(QRectF(left, top, barWidth, base - top), bars[i].color);
    }
    painter.restore();
}

} // namespace ViewKit
