#include "Canvas.h"

#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKPercentText.h"
#include "ViewKit/VKProgressView.h"
#include "ViewKit/VKStackedGaugeView.h"
#include "ViewKit/VKTheme.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using namespace ViewKit;

namespace {

constexpr qreal ratios[] = {1.0, 2.0};
const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255);

QImage renderGauge(std::vector<double> values, std::vector<QColor> colors, qreal ratio)
{
    QImage image = makeCanvas(QSize(100, 100), ratio);
    QPainter painter(&image);
    paintStackedGauge(painter, QRectF(0, 0, 100, 100), values, colors, 10, false, QFont(), Qt::black,
                      VKColorScheme::light);
    return image;
}

// The pixel on the ring's centre line at a clock angle: degrees clockwise from 12 o'clock.
QColor ringAt(const QImage& image, double clockDegrees)
{
    const double a = clockDegrees * std::numbers::pi / 180;
    const double radius = 45;  // (100 - 10) / 2
    return pixelAt(image, QPointF(50 + radius * std::sin(a), 50 - radius * std::cos(a)));
}

} // namespace

TEST(ArcAngles, TrimsFromTwelveClockwise)
{
    const VKArcAngles quarter = qtArcAngles(0, 0.25, -90);
    EXPECT_DOUBLE_EQ(quarter.start, 90);   // 12 o'clock in Qt's counter-clockwise degrees
    EXPECT_DOUBLE_EQ(quarter.span, -90);   // clockwise on screen
    const VKArcAngles second = qtArcAngles(0.25, 0.5, -90);
    EXPECT_DOUBLE_EQ(second.start, 0);     // 3 o'clock
    EXPECT_TRUE(trimmedCircle(QRectF(0, 0, 10, 10), 0.5, 0.5, -90).isEmpty());
}

TEST(StackedGauge, SegmentsRunClockwiseFromTwelve)
{
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        const QImage image = renderGauge({0.25, 0.25, 0.5}, {red, green, blue}, ratio);
        EXPECT_TRUE(isOpaque(ringAt(image, 5), red));     // just after 12
        EXPECT_TRUE(isOpaque(ringAt(image, 85), red));    // just before 3
        EXPECT_TRUE(isOpaque(ringAt(image, 95), green));  // just after 3
        EXPECT_TRUE(isOpaque(ringAt(image, 175), green)); // just before 6
        EXPECT_TRUE(isOpaque(ringAt(image, 185), blue));  // just after 6
        EXPECT_TRUE(isOpaque(ringAt(image, 270), blue));  // 9
        EXPECT_TRUE(isOpaque(ringAt(image, 355), blue));  // just before 12
    }
}

TEST(StackedGauge, OneSegmentLeavesTheRestOfTheTrackFaint)
{
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        const QImage image = renderGauge({0.25}, {red}, ratio);
        EXPECT_TRUE(isOpaque(ringAt(image, 45), red));  // 1:30 is inside 12...3 clockwise
        const QColor counter = ringAt(image, 315);       // 10:30 is not
        EXPECT_FALSE(sameRgb(counter, red, 40));
        EXPECT_GT(counter.alpha(), 0);
        EXPECT_LT(counter.alpha(), 255);
    }
}

TEST(StackedGauge, ColoursCycleAndTurnsAreLimited)
{
    // Values 0.1 and 0.2 with one colour: both in that colour.
    QImage image = renderGauge({0.1, 0.2}, {red}, 1);
    EXPECT_TRUE(isOpaque(ringAt(image, 20), red));
    EXPECT_TRUE(isOpaque(ringAt(image, 90), red));
    EXPECT_FALSE(isOpaque(ringAt(image, 120), red));
    // More than a full turn: the second segment only fills what is left of the turn.
    image = renderGauge({0.75, 0.5}, {red, green}, 1);
    EXPECT_TRUE(isOpaque(ringAt(image, 300), green));
    EXPECT_TRUE(isOpaque(ringAt(image, 20), red));
    EXPECT_EQ(percentText(gaugeTotal(std::vector<double>{0.75, 0.5})), QStringLiteral("100 %"));
}

TEST(StackedGauge, NoColoursOrBadValuesDrawOnlyTheTrack)
{
    const QImage none = renderGauge({0.5, 0.5}, {}, 1);
    EXPECT_LT(ringAt(none, 90).alpha(), 255);
    EXPECT_GT(ringAt(none, 90).alpha(), 0);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QImage bad = renderGauge({nan, 0.25}, {green, red}, 1);
    EXPECT_TRUE(isOpaque(ringAt(bad, 45), red));  // the not-a-number value counts as 0
    EXPECT_EQ(gaugeTotal(std::vector<double>{nan, 0.25}), 0.25);
}

