#include "WidgetCanvas.h"

#include "LanguageKit/LKResources.h"
#include "ViewKit/VKBadgeColor.h"
#include "ViewKit/VKBadgeColors.h"
#include "ViewKit/VKBadgeIconLabel.h"
#include "ViewKit/VKBadgeLabel.h"
#include "ViewKit/VKBadgePainting.h"
#include "ViewKit/VKTagView.h"
#include "ViewKit/VKTheme.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace ViewKit;

namespace {

constexpr qreal ratios[] = {1.0, 2.0};

} // namespace

TEST(BadgeColor, FixedPairsAndCustomShades)
{
    EXPECT_EQ(VKBadgeColor(VKBadgeColor::blue).background(), QColor(161, 197, 226));
    EXPECT_EQ(VKBadgeColor(VKBadgeColor::blue).foreground(), QColor(34, 117, 145));
    EXPECT_EQ(VKBadgeColor(VKBadgeColor::green).background(), QColor(197, 214, 154));
    EXPECT_EQ(VKBadgeColor(VKBadgeColor::orange).foreground(), QColor(209, 105, 31));
    EXPECT_EQ(VKBadgeColor(VKBadgeColor::red).background(), QColor(226, 176, 174));
    EXPECT_EQ(VKBadgeColor(VKBadgeColor::pink).foreground(), QColor(152, 68, 120));

    const VKBadgeColor custom = VKBadgeColor::customColor(QColor(255, 0, 0));
    EXPECT_EQ(custom.foreground(), QColor(255, 0, 0));
    EXPECT_EQ(custom.background().rgb(), QColor(255, 0, 0).rgb());
    EXPECT_NEAR(custom.background().alphaF(), 0.25, 0.01);
    EXPECT_FALSE(custom == VKBadgeColor::customColor(QColor(0, 0, 255)));
    EXPECT_TRUE(custom == VKBadgeColor::customColor(QColor(255, 0, 0)));

    EXPECT_EQ(VKBadgeColors::lavender(), QColor(116, 115, 166));
    EXPECT_EQ(VKBadgeColors::steelBlue(), QColor(74, 124, 172));
    EXPECT_EQ(VKBadgeColors::amber(), QColor(242, 169, 80));
    EXPECT_EQ(VKBadgeColors::graphite(), QColor(75, 75, 75));
    EXPECT_EQ(VKBadgeColors::slate(), QColor(94, 94, 130));
    EXPECT_EQ(&VKBadgeColors::slate(), &VKBadgeColors::slate());
}

TEST(GradientBadge, RunsFromEightyPercentAtTopToFullAtBottomWithRoundedCorners)
{
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        QImage image = makeCanvas(QSize(60, 40), ratio);
        QPainter painter(&image);
        paintGradientBadge(painter, QRectF(0, 0, 60, 40), QColor(0, 0, 255));
        painter.end();
        const QColor top = pixelAt(image, QPointF(30, 0.2));
        const QColor bottom = pixelAt(image, QPointF(30, 39.8));
        EXPECT_NEAR(top.alpha(), 204, 6);
        EXPECT_GE(bottom.alpha(), 250);
        EXPECT_TRUE(sameRgb(bottom, QColor(0, 0, 255)));
        EXPECT_EQ(pixelAt(image, QPointF(0.2, 0.2)).alpha(), 0);     // rounded corner
        EXPECT_EQ(pixelAt(image, QPointF(59.8, 39.8)).alpha(), 0);
    }
}

TEST(BadgeLabel, PlainTextWinsAndAnEmptyLabelTakesNoSpace)
{
    VKBadgeLabel both(QStringLiteral("SOME_KEY"), QStringLiteral("Plain"), QColor(0, 0, 255));
    ASSERT_TRUE(both.label().has_value());
    EXPECT_EQ(*both.label(), QStringLiteral("Plain"));

    std::unique_ptr<VKBadgeLabel> keyOnly(VKBadgeLabel::withKey(QStringLiteral("UNTRANSLATED_KEY"), Qt::blue));
    EXPECT_EQ(keyOnly->label().value_or(QString()), QStringLiteral("UNTRANSLATED_KEY"));

    std::unique_ptr<VKBadgeLabel> localized(
        VKBadgeLabel::localized(LanguageKit::LKLocalizedString::close, Qt::blue));
    EXPECT_EQ(localized->text().value_or(QString()),
              LanguageKit::LKResources::localized(LanguageKit::LKLocalizedString::close));
    EXPECT_FALSE(localized->key().has_value());

    QWidget row;
    auto* layout = new QHBoxLayout(&row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    auto* empty = new VKBadgeLabel(std::nullopt, std::nullopt, Qt::blue, &row);
    auto* after = VKBadgeLabel::withText(QStringLiteral("After"), Qt::blue, &row);
    layout->addWidget(empty);
    layout->addWidget(after);
    layout->addStretch(1);
    row.resize(300, 40);
    row.show();
    EXPECT_EQ(empty->sizeHint(), QSize(0, 0));
    EXPECT_TRUE(empty->isHidden());
    EXPECT_EQ(after->geometry().left(), 0);
}

TEST(BadgeLabel, WhiteTextOnTheGradientAtItsIdealSize)
{
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        std::unique_ptr<VKBadgeLabel> label(VKBadgeLabel::withText(QStringLiteral("Badge"), QColor(0, 0, 255)));
        const QSize ideal = label->sizeHint();
        EXPECT_GT(ideal.width(), 20);  // 10 points of padding at both ends
        const QImage image = renderWidget(*label, ideal, ratio);
        const QColor text = strongestPixel(image, QRectF(10, 4, ideal.width() - 20, ideal.height() - 8));
        EXPECT_GT(text.lightness(), 200);  // white glyphs over blue
        EXPECT_TRUE(sameRgb(pixelAt(image, QPointF(2, ideal.height() - 1.5)), QColor(0, 0, 255), 30));
    }
}

