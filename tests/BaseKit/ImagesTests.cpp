#include "BaseKit/Images/Images.h"
#include "BaseKit/Images/SymbolGlyphs.h"

#include <QPainter>
#include <QRawFont>
#include <gtest/gtest.h>

using BaseKit::Image;
using BaseKit::Images;
using BaseKit::SymbolGlyphs;

namespace {

// The rectangle of pixels with any coverage, and how many there are.
struct Coverage {
    QRect box;
    int count = 0;
};

Coverage coverage(const QImage& image)
{
    Coverage result;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) {
                result.box |= QRect(x, y, 1, 1);
                ++result.count;
            }
    return result;
}

} // namespace

TEST(SymbolGlyphs, EveryGlyphOfTheTableIsInTheEmbeddedFont)
{
    ASSERT_FALSE(SymbolGlyphs::fontData().isEmpty());
    const QRawFont font(SymbolGlyphs::fontData(), 24);
    ASSERT_TRUE(font.isValid());
    for (const QString& name : SymbolGlyphs::names())
        EXPECT_TRUE(font.supportsCharacter(uint(SymbolGlyphs::codepoint(name)))) << qPrintable(name);
    EXPECT_TRUE(font.supportsCharacter(uint(SymbolGlyphs::fallbackCodepoint)));
    EXPECT_FALSE(SymbolGlyphs::family().isEmpty());
}

TEST(SymbolGlyphs, NamesOfTheTableAndTheFallback)
{
    EXPECT_EQ(SymbolGlyphs::codepoint(QStringLiteral("gearshape")), 0xE8B8u);
    EXPECT_EQ(SymbolGlyphs::codepoint(QStringLiteral("battery.75")), 0xEBD4u);
    EXPECT_EQ(SymbolGlyphs::codepoint(QStringLiteral("laptopcomputer")), 0xE31Eu);
    EXPECT_EQ(SymbolGlyphs::codepoint(QStringLiteral("macpro.gen3")), 0xE30Au);
    EXPECT_FALSE(SymbolGlyphs::contains(QStringLiteral("Gearshape")));
    EXPECT_EQ(SymbolGlyphs::codepoint(QStringLiteral("no.such.symbol")), SymbolGlyphs::fallbackCodepoint);
    EXPECT_EQ(SymbolGlyphs::codepoint(QString()), SymbolGlyphs::fallbackCodepoint);
    EXPECT_GT(coverage(SymbolGlyphs::render(QStringLiteral("no.such.symbol"), 32, Qt::black)).count, 0);
}

TEST(SymbolGlyphs, GlyphsScaleToTheFrameAndSitInItsMiddle)
{
    const Coverage small = coverage(SymbolGlyphs::render(QStringLiteral("circle.fill"), 24, Qt::black));
    const Coverage large = coverage(SymbolGlyphs::render(QStringLiteral("circle.fill"), 96, Qt::black));
    ASSERT_GT(small.count, 0);
    EXPECT_NEAR(double(large.box.width()) / small.box.width(), 4.0, 0.5);
    EXPECT_NEAR(large.box.center().x(), 48, 2);
    EXPECT_NEAR(large.box.center().y(), 48, 2);
    EXPECT_LE(large.box.width(), 96);

    // A wide frame: the glyph keeps its shape and is centred horizontally.
    QImage wide(200, 50, QImage::Format_ARGB32_Premultiplied);
    wide.fill(Qt::transparent);
    QPainter painter(&wide);
    SymbolGlyphs::draw(painter, QRectF(0, 0, 200, 50), QStringLiteral("circle.fill"), Qt::black);
    painter.end();
    const Coverage inWide = coverage(wide);
    EXPECT_NEAR(inWide.box.center().x(), 100, 2);
    EXPECT_NEAR(inWide.box.width(), inWide.box.height(), 2);
}