TEST(PercentTexts, RoundedAndWholePartForms)
{
    EXPECT_EQ(percentText(0.424), QStringLiteral("42 %"));
    EXPECT_EQ(percentText(0), QStringLiteral("0 %"));
    EXPECT_EQ(percentText(1.3), QStringLiteral("100 %"));
    EXPECT_EQ(percentText(0.1 + 0.2), QStringLiteral("30 %"));
    EXPECT_EQ(percentText(gaugeTotal(std::vector<double>{})), QStringLiteral("0 %"));
    EXPECT_EQ(integerPercentText(12.9), QStringLiteral("12%"));
    EXPECT_EQ(integerPercentText(30.2), QStringLiteral("30%"));
    EXPECT_EQ(integerPercentText(99.99), QStringLiteral("99%"));
    EXPECT_EQ(integerPercentText(0), QStringLiteral("0%"));
    EXPECT_EQ(integerPercentText(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("-%"));
    EXPECT_EQ(integerPercentText(1e300), QStringLiteral("-%"));
}

TEST(ProgressBar, ValueRangeAndFaults)
{
    EXPECT_DOUBLE_EQ(progressFor(0.5, std::nullopt), 0.5);
    EXPECT_DOUBLE_EQ(progressFor(50, VKClosedRange{0, 100}), 0.5);
    EXPECT_DOUBLE_EQ(progressFor(100, VKClosedRange{50, 150}), 1.0);  // the lower bound is not subtracted
    EXPECT_DOUBLE_EQ(progressFor(5, VKClosedRange{3, 3}), 0.0);
    EXPECT_DOUBLE_EQ(progressFor(std::numeric_limits<double>::quiet_NaN(), std::nullopt), 0.0);
    EXPECT_DOUBLE_EQ(progressFor(std::numeric_limits<double>::infinity(), VKClosedRange{0, 100}), 0.0);
    EXPECT_FALSE(markerFraction(std::nullopt, std::nullopt));
    EXPECT_DOUBLE_EQ(*markerFraction(0.8, std::nullopt), 0.8);
    EXPECT_FALSE(markerFraction(1, VKClosedRange{2, 2}));
}

TEST(ProgressBar, FillTrackAndMarker)
{
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        QImage image = makeCanvas(QSize(200, 10), ratio);
        QPainter painter(&image);
        paintProgressBar(painter, QRectF(0, 0, 100, 10), red, 0.5, markerFraction(0.8, std::nullopt), std::nullopt,
                         QFont(), VKColorScheme::light);
        painter.end();
        EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(25, 5)), red));
        EXPECT_FALSE(sameRgb(pixelAt(image, QPointF(60, 5)), red, 40));
        EXPECT_LT(pixelAt(image, QPointF(60, 5)).alpha(), 255);
        // The marker covers 78...80.
        EXPECT_EQ(pixelAt(image, QPointF(78.25, 5)).alpha(), 255);
        EXPECT_EQ(pixelAt(image, QPointF(79.75, 5)).alpha(), 255);
        EXPECT_LT(pixelAt(image, QPointF(77.75, 5)).alpha(), 255);
        EXPECT_LT(pixelAt(image, QPointF(80.25, 5)).alpha(), 255);
        EXPECT_EQ(pixelAt(image, QPointF(150, 5)).alpha(), 0);
    }
    // Past 1 the fill runs beyond the track.
    QImage image = makeCanvas(QSize(200, 10), 1);
    QPainter painter(&image);
    paintProgressBar(painter, QRectF(0, 0, 100, 10), red, 1.3, std::nullopt, 1.3, QFont(), VKColorScheme::light);
    painter.end();
    EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(125, 5)), red));
    EXPECT_EQ(pixelAt(image, QPointF(135, 5)).alpha(), 0);
}

TEST(ProgressBar, PercentTextIsReadableOverFillAndTrack)
{
    // A bar on a card: white text over the fill, and over the light grey track a text as readable as
    // any other on the card, in both schemes.
    for (VKColorScheme scheme : {VKColorScheme::light, VKColorScheme::dark}) {
        SCOPED_TRACE(int(scheme));
        const QColor card = scheme == VKColorScheme::light ? QColor(Qt::white) : QColor(50, 50, 50);
        const QColor accent = VKTheme::color(VKNamedColor::accent, scheme);
        QFont font = VKTheme::font(VKTextStyle::callout, QFont::Bold);
        for (double fill : {0.05, 0.95}) {
            SCOPED_TRACE(fill);
            QImage image(300, 24, QImage::Format_ARGB32_Premultiplied);
            image.fill(card);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            paintProgressBar(painter, QRectF(0, 0, 300, 24), accent, fill, std::nullopt, fill, font, scheme);
            painter.end();
            // The text stands in the middle; the bar's own colour there is read beside it.
            const QColor under = image.pixelColor(fill < 0.5 ? 290 : 10, 12);
            const double best = strongestContrast(image, QRect(120, 2, 60, 20), under);
            EXPECT_GE(best, fill < 0.5 ? 4.5 : 3.5);
        }
    }
}

TEST(ProgressBar, WidgetStoresTheDividedValue)
{
    VKProgressView view;
    view.setRange(VKClosedRange{0, 100});
    view.setValue(42);
    EXPECT_DOUBLE_EQ(view.progress(), 0.42);
    EXPECT_DOUBLE_EQ(view.shownProgress(), 0.42);  // no duration: at once
}
