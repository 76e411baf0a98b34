#include "Kestrion/Cards/UsageSummary.h"

#include "Kestrion/Cards/CardView.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "ViewKit/VKLegendView.h"
#include "ViewKit/VKStackedGaugeView.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace Kestrion {

using ViewKit::VKTheme;
using ViewKit::VKTextStyle;

namespace {
constexpr qreal legendMarkSide = 12;

qreal lineHeight(const QFont& font)
{
    return QFontMetricsF(font).height();
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
    for (const UsageLegend& legend : legends) {
        y += spacing + legend.topPadding;
        result.legends.emplace_back(x, y, stackWidth, legendHeight);
        y += legendHeight;
    }
    if (counts) {
        y += spacing + countsTopPadding;
        const qreal countsHeight = lineHeight(countsFont());
        result.counts = QRectF(x, y, stackWidth, countsHeight);
        y += countsHeight;
    }
    result.height = std::max(y, result.gauge.bottom());
    return result;
}

void UsageSummary::paint(QPainter& painter, const QRectF& rect, int sizeClass, ViewKit::VKColorScheme scheme,
                         const QPalette& palette) const
{
    Layout parts = layout(rect.width(), sizeClass);
    const QPointF origin = rect.topLeft();
    auto placed = [&origin](const QRectF& r) { return r.translated(origin); };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    ViewKit::paintStackedGauge(painter, placed(parts.gauge), gaugeValues, gaugeColors, gaugeLineWidth, true,
                               VKTheme::font(VKTextStyle::title2), VKTheme::primaryText(scheme), scheme);

    painter.setFont(captionFont());
    painter.setPen(VKTheme::secondaryText(scheme));
    painter.drawText(placed(parts.caption), Qt::AlignLeft | Qt::AlignVCenter, caption);

    ViewKit::VKAreaLineChart chart = ViewKit::VKAreaLineChart::standard(scheme, palette);
    chart.domain = domain;
    chart.gridDesiredCount = gridDesiredCount;
    ViewKit::paintAreaLineChart(painter, placed(parts.chart), history, chart);

    for (size_t i = 0; i < legends.size(); ++i) {
        const UsageLegend& legend = legends[i];
        ViewKit::paintLegend(painter, placed(parts.legends[i]), legend.color, legend.label, legend.value,
                             legendFont(), VKTheme::secondaryText(scheme), VKTheme::primaryText(scheme));
    }

    if (counts && parts.counts) {
        const QRectF line = placed(*parts.counts);
        const QFont font = countsFont();
        const QFontMetricsF metrics(font);
        const qreal symbolSide = line.height();
        const QColor symbolColor = VKTheme::primaryText(scheme);
        const QColor textColor = VKTheme::secondaryText(scheme);
        painter.setFont(font);
        qreal x = line.left();
        auto symbol = [&](const char* name) {
            BaseKit::SymbolGlyphs::draw(painter, QRectF(x, line.top(), symbolSide, symbolSide),
                                        QString::fromLatin1(name), symbolColor);
            x += symbolSide + VKTheme::defaultSpacing;
        };
        auto number = [&](std::int64_t value) {
            const QString text = QString::number(value);
            painter.setPen(textColor);
            painter.drawText(QRectF(x, line.top(), std::max<qreal>(0, line.right() - x), line.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, text);
            x += metrics.horizontalAdvance(text) + VKTheme::defaultSpacing;
        };
        symbol("app");
        number(counts->tasks);
        symbol("circle.hexagonpath");
        number(counts->threads);
    }
    painter.restore();
}

} // namespace Kestrion