TEST(SymbolGlyphs, AHeavierWeightCoversMore)
{
    const int regular = coverage(SymbolGlyphs::render(QStringLiteral("heart"), 64, Qt::black, 0)).count;
    const int bold = coverage(SymbolGlyphs::render(QStringLiteral("heart"), 64, Qt::black, 0.4)).count;
    EXPECT_GT(bold, regular);
}

TEST(Image, TintingANonTemplateImageGivesThatVeryImage)
{
    QImage pixels(4, 4, QImage::Format_ARGB32_Premultiplied);
    pixels.fill(Qt::blue);
    const Image image(pixels, false);
    const Image tinted = image.tinted(Qt::red);
    EXPECT_EQ(tinted.cacheKey(), image.cacheKey());
    EXPECT_EQ(tinted.pixels().pixelColor(0, 0), QColor(Qt::blue));
}

TEST(Image, TintingATemplateColoursCoveredPixelsAndKeepsTheirOpacity)
{
    QImage pixels(3, 1, QImage::Format_ARGB32);
    pixels.setPixelColor(0, 0, QColor(0, 0, 0, 255));
    pixels.setPixelColor(1, 0, QColor(0, 0, 0, 128));
    pixels.setPixelColor(2, 0, QColor(0, 0, 0, 0));
    const Image source(pixels, true);
    const Image tinted = source.tinted(QColor(255, 0, 0));
    EXPECT_NE(tinted.cacheKey(), source.cacheKey());
    EXPECT_TRUE(source.isTemplate());
    EXPECT_FALSE(tinted.isTemplate());
    EXPECT_EQ(tinted.size(), source.size());
    const QColor full = tinted.pixels().pixelColor(0, 0);
    const QColor half = tinted.pixels().pixelColor(1, 0);
    EXPECT_EQ(full, QColor(255, 0, 0, 255));
    EXPECT_NEAR(half.alpha(), 128, 1);
    EXPECT_EQ(half.red(), 255);
    EXPECT_EQ(half.green(), 0);
    EXPECT_EQ(tinted.pixels().pixelColor(2, 0).alpha(), 0);
    EXPECT_EQ(source.pixels().pixelColor(0, 0), QColor(0, 0, 0, 255));
}

TEST(Images, SymbolsAreTemplatesOfTheGivenSize)
{
    const Image plain = Images::symbol(QStringLiteral("wifi"));
    EXPECT_TRUE(plain.isTemplate());
    EXPECT_EQ(plain.size(), QSize(13, 13));
    const Image sized = Images::symbol(QStringLiteral("wifi"), 40, 0);
    EXPECT_EQ(sized.size(), QSize(40, 40));
    EXPECT_GT(coverage(sized.pixels()).count, 0);
    EXPECT_EQ(Images::symbol(QStringLiteral("wifi"), -3, 0).size(), QSize(13, 13));
}

TEST(Images, ColouredSymbolsAreTintedCopies)
{
    const Image red = Images::symbol(QStringLiteral("circle.fill"), QColor(Qt::red), 32, 0);
    EXPECT_FALSE(red.isTemplate());
    EXPECT_EQ(red.size(), QSize(32, 32));
    EXPECT_EQ(red.pixels().pixelColor(16, 16), QColor(Qt::red));
    EXPECT_FALSE(Images::symbol(QStringLiteral("circle.fill"), QColor(Qt::green)).isTemplate());
}

TEST(Images, NamedImages)
{
    const Image icon = Images::named(Images::applicationIconName);
    ASSERT_FALSE(icon.isNull());
    EXPECT_FALSE(icon.isTemplate());
    EXPECT_EQ(icon.size(), QSize(256, 256));
    EXPECT_TRUE(Images::named(QStringLiteral("NoSuchImage")).isNull());
    EXPECT_TRUE(Images::named(QStringLiteral("../images/AppIcon")).isNull());
    EXPECT_TRUE(Images::named(QString()).isNull());
}
