#include "WidgetCanvas.h"

#include "ViewKit/VKCircularProgressView.h"
#include "ViewKit/VKGradientCircularProgressView.h"
#include "ViewKit/VKIndeterminateProgressStyle.h"
#include "ViewKit/VKMarkerProgressView.h"
#include "ViewKit/VKMultiSegmentProgressView.h"
#include "ViewKit/VKStackedProgressBarView.h"
#include "ViewKit/VKTheme.h"

#include "LanguageKit/LKResources.h"

#include <QProgressBar>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

using namespace ViewKit;

namespace {

constexpr qreal ratios[] = {1.0, 2.0};
const QColor ringColor(220, 40, 160);
const QColor gray = VKTheme::color(VKNamedColor::gray, VKColorScheme::light);

// Rings in 100 x 100: the default padding of 16 leaves a circle of radius 34.
QColor ringAt(const QImage& image, double screenDegrees)
{
    const double a = screenDegrees * std::numbers::pi / 180;
    return pixelAt(image, QPointF(50 + 34 * std::cos(a), 50 + 34 * std::sin(a)));
}

QImage renderRing(double progress, qreal ratio)
{
    QImage image = makeCanvas(QSize(100, 100), ratio);
    QPainter painter(&image);
    VKCircularProgressView::paint(painter, QRectF(0, 0, 100, 100), progress, ringColor, 8, std::nullopt, gray,
                                  Qt::black);
    return image;
}

QImage renderGradient(const std::vector<QColor>& colors, double progress)
{
    QImage image = makeCanvas(QSize(100, 100), 1);
    QPainter painter(&image);
    VKGradientCircularProgressView::paint(painter, QRectF(0, 0, 100, 100), colors, 8, progress, gray);
    return image;
}

} // namespace

TEST(CircularProgress, FillsClockwiseFromJustLeftOfTwelve)
{
    EXPECT_NEAR(ringTurnDegrees, 264.95, 0.01);
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        const QImage image = renderRing(0.25, ratio);
        EXPECT_TRUE(isOpaque(ringAt(image, 275), ringColor));
        EXPECT_TRUE(isOpaque(ringAt(image, 345), ringColor));  // 264.95 + 90 = 354.95
        const QColor track = ringAt(image, 180);
        EXPECT_FALSE(sameRgb(track, ringColor, 40));
        EXPECT_GT(track.alpha(), 0);
        EXPECT_LT(track.alpha(), 255);
    }
}

TEST(CircularProgress, ProgressAboveOneDrawsAFullRingAndReadsOneHundred)
{
    const QImage image = renderRing(1.5, 1);
    for (double degrees : {0.0, 90.0, 180.0, 250.0})
        EXPECT_TRUE(isOpaque(ringAt(image, degrees), ringColor)) << degrees;
    EXPECT_DOUBLE_EQ(VKCircularProgressView::trimEnd(1.5), 1);
    EXPECT_DOUBLE_EQ(VKCircularProgressView::trimEnd(-0.2), 0);
    EXPECT_DOUBLE_EQ(VKCircularProgressView::trimEnd(std::nan("")), 0);
    EXPECT_FALSE(isOpaque(ringAt(renderRing(-0.2, 1), 275), ringColor));
}

TEST(CircularProgress, PercentageOnlyWithAFontAndDurationKeptAsZero)
{
    VKCircularProgressView plain(0.424f, ringColor, 8);
    EXPECT_EQ(plain.duration(), 0.0);  // absent duration: changes show at once
    VKCircularProgressView withText(0.424f, ringColor, 8, 0.5, VKTheme::font(VKTextStyle::title1));
    const QImage a = renderWidget(plain, QSize(100, 100));
    const QImage b = renderWidget(withText, QSize(100, 100));
    const QRectF middle(30, 40, 40, 20);
    EXPECT_EQ(strongestPixel(a, middle).alpha(), 0);
    EXPECT_GT(strongestPixel(b, middle).alpha(), 0);
    // The ring is the same with or without the text.
    EXPECT_EQ(ringAt(a, 300), ringAt(b, 300));
    plain.setProgress(0.9);
    EXPECT_DOUBLE_EQ(plain.shownProgress(), 0.9);
}

TEST(GradientProgress, ColoursRunFromTheStartOfTheArc)
{
    const QColor red(255, 0, 0), blue(0, 0, 255);
    const QImage image = renderGradient({red, blue}, 1.0);
    const QColor start = ringAt(image, 272);  // about 7 degrees into the arc
    const QColor end = ringAt(image, 258);    // about 353 degrees into the arc
    EXPECT_GT(start.red(), 200);
    EXPECT_LT(start.blue(), 60);
    EXPECT_GT(end.blue(), 200);
    EXPECT_LT(end.red(), 60);
    EXPECT_EQ(start.alpha(), 255);
}

