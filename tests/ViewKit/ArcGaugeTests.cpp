#include "WidgetCanvas.h"

#include "ViewKit/VKGauge.h"
#include "ViewKit/VKGaugeArcView.h"
#include "ViewKit/VKGaugeLowerArcProgressView.h"
#include "ViewKit/VKGaugeTickTextView.h"
#include "ViewKit/VKTheme.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using namespace ViewKit;

namespace {

constexpr qreal ratios[] = {1.0, 2.0};
const QColor dial(0, 160, 80);

// A 200 x 200 dial: main arcs 12 wide on a circle of radius 88, the lower arc 4 wide on radius 84,
// the scale's layer padded by 22 (ticks reach in from radius 78).
QImage renderDial(const VKGauge::Values& values, qreal ratio)
{
    QImage image = makeCanvas(QSize(200, 200), ratio);
    QPainter painter(&image);
    VKGauge::paint(painter, QRectF(0, 0, 200, 200), values, VKTheme::palette(VKColorScheme::light));
    return image;
}

// The pixel at a screen angle (0 right, clockwise) and a distance from the centre.
QColor at(const QImage& image, double degrees, double radius)
{
    const double a = degrees * std::numbers::pi / 180;
    return pixelAt(image, QPointF(100 + radius * std::cos(a), 100 + radius * std::sin(a)));
}

VKGauge::Values dialValues(float value)
{
    VKGauge::Values v;
    v.value = value;
    v.maxValue = 100;
    v.color = dial;
    v.showText = false;
    v.tickCount = 50;
    return v;
}

// Whether an opaque pixel of the colour lies within 2 points of that spot.
bool near(const QImage& image, double degrees, double radius, const QColor& color)
{
    const double a = degrees * std::numbers::pi / 180;
    const QPointF p(100 + radius * std::cos(a), 100 + radius * std::sin(a));
    return hasPixelNear(image, QRectF(p - QPointF(2, 2), QSizeF(4, 4)), color, 3);
}

bool anyOpaque(const QImage& image, const QColor& color)
{
    return hasPixelNear(image, QRectF(0, 0, 200, 200), color, 3);
}

} // namespace

TEST(ArcGauge, ArcIsOpenAtTheBottomAndFillsClockwiseFrom135Degrees)
{
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        const QImage image = renderDial(dialValues(50), ratio);
        EXPECT_EQ(at(image, 90, 88).alpha(), 0);              // the opening
        EXPECT_GT(at(image, 315, 88).alpha(), 0);             // the empty arc on the right
        EXPECT_FALSE(isOpaque(at(image, 315, 88), dial));     // ... not filled: 135 + 135 = 270 is the end
        EXPECT_TRUE(isOpaque(at(image, 150, 88), dial));      // just after the start
        EXPECT_TRUE(isOpaque(at(image, 260, 88), dial));      // just before the half
        EXPECT_FALSE(isOpaque(at(image, 285, 88), dial));
    }
}

TEST(ArcGauge, ValueAboveTheMaximumStopsAtTheEndOfTheScale)
{
    const QImage image = renderDial(dialValues(250), 1);
    EXPECT_TRUE(isOpaque(at(image, 40, 88), dial));   // just before 45
    EXPECT_FALSE(isOpaque(at(image, 60, 88), dial));  // the opening stays empty
    EXPECT_EQ(at(image, 90, 88).alpha(), 0);
}

