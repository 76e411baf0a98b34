#include "ViewKit/VKPaintCache.h"
#include "ViewKit/VKTextMeasures.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace ViewKit;

namespace {

// A ring and a dashed line drawn with antialiasing: edges that show any shift of the copy.
void drawPart(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 120, 200, 160), 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(12.3, 7.6, 40, 40));
    QPen dashed(QColor(0, 0, 0, 51), 1);
    dashed.setDashPattern({2.0, 2.0});
    painter.setPen(dashed);
    painter.drawLine(QPointF(10.5, 30.25), QPointF(60, 30.25));
}

QImage canvas(qreal ratio)
{
    QImage image(QSize(90, 70) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(250, 250, 245));
    return image;
}

int largestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            largest = std::max({largest, std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                                std::abs(p.blue() - q.blue()), std::abs(p.alpha() - q.alpha())});
        }
    }
    return largest;
}

} // namespace

TEST(PaintCache, CopyCoversTheSamePixelsAsDrawingAtEveryOffsetAndRatio)
{
    const QRectF bounds(7, 2, 60, 52);
    for (qreal ratio : {1.0, 2.0}) {
        for (const QPointF shift : {QPointF(0, 0), QPointF(3.5, 1.25), QPointF(0.3, 7.8)}) {
            QImage direct = canvas(ratio);
            {
                QPainter painter(&direct);
                painter.translate(shift);
                drawPart(painter);
            }
            int painted = 0;
            for (int pass = 0; pass < 2; ++pass) {
                QImage cached = canvas(ratio);
                QPainter painter(&cached);
                painter.translate(shift);
                paintCached(painter, bounds, QStringLiteral("test-part"), [&](QPainter& p) {
                    ++painted;
                    drawPart(p);
                });
                painter.end();
                // Blending the copy rounds once more than drawing: at most one step apart.
                EXPECT_LE(largestDifference(direct, cached), 1) << ratio << " " << shift.x() << "," << shift.y();
            }
            // Drawn once per offset and ratio, copied on the second pass.
            EXPECT_EQ(painted, 1) << ratio << " " << shift.x() << "," << shift.y();
        }
    }
}

TEST(PaintCache, KeysAndPaintersThatCannotBeCopiedDrawDirectly)
{
    QImage image = canvas(1);
    QPainter painter(&image);
    int painted = 0;
    auto count = [&](QPainter&) { ++painted; };
    paintCached(painter, QRectF(0, 0, 20, 20), QStringLiteral("a"), count);
    paintCached(painter, QRectF(0, 0, 20, 20), QStringLiteral("b"), count);  // another key draws again
    paintCached(painter, QRectF(0, 0, 20, 21), QStringLiteral("a"), count);  // another size too
    EXPECT_EQ(painted, 3);

    painter.scale(2, 2);  // a scaled painter is never served from the cache
    paintCached(painter, QRectF(0, 0, 20, 20), QStringLiteral("a"), count);
    paintCached(painter, QRectF(0, 0, 20, 20), QStringLiteral("a"), count);
    EXPECT_EQ(painted, 5);
    painter.resetTransform();
    painter.setOpacity(0.5);
    paintCached(painter, QRectF(0, 0, 20, 20), QStringLiteral("a"), count);
    EXPECT_EQ(painted, 6);

    paintCached(painter, QRectF(), QStringLiteral("empty"), count);
    EXPECT_EQ(painted, 6);
}

TEST(TextMeasures, KeptResultsMatchTheFontsOwnAcrossFonts)
{
    QFont small = QGuiApplication::font();
    small.setPixelSize(11);
    QFont large = small;
    large.setPixelSize(24);
    const QString text = QStringLiteral("Kestrion helper process");
    // Asked twice and through more fonts than are kept, every answer is the metrics' own.
    for (int round = 0; round < 2; ++round) {
        for (int size = 8; size < 16; ++size) {
            QFont font = small;
            font.setPixelSize(size);
            EXPECT_DOUBLE_EQ(VKTextMeasures::width(font, text), QFontMetricsF(font).horizontalAdvance(text));
        }
        for (const QFont& font : {small, large}) {
            const QFontMetricsF metrics(font);
            EXPECT_DOUBLE_EQ(VKTextMeasures::width(font, text), metrics.horizontalAdvance(text));
            for (qreal width : {0.0, 40.0, 40.5, 1000.0}) {
                EXPECT_EQ(VKTextMeasures::elided(font, text, Qt::ElideRight, width),
                          metrics.elidedText(text, Qt::ElideRight, width));
                EXPECT_EQ(VKTextMeasures::elided(font, text, Qt::ElideLeft, width),
                          metrics.elidedText(text, Qt::ElideLeft, width));
            }
        }
    }
    EXPECT_LT(VKTextMeasures::width(small, text), VKTextMeasures::width(large, text));
}