TEST(GradientProgress, ProgressAboveOneSpreadsTheColoursOverMoreThanATurn)
{
    const QColor red(255, 0, 0), blue(0, 0, 255);
    const QImage image = renderGradient({red, blue}, 2.0);
    // The arc stays full; at the end of the turn the colours are only half way through.
    const QColor end = ringAt(image, 258);
    EXPECT_EQ(end.alpha(), 255);
    EXPECT_GT(end.red(), 90);
    EXPECT_GT(end.blue(), 90);
    EXPECT_TRUE(sameRgb(VKGradientCircularProgressView::colorAt({red, blue}, 720, 360), QColor(128, 0, 128), 2));
    EXPECT_EQ(VKGradientCircularProgressView::colorAt({red, blue}, 180, 200), blue);
    EXPECT_EQ(VKGradientCircularProgressView::colorAt({red}, 180, 90), red);
    EXPECT_FALSE(VKGradientCircularProgressView::colorAt({}, 180, 90).isValid());
    // No colours: only the track.
    EXPECT_FALSE(hasPixelNear(renderGradient({}, 0.5), QRectF(0, 0, 100, 100), red));
}

TEST(GradientProgress, WithoutADurationChangesShowAtOnce)
{
    VKGradientCircularProgressView ring(0.2f, 8, std::nullopt, std::nullopt, {Qt::red, Qt::blue});
    EXPECT_FALSE(ring.duration());
    ring.setProgress(0.7f);
    EXPECT_FLOAT_EQ(ring.shownProgress(), 0.7f);
}

TEST(IndeterminateStyle, SpinsAnArcThatIgnoresTheValue)
{
    QProgressBar bar;
    bar.setRange(0, 100);
    bar.setValue(100);
    auto* style = new VKIndeterminateProgressStyle(ringColor, 8, 0.25, &bar);
    bar.setStyle(style);
    EXPECT_DOUBLE_EQ(style->angle(), 0);
    const QImage image = renderWidget(bar, QSize(100, 100));
    // Angle 0: the arc covers a quarter from 3 o'clock clockwise, whatever the value says.
    EXPECT_TRUE(isOpaque(ringAt(image, 45), ringColor));
    EXPECT_FALSE(isOpaque(ringAt(image, 225), ringColor));
    EXPECT_GT(ringAt(image, 225).alpha(), 0);  // the track
    EXPECT_FALSE(style->isSpinning());
    bar.show();
    EXPECT_TRUE(style->isSpinning());
    bar.hide();
    EXPECT_FALSE(style->isSpinning());
    EXPECT_EQ(VKIndeterminateProgressStyle::turnMilliseconds, 1333);
}

TEST(IndeterminateStyle, TheArcTurnsWithTheAngle)
{
    QImage image = makeCanvas(QSize(100, 100), 1);
    QPainter painter(&image);
    VKIndeterminateProgressStyle::paint(painter, QRectF(0, 0, 100, 100), 180, ringColor, 8, 0.25, gray);
    painter.end();
    EXPECT_TRUE(isOpaque(ringAt(image, 225), ringColor));
    EXPECT_FALSE(isOpaque(ringAt(image, 45), ringColor));
}

TEST(MarkerProgress, ProgressIsTheValueOverTheRangeWidth)
{
    VKMarkerProgressView ranged(ringColor, 75, std::nullopt, VKClosedRange{50, 150});
    EXPECT_DOUBLE_EQ(ranged.progress(), 0.75);  // not 0.25: the lower bound is not subtracted
    std::unique_ptr<VKMarkerProgressView> fromFloat(VKMarkerProgressView::withFloat(ringColor, 0.5f));
    EXPECT_DOUBLE_EQ(fromFloat->progress(), 0.5);
    std::unique_ptr<VKMarkerProgressView> fromInt(VKMarkerProgressView::withInt(ringColor, 3, 0.3, VKClosedRange{0, 4}));
    EXPECT_DOUBLE_EQ(fromInt->progress(), 0.75);
    EXPECT_DOUBLE_EQ(fromInt->animationDuration(), 0.3);
    // A range of zero width gives 0 instead of an infinite progress.
    VKMarkerProgressView flat(ringColor, 5, std::nullopt, VKClosedRange{5, 5});
    EXPECT_DOUBLE_EQ(flat.progress(), 0);
    EXPECT_DOUBLE_EQ(ranged.animationDuration(), 0);
}

TEST(MarkerProgress, MarkerEndsWhereTheTranslucentFillEnds)
{
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        QImage image = makeCanvas(QSize(100, 10), ratio);
        QPainter painter(&image);
        VKMarkerProgressView::paint(painter, QRectF(0, 0, 100, 10), ringColor, 0.5, 0.5, gray);
        painter.end();
        EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(48, 5)), ringColor));  // marker 47...50
        EXPECT_FALSE(isOpaque(pixelAt(image, QPointF(45, 5)), ringColor)); // fill, translucent
        const QColor fill = pixelAt(image, QPointF(20, 5));
        const QColor track = pixelAt(image, QPointF(80, 5));
        EXPECT_GT(fill.red(), track.red());  // tinted by the colour
        EXPECT_NE(fill, track);
    }
    // Not clamped: a progress above 1 puts the marker past the bar's end (outside the canvas).
    QImage image = makeCanvas(QSize(100, 10), 1);
    QPainter painter(&image);
    VKMarkerProgressView::paint(painter, QRectF(0, 0, 100, 10), ringColor, 1.5, 1.5, gray);
    painter.end();
    EXPECT_FALSE(hasPixelNear(image, QRectF(0, 0, 100, 10), ringColor));
}

