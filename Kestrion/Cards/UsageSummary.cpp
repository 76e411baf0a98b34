#include "Kestrion/Cards/UsageSummary.h"

#include "Kestrion/Cards/CardView.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "ViewKit/VKLegendView.h"
#include "ViewKit/VKStackedGaugeView.h"
#include "ViewKit/VKTextMeasures.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <limits>

namespace Kestrion {

using ViewKit::VKTheme;
using ViewKit::VKTextStyle;

namespace {
constexpr qreal legendMarkSide = 12;

// How far a part's drawing may reach past its rect: antialiased edges, strokes centred on the rect's
// edge and glyphs overhanging their advance.
constexpr qreal partReach = 4;

QRectF reach(const QRectF& rect)
{
    return rect.adjusted(-partReach, -partReach, partReach, partReach);
}

void addKey(QByteArray& key, const void* data, std::size_t size)
{
    key.append(static_cast<const char*>(data), qsizetype(size));
}

void addKey(QByteArray& key, const QString& text)
{
    addKey(key, text.constData(), std::size_t(text.size()) * sizeof(QChar));
    key.append('\0');
}

void addKey(QByteArray& key, const QColor& color)
{
    const QRgb rgba = color.rgba();
    addKey(key, &rgba, sizeof rgba);
}

qreal lineHeight(const QFont& font)
{
    return QFontMetricsF(font).height();
}

// The counts line in `line`: symbol, tasks, symbol, threads, with the default spacing between them, all
// scaled down together when the line is wider than `line`. The parts stay vertically centred.
UsageSummary::CountsLayout countsLayout(const UsageCounts& counts, const QRectF& line)
{
    UsageSummary::CountsLayout parts;
    parts.tasksText = QString::number(counts.tasks);
    parts.threadsText = QString::number(counts.threads);
    const QFont font = UsageSummary::countsFont();
    const qreal side = line.height();
    const qreal spacing = VKTheme::defaultSpacing;
    const qreal tasksWidth = ViewKit::VKTextMeasures::width(font, parts.tasksText);
    const qreal threadsWidth = ViewKit::VKTextMeasures::width(font, parts.threadsText);
    const qreal needed = 2 * side + tasksWidth + threadsWidth + 3 * spacing;
    if (needed > line.width())
        parts.scale = std::max<qreal>(0, line.width()) / needed;
    const qreal s = parts.scale;
    const qreal top = line.center().y() - side * s / 2;
    qreal x = line.left();
    auto next = [&](qreal width) {
        const QRectF r(x, top, width * s, side * s);
        x += (width + spacing) * s;
        return r;
    };
    parts.tasksSymbol = next(side);
    parts.tasks = next(tasksWidth);
    parts.threadsSymbol = next(side);
    parts.threads = next(threadsWidth);
    return parts;
}
} // namespace

QFont UsageSummary::captionFont()
{
    return VKTheme::font(VKTextStyle::callout, QFont::Medium);
}

QFont UsageSummary::legendFont()
{
    return VKTheme::font(VKTextStyle::body);
}

QFont UsageSummary::countsFont()
{
    return VKTheme::font(VKTextStyle::body);
}

UsageSummary::Layout UsageSummary::layout(qreal width, int sizeClass) const
{
    Layout result;
    const qreal side = CardView::gaugeSize(sizeClass);
    const qreal spacing = VKTheme::defaultSpacing;
    result.gauge = QRectF(0, gaugeTopPadding, side, side);

    const qreal x = side + gaugeTrailingPadding + spacing;
    const qreal stackWidth = std::max<qreal>(0, width - x);
    qreal y = 0;
    const qreal captionHeight = lineHeight(captionFont());
    result.caption = QRectF(x, y, stackWidth, captionHeight);
    y += captionHeight + spacing;
    result.chart = QRectF(x, y, stackWidth, chartHeight);
    y += chartHeight;
    const qreal legendHeight = std::max(legendMarkSide, lineHeight(legendFont()));
    const QFont legendText = legendFont();
    for (const UsageLegend& legend : legends) {
        y += spacing + legend.topPadding;
        const QRectF line(x, y, stackWidth, legendHeight);
        result.legends.push_back(line);
        // The label ends where its whole text does; the value's room starts far enough past it that
        // neither part's reach meets the other's, and it holds the value only while the value stays
        // clear of the label by the default spacing, the label's room in the line.
        const qreal labelEnd = ViewKit::legendLabelLeft(line) + ViewKit::VKTextMeasures::width(legendText, legend.label);
        const qreal valueStart = labelEnd + 2 * partReach + 2;
        const QRectF value = ViewKit::legendValueRect(line, legend.value, legendText);
        if (value.left() - spacing >= valueStart && labelEnd <= line.right()) {
            result.legendLabels.emplace_back(line.left(), y, labelEnd - line.left(), legendHeight);
            result.legendValues.emplace_back(valueStart, y, line.right() - valueStart, legendHeight);
        } else {
            result.legendLabels.push_back(line);
            result.legendValues.push_back(line);
        }
        y += legendHeight;
    }
    if (counts) {
        y += spacing + countsTopPadding;
        const qreal countsHeight = lineHeight(countsFont());
        result.counts = QRectF(x, y, stackWidth, countsHeight);
        result.countsParts = countsLayout(*counts, *result.counts);
        y += countsHeight;
    }
    result.height = std::max(y, result.gauge.bottom());
    return result;
}

qreal UsageSummary::cardHeight(int sizeClass)
{
    UsageSummary processor;
    processor.legends = {UsageLegend{{}, {}, {}, 16}, UsageLegend{{}, {}, {}, 8}};
    processor.counts = UsageCounts{};
    UsageSummary memory;
    memory.legends = {UsageLegend{{}, {}, {}, 16}, UsageLegend{}, UsageLegend{}, UsageLegend{}};
    return std::max(processor.height(sizeClass), memory.height(sizeClass));
}

qreal UsageSummary::idealWidth(int sizeClass) const
{
    const qreal spacing = VKTheme::defaultSpacing;
    qreal stack = QFontMetricsF(captionFont()).horizontalAdvance(caption);
    const QFontMetricsF legendMetrics(legendFont());
    for (const UsageLegend& legend : legends) {
        stack = std::max(stack, legendMarkSide + spacing + legendMetrics.horizontalAdvance(legend.label) + spacing +
                                    legendMetrics.horizontalAdvance(legend.value));
    }
    if (counts) {
        // At an unlimited width the line keeps its full size and starts at 0: its last rect ends at its width.
        const CountsLayout line = countsLayout(*counts, QRectF(0, 0, std::numeric_limits<qreal>::max(),
                                                               lineHeight(countsFont())));
        stack = std::max(stack, line.threads.right());
    }
    return CardView::gaugeSize(sizeClass) + gaugeTrailingPadding + spacing + stack;
}

std::vector<CardCanvas::Part> UsageSummary::parts(const QRectF& rect, int sizeClass) const
{
    const Layout shape = layout(rect.width(), sizeClass);
    const QPointF origin = rect.topLeft();
    auto placed = [&origin](const QRectF& r) { return reach(r.translated(origin)); };
    std::vector<CardCanvas::Part> result;

    CardCanvas::Part gauge{placed(shape.gauge), {}};
    addKey(gauge.key, gaugeValues.data(), gaugeValues.size() * sizeof(double));
    for (const QColor& color : gaugeColors)
        addKey(gauge.key, color);
    result.push_back(std::move(gauge));

    CardCanvas::Part captionPart{placed(shape.caption), {}};
    addKey(captionPart.key, caption);
    result.push_back(std::move(captionPart));

    CardCanvas::Part chart{placed(shape.chart), {}};
    addKey(chart.key, history.data(), history.size() * sizeof(double));
    chart.key.append('|');
    addKey(chart.key, &domain, sizeof domain);
    addKey(chart.key, gridValues.data(), gridValues.size() * sizeof(double));
    result.push_back(std::move(chart));

    for (std::size_t i = 0; i < legends.size() && i < shape.legends.size(); ++i) {
        const bool apart = shape.legendLabels[i] != shape.legendValues[i];
        CardCanvas::Part label{placed(shape.legendLabels[i]), {}};
        addKey(label.key, legends[i].color);
        addKey(label.key, legends[i].label);
        // Sharing the line, the label is shortened by the value's width.
        if (!apart)
            addKey(label.key, legends[i].value);
        result.push_back(std::move(label));
        CardCanvas::Part value{placed(shape.legendValues[i]), {}};
        addKey(value.key, legends[i].value);
        result.push_back(std::move(value));
    }

    if (shape.counts) {
        CardCanvas::Part line{placed(*shape.counts), {}};
        if (shape.countsParts) {
            addKey(line.key, shape.countsParts->tasksText);
            addKey(line.key, shape.countsParts->threadsText);
            addKey(line.key, &shape.countsParts->scale, sizeof(qreal));
        }
        result.push_back(std::move(line));
    }
    return result;
}

void UsageSummary::paint(QPainter& painter, const QRectF& rect, int sizeClass, ViewKit::VKColorScheme scheme,
                         const QPalette& palette, const std::optional<QRegion>& exposed) const
{
    Layout parts = layout(rect.width(), sizeClass);
    const QPointF origin = rect.topLeft();
    auto placed = [&origin](const QRectF& r) { return r.translated(origin); };
    // A part is drawn when its reach meets what is repainted.
    auto shown = [&](const QRectF& r) { return !exposed || exposed->intersects(reach(placed(r)).toAlignedRect()); };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    if (shown(parts.gauge))
        ViewKit::paintStackedGauge(painter, placed(parts.gauge), gaugeValues, gaugeColors, gaugeLineWidth, true,
                                   VKTheme::font(VKTextStyle::title2), VKTheme::primaryText(scheme), scheme);

    if (shown(parts.caption)) {
        painter.setFont(captionFont());
        painter.setPen(VKTheme::secondaryText(scheme));
        ViewKit::VKTextMeasures::draw(painter, placed(parts.caption), Qt::AlignLeft | Qt::AlignVCenter, caption);
    }

    if (shown(parts.chart)) {
        ViewKit::VKAreaLineChart chart = ViewKit::VKAreaLineChart::standard(scheme, palette);
        chart.domain = domain;
        chart.gridDesiredCount = gridDesiredCount;
        chart.gridValues = gridValues;
        ViewKit::paintAreaLineChart(painter, placed(parts.chart), history, chart);
    }

    for (size_t i = 0; i < legends.size(); ++i) {
        const UsageLegend& legend = legends[i];
        if (shown(parts.legendLabels[i])) {
            ViewKit::paintLegend(painter, placed(parts.legends[i]), legend.color, legend.label, legend.value,
                                 legendFont(), VKTheme::secondaryText(scheme), VKTheme::primaryText(scheme));
        } else if (shown(parts.legendValues[i])) {
            // A new value beside a label that stays as it is.
            ViewKit::paintLegendValue(painter, placed(parts.legends[i]), legend.value, legendFont(),
                                      VKTheme::primaryText(scheme));
        }
    }

    if (parts.countsParts && parts.countsParts->scale > 0 && (!parts.counts || shown(*parts.counts))) {
        const CountsLayout& line = *parts.countsParts;
        const QColor symbolColor = VKTheme::primaryText(scheme);
        const QColor textColor = VKTheme::secondaryText(scheme);
        painter.setFont(countsFont());
        BaseKit::SymbolGlyphs::draw(painter, placed(line.tasksSymbol), QStringLiteral("app"), symbolColor);
        BaseKit::SymbolGlyphs::draw(painter, placed(line.threadsSymbol), QStringLiteral("circle.hexagonpath"),
                                    symbolColor);
        auto number = [&](const QRectF& r, const QString& text) {
            // Drawn at the full size and scaled with the painter, so the text keeps the width the
            // layout gave it.
            const QRectF target = placed(r);
            painter.save();
            painter.setPen(textColor);
            painter.translate(target.topLeft());
            painter.scale(line.scale, line.scale);
            ViewKit::VKTextMeasures::draw(painter,
                                          QRectF(0, 0, target.width() / line.scale, target.height() / line.scale),
                                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, text);
            painter.restore();
        };
        number(line.tasks, line.tasksText);
        number(line.threads, line.threadsText);
    }
    painter.restore();
}

} // namespace Kestrion