TEST(BadgeIconLabel, ZeroSpacingPutsTheGradientRightAgainstSymbolAndText)
{
    std::unique_ptr<VKBadgeIconLabel> label(
        VKBadgeIconLabel::withText(QStringLiteral("Icon"), QStringLiteral("wifi"), QColor(0, 128, 0), 0, 0));
    label->resize(label->sizeHint());
    EXPECT_NEAR(label->symbolRect().left(), 0, 1);
    EXPECT_EQ(label->sizeHint().height(), std::max(16, QFontMetrics(VKTheme::font(VKTextStyle::callout)).height()));

    std::unique_ptr<VKBadgeIconLabel> padded(
        VKBadgeIconLabel::withText(QStringLiteral("Icon"), QStringLiteral("wifi"), QColor(0, 128, 0), 12, 5));
    padded->resize(padded->sizeHint());
    EXPECT_NEAR(padded->symbolRect().left(), 12, 1);
    EXPECT_EQ(padded->sizeHint().width(), label->sizeHint().width() + 24);

    // The key wins over the text.
    VKBadgeIconLabel both(QStringLiteral("THE_KEY"), QStringLiteral("text"), QStringLiteral("wifi"), Qt::red, 4, 4);
    EXPECT_EQ(both.label().value_or(QString()), QStringLiteral("THE_KEY"));

    // The symbol is drawn white.
    const QImage image = renderWidget(*padded, padded->size(), 2);
    EXPECT_GT(strongestPixel(image, padded->symbolRect()).lightness(), 200);
}

TEST(TagView, CustomRedShowsRedTextOnPaleRed)
{
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        std::unique_ptr<VKTagView> tag(VKTagView::withText(QStringLiteral("Tag"), VKBadgeColor::customColor(Qt::red),
                                                           true, std::nullopt, 4, 12));
        const QImage image = renderWidget(*tag, tag->sizeHint(), ratio);
        const QColor background = pixelAt(image, QPointF(3, tag->height() / 2.0));
        EXPECT_TRUE(sameRgb(background, QColor(255, 0, 0), 3));
        EXPECT_NEAR(background.alpha(), 64, 3);
        const QColor text = strongestPixel(image, tag->textRect());
        EXPECT_EQ(text.alpha(), 255);
        EXPECT_TRUE(sameRgb(text, QColor(255, 0, 0), 3));
    }
}

TEST(TagView, SymbolOnlyWhenNamedAndNoLeadingGapWithout)
{
    std::unique_ptr<VKTagView> plain(VKTagView::withText(QStringLiteral("Text"), VKBadgeColor::blue, true,
                                                         std::nullopt, 4, 12));
    plain->resize(plain->sizeHint());
    EXPECT_TRUE(plain->symbolRect().isNull());
    EXPECT_NEAR(plain->textRect().left(), 10, 1);

    std::unique_ptr<VKTagView> symbol(VKTagView::withText(QStringLiteral("Text"), VKBadgeColor::blue, true,
                                                          QStringLiteral("wifi"), 4, 12));
    symbol->resize(symbol->sizeHint());
    EXPECT_NEAR(symbol->symbolRect().left(), 10, 1);
    EXPECT_NEAR(symbol->textRect().left() - symbol->symbolRect().left(), 12 + 4, 0.01);
    EXPECT_EQ(symbol->sizeHint().width(), plain->sizeHint().width() + 16);
    const QImage image = renderWidget(*symbol, symbol->size(), 2);
    EXPECT_TRUE(hasPixelNear(image, symbol->symbolRect(), QColor(34, 117, 145)));
    EXPECT_FALSE(hasPixelNear(renderWidget(*plain, plain->size(), 2), QRectF(0, 0, 10, plain->height()), QColor(34, 117, 145), 20));

    // The key wins and is shown as looked up; neither leaves only the background.
    VKTagView both(QStringLiteral("plain"), QStringLiteral("TAG_KEY"), VKBadgeColor::red, true, std::nullopt, 4, 12);
    EXPECT_EQ(both.label().value_or(QString()), QStringLiteral("TAG_KEY"));
    VKTagView none(std::nullopt, std::nullopt, VKBadgeColor::red, true, QStringLiteral("wifi"), 4, 12);
    EXPECT_FALSE(none.label().has_value());
    EXPECT_TRUE(none.symbolRect().isNull());
}

TEST(TagView, FixedSizeHugsContentOtherwiseSpansTheRow)
{
    QWidget row;
    auto* layout = new QVBoxLayout(&row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* hugging = VKTagView::withText(QStringLiteral("Hug"), VKBadgeColor::green, true, std::nullopt, 4, 12, &row);
    auto* spanning = VKTagView::withText(QStringLiteral("Span"), VKBadgeColor::green, false, std::nullopt, 4, 12, &row);
    layout->addWidget(hugging);
    layout->addWidget(spanning);
    row.resize(400, 80);
    row.show();
    EXPECT_EQ(hugging->width(), hugging->sizeHint().width());
    EXPECT_EQ(spanning->width(), 400);
    EXPECT_EQ(spanning->height(), spanning->sizeHint().height());
    // The content stays centred and the background fills the whole width.
    EXPECT_NEAR(spanning->textRect().center().x(), 200, 1);
    const QImage image = renderWidget(*spanning);
    EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(396, spanning->height() / 2.0)), QColor(197, 214, 154)));
}
