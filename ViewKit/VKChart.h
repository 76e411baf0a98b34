#pragma once

#include "ViewKit/VKTheme.h"

#include <QColor>
#include <QPainterPath>
#include <QPalette>
#include <QPointF>
#include <QRectF>

#include <optional>
#include <span>
#include <vector>

class QPainter;

namespace ViewKit {

// The vertical value range of a chart.
struct VKChartDomain
{
    double lower = 0;
    double upper = 1;
};

// "Nice" grid values (steps of 1, 2 or 5 times a power of ten) between lower and upper, about
// desiredCount of them, in ascending order. Empty for an empty or non-finite range or a count below 1.
std::vector<double> niceTicks(double lower, double upper, int desiredCount);

// The automatic domain of a series for a grid of about desiredCount marks (niceTicks): from
// min(0, smallest) to max(0, largest), each bound carried past the values to the next mark, so that
// the marks niceTicks gives over the domain end on its bounds and every value lies inside them; 0...1
// when every value is 0 or the series is empty. Values that are not finite are skipped.
VKChartDomain automaticDomain(std::span<const double> values, int desiredCount = 3);

// The centripetal Catmull-Rom curve (alpha 0.5) through the points, as cubic Bezier segments. The
// ends repeat their end points. One point gives a path that only moves to it.
QPainterPath catmullRomPath(std::span<const QPointF> points);

// Where the series' points stand in rect: point i at x = left + width * i / (n - 1) (the last at the
// right edge; a single point at the left edge) and y from the domain (upper at the top). Values that
// are not finite stand at the domain's lower bound.
std::vector<QPointF> chartPoints(const QRectF& rect, std::span<const double> values, VKChartDomain domain);

// How an area-and-line chart is drawn.
struct VKAreaLineChart
{
    std::optional<VKChartDomain> domain;  // fixed vertical domain; none: automaticDomain
    int gridDesiredCount = 0;             // automatic grid marks (niceTicks); 0: none
    std::vector<double> gridValues;       // explicit grid marks, used instead when not empty
    QColor areaColor;                     // area from the curve down to 0
    QColor lineColor;
    qreal lineWidth = 1.5;                // butt caps, miter joins, miter limit 10
    QColor gridColor;                     // dashed 2 on, 2 off, width 1

    // The charts of the cards: accent area at opacity 0.1, accent line of width 1.5, theme grid colour.
    static VKAreaLineChart standard(VKColorScheme scheme, const QPalette& palette);
};

// Dashed horizontal grid lines at the given values that lie in the domain.
void paintGridLines(QPainter& painter, const QRectF& rect, VKChartDomain domain, std::span<const double> values,
                    const QColor& color);

// Paints the grid, then the area and the line through the series along one and the same curve
// (catmullRomPath). An empty series paints only the grid; a single value paints no mark.
void paintAreaLineChart(QPainter& painter, const QRectF& rect, std::span<const double> values,
                        const VKAreaLineChart& chart);

// One bar of a bar chart.
struct VKBar
{
    double value = 0;
    QColor color;
};

// Paints the dashed grid at gridValues, then one bar per entry, side by side in list order, each in
// its own colour, from the domain's lower bound up to its value (clamped to the domain; a value that
// is not finite draws no bar). Each bar takes 80 % of its slot.
void paintBarChart(QPainter& painter, const QRectF& rect, std::span<const VKBar> bars, VKChartDomain domain,
                   std::span<const double> gridValues, const QColor& gridColor);

} // namespace ViewKit
