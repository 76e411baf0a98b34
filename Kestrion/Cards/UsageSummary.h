#pragma once

#include "ViewKit/VKChart.h"
#include "ViewKit/VKTheme.h"

#include <QColor>
#include <QPalette>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

namespace Kestrion {

// One legend line of a summary: colour mark, label and value, with its own space above.
struct UsageLegend
{
    QColor color;
    QString label;
    QString value;
    qreal topPadding = 0;
};

// The task and thread counts under the processor card's legends.
struct UsageCounts
{
    std::int64_t tasks = 0;
    std::int64_t threads = 0;
};

// What the summary row of the processor and memory cards shows: the stacked ring gauge on the leading
// side; beside it the caption, the history chart, the legend lines and, in the processor card, the
// counts.
struct UsageSummary
{
    std::vector<double> gaugeValues;
    std::vector<QColor> gaugeColors;
    QString caption;
    std::vector<double> history;
    ViewKit::VKChartDomain domain;
    std::vector<UsageLegend> legends;
    std::optional<UsageCounts> counts;

    static constexpr qreal gaugeTopPadding = 8;
    static constexpr qreal gaugeTrailingPadding = 16;
    static constexpr qreal gaugeLineWidth = 8;
    static constexpr qreal chartHeight = 48;
    static constexpr int gridDesiredCount = 3;
    static constexpr qreal countsTopPadding = 8;

    // Where each part stands in a summary `width` points wide at the origin.
    struct Layout
    {
        QRectF gauge;
        QRectF caption;
        QRectF chart;
        std::vector<QRectF> legends;
        std::optional<QRectF> counts;
        qreal height = 0;
    };
    Layout layout(qreal width, int sizeClass) const;
    // The height of the summary; it does not depend on the width.
    qreal height(int sizeClass) const { return layout(0, sizeClass).height; }

    // Paints the summary in rect.
    void paint(QPainter& painter, const QRectF& rect, int sizeClass, ViewKit::VKColorScheme scheme,
               const QPalette& palette) const;

    // Fonts of the parts.
    static QFont captionFont();
    static QFont legendFont();
    static QFont countsFont();
};

} // namespace Kestrion