TEST(ArcGauge, NoProgressArcForValuesThatAreNotPositiveOrNotFiniteOrWithoutAMaximum)
{
    for (float value : {0.0f, -0.5f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        SCOPED_TRACE(value);
        EXPECT_FALSE(VKGauge::progress(value, 100));
        EXPECT_FALSE(anyOpaque(renderDial(dialValues(value), 1), dial));
    }
    // A maximum of 0 or less (or not finite) draws no arc instead of a full one.
    for (float max : {0.0f, -10.0f, std::numeric_limits<float>::quiet_NaN()}) {
        VKGauge::Values v = dialValues(50);
        v.maxValue = max;
        EXPECT_FALSE(VKGauge::progress(50, max));
        EXPECT_FALSE(anyOpaque(renderDial(v, 1), dial));
    }
    EXPECT_FLOAT_EQ(*VKGauge::progress(25, 200), 0.125f);
}

TEST(ArcGauge, CentreNumberIsTheWholePartTowardsZero)
{
    EXPECT_EQ(VKGauge::wholePart(42.9), 42);
    EXPECT_EQ(VKGauge::wholePart(-0.5), 0);
    EXPECT_EQ(VKGauge::wholePart(-3.7), -3);
    EXPECT_EQ(VKGauge::wholePart(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(VKGauge::wholePart(-std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(VKGauge::wholePart(1e30), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(VKGauge::wholePart(-1e30), std::numeric_limits<std::int64_t>::min());
}

TEST(ArcGauge, SizesFollowTheWidthInWholePoints)
{
    EXPECT_EQ(VKGauge::arcWidth(200), 12);   // 12.5
    EXPECT_EQ(VKGauge::arcWidth(15), 0);
    EXPECT_EQ(VKGauge::scalePadding(200), 22);
    EXPECT_EQ(VKGauge::scalePadding(99), 10);  // 10.89
}

TEST(ArcGauge, LowerArcSpansTheOpeningAndFillsFromItsLeftEnd)
{
    VKGauge::Values v = dialValues(0);
    v.secondaryProgress = 0.5f;
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        const QImage image = renderDial(v, ratio);
        EXPECT_TRUE(isOpaque(at(image, 110, 84), dial));   // from 126 towards 90
        EXPECT_FALSE(isOpaque(at(image, 70, 84), dial));   // the other half is the empty arc
        EXPECT_GT(at(image, 70, 84).alpha(), 0);
    }
    // Present but 0: the empty arc only; absent: nothing at all.
    v.secondaryProgress = 0.0f;
    QImage image = renderDial(v, 1);
    EXPECT_GT(at(image, 90, 84).alpha(), 0);
    EXPECT_FALSE(isOpaque(at(image, 110, 84), dial));
    v.secondaryProgress.reset();
    image = renderDial(v, 1);
    EXPECT_EQ(at(image, 90, 84).alpha(), 0);
}

TEST(ArcGauge, LowerArcProgressMirrorsTheTrim)
{
    // Drawn alone in a 100 x 100 frame: radius 4, padding 16, circle of radius 34.
    QImage image = makeCanvas(QSize(100, 100), 1);
    QPainter painter(&image);
    VKGaugeLowerArcProgressView::paint(painter, QRectF(0, 0, 100, 100), 4, 0.25f, dial);
    painter.end();
    auto ring = [&](double degrees) {
        const double a = degrees * std::numbers::pi / 180;
        return pixelAt(image, QPointF(50 + 34 * std::cos(a), 50 + 34 * std::sin(a)));
    };
    EXPECT_TRUE(isOpaque(ring(120), dial));  // 126 - 72 x 0.25 = 108 ... 126
    EXPECT_FALSE(isOpaque(ring(95), dial));
}

TEST(GaugeScale, TicksNumbersAndMarkerAngles)
{
    // 101 ticks over 270 degrees from -135 (from straight up).
    EXPECT_DOUBLE_EQ(VKGaugeTickTextView::tickAngle(0, 50, 270), -135);
    EXPECT_DOUBLE_EQ(VKGaugeTickTextView::tickAngle(50, 50, 270), 0);
    EXPECT_DOUBLE_EQ(VKGaugeTickTextView::tickAngle(100, 50, 270), 135);
    // Number i stands at the angle of tick 2i, in screen angles.
    EXPECT_DOUBLE_EQ(VKGaugeTickTextView::numberAngle(0, 50, 270), -225);  // = 135 on screen
    EXPECT_DOUBLE_EQ(VKGaugeTickTextView::numberAngle(25, 50, 270), VKGaugeTickTextView::tickAngle(50, 50, 270) - 90);
    EXPECT_DOUBLE_EQ(VKGaugeTickTextView::numberRadius(310), 106);
    // Numbers at every fifth division: (100 / 50) x i.
    EXPECT_EQ(VKGaugeTickTextView::numberText(5, 50, 100), QStringLiteral("10"));
    EXPECT_EQ(VKGaugeTickTextView::numberText(50, 50, 100), QStringLiteral("100"));
    EXPECT_FALSE(VKGaugeTickTextView::numberText(3, 50, 100));
    // The division is whole: 7 divisions of 100 make 14 per division.
    EXPECT_EQ(VKGaugeTickTextView::numberText(5, 7, 100), QStringLiteral("70"));
    // The marker: clamped at the end, not at the start.
    EXPECT_DOUBLE_EQ(*VKGaugeTickTextView::markerAngle(150, 100, 270), 135);
    EXPECT_DOUBLE_EQ(*VKGaugeTickTextView::markerAngle(50, 100, 270), 0);
    EXPECT_DOUBLE_EQ(*VKGaugeTickTextView::markerAngle(-50, 100, 270), -270);
    EXPECT_FALSE(VKGaugeTickTextView::markerAngle(50, 0, 270));
    EXPECT_FALSE(VKGaugeTickTextView::markerAngle(std::nullopt, 100, 270));
}

TEST(GaugeScale, DivisionCountsBelowOneCountAsOne)
{
    EXPECT_EQ(VKGaugeTickTextView::divisions(0), 1);
    EXPECT_EQ(VKGaugeTickTextView::divisions(-7), 1);
    EXPECT_EQ(VKGaugeTickTextView::divisions(3), 3);
    EXPECT_DOUBLE_EQ(VKGaugeTickTextView::tickAngle(2, 0, 270), 135);
    // Below five divisions only the start of the scale has a number.
    EXPECT_EQ(VKGaugeTickTextView::numberText(0, 3, 100), QStringLiteral("0"));
    for (int i = 1; i <= 3; ++i)
        EXPECT_FALSE(VKGaugeTickTextView::numberText(i, 3, 100));
    VKGauge::Values v = dialValues(30);
    v.showText = true;
    for (int count : {0, -4}) {
        v.tickCount = count;
        const QImage image = renderDial(v, 1);
        EXPECT_TRUE(isOpaque(at(image, 150, 88), dial));
    }
}

TEST(GaugeScale, MaximumMarkerIsRedOnTheScale)
{
    const QColor red = VKTheme::color(VKNamedColor::red, VKColorScheme::light);
    VKGauge::Values v = dialValues(10);
    v.maxIndicatorValue = 100;  // the end of the scale: 135 from up, 45 on screen
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        const QImage image = renderDial(v, ratio);
        EXPECT_TRUE(near(image, 45, 72, red));
        EXPECT_FALSE(near(image, 135, 72, red));
    }
    v.maxIndicatorValue = 50;  // straight up
    QImage image = renderDial(v, 1);
    EXPECT_TRUE(near(image, 270, 72, red));
    v.maxIndicatorValue.reset();
    image = renderDial(v, 1);
    EXPECT_FALSE(anyOpaque(image, red));
}

TEST(ArcGauge, WidgetPaintsWithItsPaletteAndAText)
{
    VKGauge::Values v = dialValues(42.9f);
    v.subtitle = QStringLiteral("Load");
    v.info = QStringLiteral("of 100");
    VKGauge gauge(v);
    gauge.setPalette(VKTheme::palette(VKColorScheme::dark));
    gauge.resize(200, 200);
    QImage image = makeCanvas(QSize(200, 200), 1);
    gauge.render(&image);
    // The value's digits stand in the middle in the dark scheme's primary (light) colour.
    EXPECT_GT(strongestPixel(image, QRectF(80, 70, 40, 40)).lightness(), 200);
    EXPECT_TRUE(isOpaque(at(image, 150, 88), dial));
}
