#pragma once

#include "Kestrion/Cards/CardCanvas.h"

#include "ViewKit/VKChart.h"
#include "ViewKit/VKTheme.h"

#include <QColor>
#include <QPalette>
#include <QRectF>
#include <QRegion>
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
    // Grid lines of the chart at these values; none: automatic lines (gridDesiredCount).
    std::vector<double> gridValues;
    std::vector<UsageLegend> legends;
    std::optional<UsageCounts> counts;

    static constexpr qreal gaugeTopPadding = 8;
    static constexpr qreal gaugeTrailingPadding = 16;
    static constexpr qreal gaugeLineWidth = 8;
    static constexpr qreal chartHeight = 48;
    static constexpr int gridDesiredCount = 3;
    static constexpr qreal countsTopPadding = 8;

    // The parts of the counts line. Each number's rect is as wide as its whole text at `scale`: when the
    // line does not fit the stack at the full size, symbols, texts and gaps shrink together until it
    // does, so the numbers are never cut.
    struct CountsLayout
    {
        QRectF tasksSymbol;
        QRectF tasks;
        QRectF threadsSymbol;
        QRectF threads;
        QString tasksText;
        QString threadsText;
        qreal scale = 1;
    };

    // Where each part stands in a summary `width` points wide at the origin.
    struct Layout
    {
        QRectF gauge;
        QRectF caption;
        QRectF chart;
        std::vector<QRectF> legends;
        // The parts of each legend line a sample repaints apart: the mark with the label, and the room
        // of the value beside it. Where the value would crowd the label, both are the whole line.
        std::vector<QRectF> legendLabels;
        std::vector<QRectF> legendValues;
        std::optional<QRectF> counts;
        std::optional<CountsLayout> countsParts;
        qreal height = 0;
    };
    Layout layout(qreal width, int sizeClass) const;
    // The narrowest width at which every caption, legend and counts text shows whole at its full size.
    qreal idealWidth(int sizeClass) const;
    // The height of the summary; it does not depend on the width.
    qreal height(int sizeClass) const { return layout(0, sizeClass).height; }
    // The height the processor and the memory card give their summaries, side by side in the window:
    // the taller of the two shapes (two legends and the counts line, or four legends), so that the
    // dividers and the lists under them start on one line.
    static qreal cardHeight(int sizeClass);

    // Paints the summary in rect; with `exposed`, only the parts that reach into it.
    void paint(QPainter& painter, const QRectF& rect, int sizeClass, ViewKit::VKColorScheme scheme,
               const QPalette& palette, const std::optional<QRegion>& exposed = std::nullopt) const;
    // The parts of the summary painted in rect, each with the rect its drawing stays in and the key of
    // what it shows, in a fixed order: a sample repaints only the parts it changed.
    std::vector<CardCanvas::Part> parts(const QRectF& rect, int sizeClass) const;

    // Fonts of the parts.
    static QFont captionFont();
    static QFont legendFont();
    static QFont countsFont();
};

} // namespace Kestrion
