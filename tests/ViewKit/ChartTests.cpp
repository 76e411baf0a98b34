#include "Canvas.h"

#include "ViewKit/VKChart.h"
#include "ViewKit/VKGraphView.h"
#include "ViewKit/VKLegendView.h"
#include "ViewKit/VKTheme.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>

#include <algorithm>
#include <limits>

using namespace ViewKit;

namespace {

constexpr qreal ratios[] = {1.0, 2.0};
const QColor lineColor(255, 0, 0);

VKAreaLineChart testChart()
{
    VKAreaLineChart chart;
    chart.domain = VKChartDomain{0, 100};
    chart.areaColor = QColor(0, 0, 255, 40);
    chart.lineColor = lineColor;
    chart.gridColor = QColor(0, 255, 0);
    return chart;
}

QImage renderChart(const std::vector<double>& values, const VKAreaLineChart& chart, qreal ratio)
{
    QImage image = makeCanvas(QSize(120, 50), ratio);
    QPainter painter(&image);
    paintAreaLineChart(painter, QRectF(0, 0, 120, 50), values, chart);
    return image;
}

} // namespace

TEST(ChartScale, NiceTicksAndAutomaticDomain)
{
    EXPECT_EQ(niceTicks(0, 100, 3), (std::vector<double>{0, 50, 100}));
    EXPECT_EQ(niceTicks(0, 1, 3), (std::vector<double>{0, 0.5, 1}));
    EXPECT_TRUE(niceTicks(5, 5, 3).empty());
    EXPECT_TRUE(niceTicks(0, std::numeric_limits<double>::infinity(), 3).empty());
    const double gib16 = 16.0 * 1024 * 1024 * 1024;
    const auto memory = niceTicks(0, gib16, 3);
    ASSERT_GE(memory.size(), 2u);
    EXPECT_EQ(memory.front(), 0);
    EXPECT_LE(memory.back(), gib16);

    const VKChartDomain zeros = automaticDomain(std::vector<double>(30, 0.0));
    EXPECT_EQ(zeros.lower, 0);
    EXPECT_EQ(zeros.upper, 1);
    const VKChartDomain empty = automaticDomain({});
    EXPECT_EQ(empty.upper, 1);
    const VKChartDomain some = automaticDomain(std::vector<double>{3, 47, 12});
    EXPECT_EQ(some.lower, 0);
    EXPECT_GE(some.upper, 47);
}

TEST(ChartScale, AutomaticDomainEndsOnTheMarkAboveTheLargestValue)
{
    // An upload curve at 12 MB/s under marks of 0, 5 and 10 MB/s ran above the top line, and a flat
    // curve at its maximum lay on the chart's top edge.
    auto check = [](const std::vector<double>& values) {
        const double largest = *std::max_element(values.begin(), values.end());
        const VKChartDomain domain = automaticDomain(values, 3);
        const std::vector<double> marks = niceTicks(domain.lower, domain.upper, 3);
        ASSERT_GE(marks.size(), 2u) << largest;
        EXPECT_GT(domain.upper, largest) << largest;
        EXPECT_DOUBLE_EQ(marks.back(), domain.upper) << largest;
        EXPECT_EQ(marks.front(), 0) << largest;
    };
    std::vector<double> upload(30, 3e6);
    upload[20] = 12e6;
    check(upload);
    EXPECT_EQ(automaticDomain(upload, 3).upper, 15e6);
    check(std::vector<double>(30, 10e6));
    check(std::vector<double>(30, 1));
    for (double largest = 1; largest < 1e12; largest *= 1.37)
        check({0, largest, largest / 3});
    for (int largest = 1; largest <= 1000; ++largest)
        check({double(largest)});
}

TEST(ChartCurve, PassesThroughEveryPointAndKeepsStraightRunsStraight)
{
    const std::vector<QPointF> points{{0, 10}, {10, 30}, {20, 5}, {35, 40}, {40, 40}};
    const QPainterPath path = catmullRomPath(points);
    ASSERT_EQ(path.elementCount(), 1 + 3 * int(points.size() - 1));
    for (size_t i = 0; i < points.size(); ++i)
        EXPECT_EQ(QPointF(path.elementAt(int(i == 0 ? 0 : 3 * i))), points[i]);

    const std::vector<QPointF> straight{{0, 0}, {10, 10}, {20, 20}, {30, 30}};
    const QPainterPath line = catmullRomPath(straight);
    for (qreal t : {0.1, 0.3, 0.5, 0.7, 0.9}) {
        const QPointF p = line.pointAtPercent(t);
        EXPECT_NEAR(p.x(), p.y(), 1e-6);
    }
    EXPECT_EQ(catmullRomPath(std::vector<QPointF>{{4, 4}}).elementCount(), 1);
}

TEST(ChartPoints, NewestStandsAtTheRightEdge)
{
    std::vector<double> history(30, 0.0);
    history.back() = 100;
    const auto points = chartPoints(QRectF(0, 0, 120, 50), history, VKChartDomain{0, 100});
    EXPECT_EQ(points.front(), QPointF(0, 50));
    EXPECT_EQ(points.back(), QPointF(120, 0));
}

