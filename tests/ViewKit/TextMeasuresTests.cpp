#include "ViewKit/VKTextMeasures.h"

#include "ViewKit/VKTheme.h"

#include "Canvas.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

using ViewKit::VKTextMeasures;

namespace {

// One frame drawn twice: once by QPainter::drawText, once from the kept layouts.
struct Pair {
    QImage direct;
    QImage kept;
};

Pair drawBoth(QSize size, qreal ratio, const QFont& font, const std::function<void(QPainter&, bool)>& draw)
{
    Pair pair{makeCanvas(size, ratio), makeCanvas(size, ratio)};
    for (QImage* image : {&pair.direct, &pair.kept}) {
        image->fill(QColor(240, 236, 228));
        QPainter painter(image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(font);
        painter.setPen(QColor(60, 60, 67, 153));
        draw(painter, image == &pair.kept);
    }
    return pair;
}

void text(QPainter& painter, bool kept, const QRectF& rect, int flags, const QString& string)
{
    if (kept)
        VKTextMeasures::draw(painter, rect, flags, string);
    else
        painter.drawText(rect, flags, string);
}

const QStringList& samples()
{
    static const QStringList list{
        QStringLiteral("kestrion"),
        QStringLiteral("12.3%"),
        QStringLiteral("1,5 GB"),
        QStringLiteral("gnome-shell-calendar-server"),
        QStringLiteral("x) (y"),
        QStringLiteral("kworker/0:1-events"),
        QStringLiteral("\u0645\u062b\u0627\u0644 \u0639\u0631\u0628\u064a"), // right-to-left letters
        QStringLiteral("\u65e5\u672c\u8a9e"),
        QStringLiteral("Caf\u00e9 \u2026"),
        QStringLiteral(" leading blank"),
        QStringLiteral("two\nlines"),
        QStringLiteral("tab\there"),
    };
    return list;
}

} // namespace

TEST(TextMeasuresDraw, DrawsTheSamePixelsAsDrawTextForEveryAlignment)
{
    const QFont fonts[] = {ViewKit::VKTheme::font(ViewKit::VKTextStyle::body, QFont::Medium),
                           ViewKit::VKTheme::font(ViewKit::VKTextStyle::callout),
                           ViewKit::VKTheme::font(ViewKit::VKTextStyle::title2)};
    const int alignments[] = {Qt::AlignLeft | Qt::AlignVCenter,
                              Qt::AlignRight | Qt::AlignVCenter,
                              Qt::AlignCenter,
                              Qt::AlignLeft | Qt::AlignTop,
                              Qt::AlignRight | Qt::AlignBottom,
                              Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip,
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap};
    for (const qreal ratio : {1.0, 2.0}) {
        for (const QFont& font : fonts) {
            for (const int flags : alignments) {
                // Rows wide enough, too narrow (clipped unless told not to), too low, at odd offsets.
                const Pair pair = drawBoth(QSize(260, 150), ratio, font, [flags](QPainter& painter, bool kept) {
                    qreal y = 0.5;
                    for (const QString& s : samples()) {
                        text(painter, kept, QRectF(3.25, y, 200.5, 11.75), flags, s);
                        text(painter, kept, QRectF(210, y, 37.5, 11.75), flags, s);
                        y += 12.25;
                    }
                });
                ASSERT_TRUE(pair.direct == pair.kept) << "ratio " << ratio << " font " << font.pointSizeF()
                                                      << " flags " << flags;
            }
        }
    }
}

TEST(TextMeasuresDraw, KeepsOneLayoutPerPlainTextAndFont)
{
    const QFont font = ViewKit::VKTheme::font(ViewKit::VKTextStyle::caption);
    QImage image = makeCanvas(QSize(100, 20), 1);
    QPainter painter(&image);
    painter.setFont(font);
    const int before = VKTextMeasures::keptTextCount();
    for (int i = 0; i < 3; ++i)
        VKTextMeasures::draw(painter, QRectF(0, 0, 100, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("kept"));
    EXPECT_EQ(VKTextMeasures::keptTextCount(), before + 1);
    // Texts drawText lays out otherwise, and other flags, are passed on and not kept.
    VKTextMeasures::draw(painter, QRectF(0, 0, 100, 20), Qt::AlignLeft, QStringLiteral("two\nlines"));
    VKTextMeasures::draw(painter, QRectF(0, 0, 100, 20), Qt::AlignLeft, QStringLiteral("trailing "));
    VKTextMeasures::draw(painter, QRectF(0, 0, 100, 20), Qt::AlignLeft | Qt::TextWordWrap, QStringLiteral("wrap"));
    VKTextMeasures::draw(painter, QRectF(0, 0, 100, 20), Qt::AlignLeft, QString());
    EXPECT_EQ(VKTextMeasures::keptTextCount(), before + 1);
}

TEST(TextMeasuresDraw, FollowsThePaintersTransformPenAndRepeatedUse)
{
    const QFont font = ViewKit::VKTheme::font(ViewKit::VKTextStyle::body);
    const Pair pair = drawBoth(QSize(200, 80), 2.0, font, [](QPainter& painter, bool kept) {
        for (int round = 0; round < 3; ++round) { // the second and third rounds come from the kept layouts
            painter.save();
            painter.translate(10.5 + round * 40, 4.25);
            painter.scale(0.75, 0.75);
            text(painter, kept, QRectF(0, 0, 60, 20), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                 QStringLiteral("4242"));
            painter.restore();
            painter.setPen(round == 1 ? QColor(Qt::red) : QColor(Qt::black));
            text(painter, kept, QRectF(0, 30 + round * 12, 200, 12), Qt::AlignRight | Qt::AlignVCenter,
                 QStringLiteral("value %1").arg(round));
        }
        painter.setPen(Qt::NoPen);
        text(painter, kept, QRectF(0, 66, 200, 12), Qt::AlignLeft, QStringLiteral("not drawn"));
    });
    EXPECT_TRUE(pair.direct == pair.kept);
}
