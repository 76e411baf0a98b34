#include "Canvas.h"

#include "ViewKit/VKCard.h"
#include "ViewKit/VKCardStyle.h"
#include "ViewKit/VKColors.h"
#include "ViewKit/VKGlassCard.h"
#include "ViewKit/VKGlassCardStyle.h"
#include "ViewKit/VKTheme.h"

#include <gtest/gtest.h>

using namespace ViewKit;

namespace {

constexpr qreal ratios[] = {1.0, 2.0};
const QRectF surface(10, 10, 100, 60);

QImage renderCard(VKCardStyle style, VKColorScheme scheme, qreal ratio, std::optional<QColor> light = std::nullopt,
                  std::optional<QColor> dark = std::nullopt)
{
    QImage image = makeCanvas(QSize(120, 80), ratio);
    QPainter painter(&image);
    paintCard(painter, surface, style, scheme, light, dark);
    return image;
}

bool allTransparent(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() != 0)
                return false;
    return true;
}

} // namespace

TEST(CardStyles, RawValuesAndOrder)
{
    EXPECT_FALSE(VKCardStyles::fromRawValue(4));
    EXPECT_FALSE(VKCardStyles::fromRawValue(-1));
    EXPECT_EQ(VKCardStyles::fromRawValue(2), VKCardStyle::line);
    EXPECT_EQ(VKCardStyles::allCases.front(), VKCardStyle::defaultStyle);
    EXPECT_EQ(VKCardStyles::allCases.back(), VKCardStyle::none);
    EXPECT_STREQ(VKCardStyles::descriptionKey(VKCardStyle::shadows), "SHADOWS");

    EXPECT_FALSE(VKGlassCardStyles::fromRawValue(-3));
    EXPECT_FALSE(VKGlassCardStyles::fromRawValue(4));
    EXPECT_EQ(VKGlassCardStyles::fromRawValue(-2), VKGlassCardStyle::ultraThin);
    EXPECT_EQ(VKGlassCardStyles::allCases.front(), VKGlassCardStyle::ultraThin);
    EXPECT_EQ(VKGlassCardStyles::rawValue(VKGlassCardStyles::allCases.front()), -2);
    EXPECT_EQ(VKGlassCardStyles::tag(VKGlassCardStyle::none), 5);
    EXPECT_FALSE(VKGlassCardStyles::material(VKGlassCardStyle::none));
    EXPECT_EQ(VKGlassCardStyles::material(VKGlassCardStyle::thick), VKMaterial::thick);
}

TEST(CardSurface, FillColoursOfEachStyleInLightAndDark)
{
    const QPointF centre = surface.center();
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        EXPECT_TRUE(isOpaque(pixelAt(renderCard(VKCardStyle::defaultStyle, VKColorScheme::light, ratio), centre),
                             QColor(247, 247, 248), 0));
        EXPECT_TRUE(isOpaque(pixelAt(renderCard(VKCardStyle::defaultStyle, VKColorScheme::dark, ratio), centre),
                             QColor(64, 64, 64), 0));
        EXPECT_TRUE(isOpaque(pixelAt(renderCard(VKCardStyle::shadows, VKColorScheme::light, ratio), centre),
                             QColor(255, 255, 255), 0));
        EXPECT_TRUE(isOpaque(pixelAt(renderCard(VKCardStyle::shadows, VKColorScheme::dark, ratio), centre),
                             QColor(64, 64, 64), 0));
        EXPECT_EQ(pixelAt(renderCard(VKCardStyle::line, VKColorScheme::light, ratio), centre).alpha(), 0);
        EXPECT_TRUE(allTransparent(renderCard(VKCardStyle::none, VKColorScheme::light, ratio)));
        EXPECT_TRUE(allTransparent(renderCard(VKCardStyle::none, VKColorScheme::dark, ratio)));
    }
}

TEST(CardSurface, ShadowOnlyInLightMode)
{
    // Just outside the middle of the bottom edge.
    const QPointF outside(surface.center().x(), surface.bottom() + 1.5);
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        const QColor light = pixelAt(renderCard(VKCardStyle::shadows, VKColorScheme::light, ratio), outside);
        EXPECT_GT(light.alpha(), 10);
        EXPECT_LT(light.alpha(), 103);  // never above the shadow's opacity 0.4
        EXPECT_TRUE(allTransparent(renderCard(VKCardStyle::shadows, VKColorScheme::dark, ratio).copy(
            QRect(0, 0, int(8 * ratio), int(80 * ratio)))));
        const QImage dark = renderCard(VKCardStyle::shadows, VKColorScheme::dark, ratio);
        EXPECT_EQ(pixelAt(dark, outside).alpha(), 0);
    }
}