TEST(AreaLineChart, LastHistoryPointIsDrawnAtTheRightEdge)
{
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        std::vector<double> history(30, 20.0);
        history.back() = 60;
        const QImage image = renderChart(history, testChart(), ratio);
        // y of 60 in 0...100 over 50 points is 20.
        const QColor edge = pixelAt(image, QPointF(119.6, 20));
        EXPECT_GT(edge.red(), 200);
        EXPECT_GT(edge.alpha(), 200);
        // Under the curve: the area tint; above it: nothing.
        EXPECT_TRUE(sameRgb(pixelAt(image, QPointF(50, 45)), QColor(0, 0, 255), 2));
        EXPECT_EQ(pixelAt(image, QPointF(50, 10)).alpha(), 0);
    }
}

TEST(AreaLineChart, EmptyAndSingleSeriesDrawNoMarks)
{
    VKAreaLineChart chart = testChart();
    for (const std::vector<double>& series : {std::vector<double>{}, std::vector<double>{50}}) {
        const QImage image = renderChart(series, chart, 1);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_EQ(image.pixelColor(x, y).alpha(), 0);
    }
}

TEST(AreaLineChart, GridLinesAreDashedTwoOnTwoOff)
{
    VKAreaLineChart chart = testChart();
    chart.gridDesiredCount = 3;  // 0, 50, 100
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        const QImage image = renderChart({}, chart, ratio);
        // The line at 50 lies on y = 25, one point wide: sample the row just below it.
        const qreal y = 25.25;
        EXPECT_GT(pixelAt(image, QPointF(0.5, y)).alpha(), 0);
        EXPECT_GT(pixelAt(image, QPointF(1.5, y)).alpha(), 0);
        EXPECT_EQ(pixelAt(image, QPointF(2.5, y)).alpha(), 0);
        EXPECT_EQ(pixelAt(image, QPointF(3.5, y)).alpha(), 0);
        EXPECT_GT(pixelAt(image, QPointF(4.5, y)).alpha(), 0);
        EXPECT_EQ(pixelAt(image, QPointF(10, 12)).alpha(), 0);  // no line between the marks
    }
}

TEST(AreaLineChart, NotFiniteValuesStandAtTheBottom)
{
    std::vector<double> history{10, std::numeric_limits<double>::quiet_NaN(), 10};
    const auto points = chartPoints(QRectF(0, 0, 100, 100), history, VKChartDomain{0, 100});
    EXPECT_EQ(points[1].y(), 100);
}

TEST(BarChart, BarsInListOrderWithTheirColours)
{
    const std::vector<VKBar> bars{{0.5, QColor(255, 0, 0)}, {1.0, QColor(0, 0, 255)},
                                  {std::numeric_limits<double>::quiet_NaN(), QColor(0, 255, 0)}};
    QImage image = makeCanvas(QSize(90, 100), 2);
    QPainter painter(&image);
    const std::vector<double> grid{0.0, 0.5, 1.0};
    paintBarChart(painter, QRectF(0, 0, 90, 100), bars, VKChartDomain{0, 1}, grid, QColor(0, 0, 0));
    painter.end();
    EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(15, 75)), QColor(255, 0, 0)));
    EXPECT_EQ(pixelAt(image, QPointF(15, 40)).alpha(), 0);
    EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(45, 10)), QColor(0, 0, 255)));
    EXPECT_EQ(pixelAt(image, QPointF(75, 75)).alpha(), 0);
}

TEST(GraphView, RendersItsSeriesInTheAccentColour)
{
    VKGraphView view({0, 10, 20, 30}, 80.0);
    EXPECT_EQ(view.maximumWidth(), 80);
    view.resize(80, 40);
    view.setPalette(VKTheme::palette(VKColorScheme::light));
    QImage image = makeCanvas(QSize(80, 40), 1);
    view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    // The automatic domain of 0...30 reaches to the next mark, 40: the last point stands a quarter of
    // the height below the top edge, and nothing is drawn above it.
    const QColor last = pixelAt(image, QPointF(79.5, 10.5));
    EXPECT_GT(last.alpha(), 100);
    EXPECT_GT(last.blue(), last.red());
    EXPECT_EQ(pixelAt(image, QPointF(79.5, 4.5)).alpha(), 0);
}