TEST(SegmentProgress, EqualSegmentsTheFirstValueLit)
{
    const QList<QRectF> rects = VKMultiSegmentProgressView::segmentRects(QRectF(0, 0, 100, 20), 4, 10, 4);
    ASSERT_EQ(rects.size(), 4);
    EXPECT_EQ(rects[0], QRectF(0, 5, 22, 10));
    EXPECT_EQ(rects[3], QRectF(78, 5, 22, 10));
    // The offered height limits the bar.
    EXPECT_EQ(VKMultiSegmentProgressView::segmentRects(QRectF(0, 0, 100, 6), 2, 10, 0)[0].height(), 6);

    const QColor lit(0, 120, 255), unlit(200, 200, 200);
    auto render = [&](int value) {
        QImage image = makeCanvas(QSize(100, 20), 1);
        QPainter painter(&image);
        VKMultiSegmentProgressView::paint(painter, QRectF(0, 0, 100, 20), value, 4, 10, 4, lit, unlit);
        return image;
    };
    QImage image = render(2);
    EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(37, 10)), lit));     // segment 1
    EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(63, 10)), unlit));   // segment 2
    EXPECT_EQ(pixelAt(image, QPointF(24, 10)).alpha(), 0);           // the gap
    EXPECT_LT(pixelAt(image, QPointF(0, 5)).alpha(), 255);           // the rounded outer end
    image = render(0);
    EXPECT_FALSE(hasPixelNear(image, QRectF(0, 0, 100, 20), lit));
    image = render(9);
    EXPECT_FALSE(hasPixelNear(image, QRectF(0, 0, 100, 20), unlit));
}

TEST(SegmentProgress, NegativeCountShowsNoSegment)
{
    VKMultiSegmentProgressView view(2, -3, 8, 2);
    EXPECT_EQ(view.segments(), 0);
    EXPECT_TRUE(VKMultiSegmentProgressView::segmentRects(QRectF(0, 0, 100, 20), -3, 8, 2).isEmpty());
    const QImage image = renderWidget(view, QSize(100, 20));
    EXPECT_EQ(strongestPixel(image, QRectF(0, 0, 100, 20)).alpha(), 0);
}

TEST(StackedBar, ValuesOfOneTypeStackIntoOneBarColouredByName)
{
    const std::vector<VKStackedProgressBarValue> values{
        {QStringLiteral("apps"), QStringLiteral("disk"), 30},
        {QStringLiteral("system"), QStringLiteral("disk"), 70},
        {QStringLiteral("apps"), QStringLiteral("memory"), 50},
    };
    EXPECT_NE(values[0].id, values[1].id);
    const auto marks = VKStackedProgressBarView::marks(QRectF(0, 0, 200, 40), values, VKColorScheme::light);
    ASSERT_EQ(marks.size(), 3);
    EXPECT_DOUBLE_EQ(marks[0].rect.left(), 0);
    EXPECT_DOUBLE_EQ(marks[0].rect.right(), 60);
    EXPECT_DOUBLE_EQ(marks[1].rect.left(), 60);
    EXPECT_DOUBLE_EQ(marks[1].rect.right(), 200);
    EXPECT_DOUBLE_EQ(marks[2].rect.right(), 100);
    EXPECT_LT(marks[0].rect.bottom(), marks[2].rect.top());  // two bars, one per type
    EXPECT_EQ(marks[0].color, marks[2].color);               // same name, same colour
    EXPECT_NE(marks[0].color, marks[1].color);
    EXPECT_TRUE(VKStackedProgressBarView::marks(QRectF(0, 0, 200, 40), {}, VKColorScheme::light).isEmpty());
    EXPECT_EQ(VKStackedProgressBarView::seriesLabel(),
              LanguageKit::LKResources::localized(LanguageKit::LKLocalizedString::name));
}

TEST(StackedBar, PaintsTheMarksAndNothingWhenEmpty)
{
    VKStackedProgressBarView view({{QStringLiteral("a"), QStringLiteral("t"), 1}}, 4);
    QImage image = renderWidget(view, QSize(100, 20));
    EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(50, 10)), VKStackedProgressBarView::paletteColor(0, VKColorScheme::light)));
    view.setValues({});
    image = renderWidget(view, QSize(100, 20));
    EXPECT_EQ(strongestPixel(image, QRectF(0, 0, 100, 20)).alpha(), 0);
}