TEST(CardSurface, OutlineIsTwoPhysicalPixelsCentredOnTheEdge)
{
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        const QImage image = renderCard(VKCardStyle::line, VKColorScheme::light, ratio);
        const int row = int(surface.center().y() * ratio);
        int covered = 0, first = -1;
        for (int x = 0; x < int(surface.center().x() * ratio); ++x) {
            if (image.pixelColor(x, row).alpha() > 0) {
                ++covered;
                if (first < 0)
                    first = x;
                EXPECT_TRUE(isOpaque(image.pixelColor(x, row), QColor(242, 242, 242), 0));
            }
        }
        EXPECT_EQ(covered, 2);
        // One pixel outside the edge, one inside.
        EXPECT_EQ(first, int(surface.left() * ratio) - 1);
    }
}

TEST(CardSurface, LineColoursFallBackPerScheme)
{
    const QPointF edge(surface.left(), surface.center().y());
    const QImage light = renderCard(VKCardStyle::line, VKColorScheme::light, 1, QColor(255, 0, 0));
    EXPECT_TRUE(isOpaque(pixelAt(light, edge), QColor(255, 0, 0), 0));
    const QImage dark = renderCard(VKCardStyle::line, VKColorScheme::dark, 1, QColor(255, 0, 0));
    EXPECT_TRUE(isOpaque(pixelAt(dark, edge), QColor(60, 55, 55), 0));
}

TEST(CardSurface, CornersAreRounded)
{
    const QImage image = renderCard(VKCardStyle::defaultStyle, VKColorScheme::light, 2);
    EXPECT_EQ(pixelAt(image, surface.topLeft() + QPointF(0.5, 0.5)).alpha(), 0);
    EXPECT_EQ(pixelAt(image, surface.bottomRight() - QPointF(1, 1)).alpha(), 0);
    EXPECT_EQ(pixelAt(image, QPointF(surface.center().x(), surface.top() + 0.25)).alpha(), 255);
    EXPECT_EQ(pixelAt(image, QPointF(surface.left() + 0.25, surface.center().y())).alpha(), 255);
}

TEST(GlassCard, TintsAreTranslucentAndThickenInOrder)
{
    for (VKColorScheme scheme : {VKColorScheme::light, VKColorScheme::dark}) {
        int lastAlpha = 0;
        for (VKGlassCardStyle style : VKGlassCardStyles::allCases) {
            QImage image = makeCanvas(QSize(120, 80), 2);
            QPainter painter(&image);
            paintGlassCard(painter, surface, style, scheme, 8);
            painter.end();
            const QColor c = pixelAt(image, surface.center());
            if (style == VKGlassCardStyle::none) {
                EXPECT_TRUE(allTransparent(image));
                continue;
            }
            EXPECT_GT(c.alpha(), lastAlpha);
            EXPECT_LT(c.alpha(), 255);
            lastAlpha = c.alpha();
        }
    }
    EXPECT_NE(materialTint(VKMaterial::regular, VKColorScheme::light).rgb(),
              materialTint(VKMaterial::regular, VKColorScheme::dark).rgb());
}

TEST(CardWidget, ReadsTheSchemeFromItsPalette)
{
    VKCard card(VKCardStyle::defaultStyle, std::nullopt, std::nullopt);
    card.resize(100, 60);
    EXPECT_EQ(card.surfaceRect(), QRectF(4, 4, 92, 52));
    for (VKColorScheme scheme : {VKColorScheme::light, VKColorScheme::dark}) {
        card.setPalette(VKTheme::palette(scheme));
        QImage image = makeCanvas(QSize(100, 60), 2);
        card.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        const QColor expected = scheme == VKColorScheme::dark ? VKColors::Background::cardDark()
                                                              : VKColors::Background::cardLight();
        EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(50, 30)), expected, 0));
        EXPECT_EQ(pixelAt(image, QPointF(1, 30)).alpha(), 0);
    }
}

TEST(Colours, ConstructorsAndSchemes)
{
    const QColor c = VKColors::fromBytes(255, 0, 128);
    EXPECT_DOUBLE_EQ(c.redF(), 1.0);
    EXPECT_DOUBLE_EQ(c.greenF(), 0.0);
    EXPECT_NEAR(c.blueF(), 128.0 / 255.0, 1e-4);
    EXPECT_EQ(VKTheme::scheme(VKTheme::palette(VKColorScheme::dark)), VKColorScheme::dark);
    EXPECT_EQ(VKTheme::scheme(VKTheme::palette(VKColorScheme::light)), VKColorScheme::light);
    EXPECT_NE(VKColors::Background::controlBackground(VKColorScheme::light),
              VKColors::Background::controlBackground(VKColorScheme::dark));
    QPalette p = VKTheme::palette(VKColorScheme::light);
    p.setColor(QPalette::Highlight, QColor(1, 2, 3));
    EXPECT_EQ(VKTheme::color(VKNamedColor::accent, VKColorScheme::light, p), QColor(1, 2, 3));
}