TEST(Legend, LabelAndRightText)
{
    VKLegendView legend(QColor(255, 45, 85), QStringLiteral("System"), QStringLiteral("12%"));
    EXPECT_EQ(legend.label(), QStringLiteral("System"));
    EXPECT_EQ(legend.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    legend.setKey(QStringLiteral("SYSTEM"));
    EXPECT_EQ(legend.label(), QStringLiteral("System"));  // the text wins over the key
    legend.setText(std::nullopt);
    EXPECT_EQ(legend.label(), QStringLiteral("SYSTEM"));  // an untranslated key shows as itself

    std::unique_ptr<VKLegendView> keyed(VKLegendView::withKey(Qt::blue, QStringLiteral("USER"), std::nullopt));
    EXPECT_EQ(keyed->label(), QStringLiteral("USER"));
    EXPECT_EQ(keyed->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);

    for (qreal ratio : ratios) {
        legend.resize(200, 16);
        QImage image = makeCanvas(QSize(200, 16), ratio);
        legend.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(6, 8)), QColor(255, 45, 85)));
        // The right text ends at the trailing edge: some ink in the last 20 points.
        bool ink = false;
        for (int x = int(180 * ratio); x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                ink = ink || image.pixelColor(x, y).alpha() > 0;
        EXPECT_TRUE(ink);
    }
}

namespace {
// The columns (logical points) that hold ink of one colour: label red, value blue, on a transparent canvas.
struct InkSpan {
    qreal left = std::numeric_limits<qreal>::max();
    qreal right = -1;
};

InkSpan inkOf(const QImage& image, bool (*matches)(const QColor&))
{
    InkSpan span;
    const qreal ratio = image.devicePixelRatio();
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (const QColor c = image.pixelColor(x, y); c.alpha() > 60 && matches(c)) {
                span.left = std::min(span.left, x / ratio);
                span.right = std::max(span.right, (x + 1) / ratio);
            }
    return span;
}
} // namespace

TEST(Legend, NarrowRowElidesTheLabelAndKeepsTheWholeValue)
{
    const QFont font = VKTheme::font(VKTextStyle::body);
    const QFontMetricsF metrics(font);
    const QString label = QStringLiteral("Compressed memory");
    const QString value = QStringLiteral("123.45 GB");
    const qreal valueWidth = metrics.horizontalAdvance(value);
    auto isLabel = [](const QColor& c) { return c.red() > c.blue() + 80 && c.red() > c.green() + 80; };
    auto isValue = [](const QColor& c) { return c.blue() > c.red() + 80 && c.blue() > c.green() + 80; };
    // Wide enough for everything; then so narrow that the label must be cut; then room for the value only.
    const qreal widths[] = {12 + 8 + metrics.horizontalAdvance(label) + 8 + valueWidth + 20,
                            12 + 8 + 40 + 8 + valueWidth, 12 + 8 + valueWidth};
    for (const qreal width : widths) {
        for (qreal ratio : ratios) {
            SCOPED_TRACE(testing::Message() << "width " << width << " ratio " << ratio);
            QImage image = makeCanvas(QSize(int(std::ceil(width)), 20), ratio);
            {
                QPainter painter(&image);
                paintLegend(painter, QRectF(0, 0, width, 20), Qt::green, label, value, font, Qt::red, Qt::blue);
            }
            const InkSpan valueInk = inkOf(image, isValue);
            const InkSpan labelInk = inkOf(image, isLabel);
            // The whole value, at the trailing edge.
            EXPECT_GE(valueInk.right, width - 2);
            EXPECT_LE(valueInk.left, width - valueWidth + 2);
            if (labelInk.right < 0)
                continue;  // no room left for any of the label
            EXPECT_GE(labelInk.left, 12 + 8 - 1);
            // At least the default spacing between the label's ink and the value's.
            EXPECT_LE(labelInk.right, valueInk.left - VKTheme::defaultSpacing + 2);
        }
    }
}

TEST(AreaLineChart, OnePixelGridLinesCoverWholePixelsInsideTheChart)
{
    const QRectF rect(0, 0, 40, 48);
    const std::vector<double> values{0, 50, 100};
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        QImage image = makeCanvas(QSize(40, 50), ratio);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            paintGridLines(painter, rect, VKChartDomain{0, 100}, values, QColor(Qt::black));
        }
        // Each line fills `ratio` whole device rows (one point) at full strength, inside the chart and
        // next to where its value lies, with clear rows around it.
        auto expectLine = [&](qreal y) {
            const int near = int(std::lround(y * ratio));
            std::vector<int> rows;
            for (int row = std::max(0, near - 3); row < std::min(near + 3, image.height()); ++row) {
                const int alpha = image.pixelColor(0, row).alpha();
                EXPECT_TRUE(alpha == 0 || alpha == 255) << "row " << row << " alpha " << alpha;
                if (alpha == 255)
                    rows.push_back(row);
            }
            ASSERT_EQ(rows.size(), size_t(ratio)) << "line at " << y;
            EXPECT_EQ(rows.back() - rows.front() + 1, int(ratio));
            EXPECT_GE(rows.front(), 0);
            EXPECT_LT(rows.back(), int(48 * ratio));
            EXPECT_LE(std::abs(rows.front() + ratio / 2 - y * ratio), ratio / 2 + 0.5);
        };
        expectLine(0);   // 100: the top edge keeps its whole line
        expectLine(24);  // 50
        expectLine(48);  // 0: the bottom edge keeps its whole line inside the chart
    }
}
