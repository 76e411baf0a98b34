#include "WidgetCanvas.h"

#include "ViewKit/VKBadgeButton.h"
#include "ViewKit/VKImageButton.h"
#include "ViewKit/VKImageHoverButton.h"
#include "ViewKit/VKInlineButton.h"
#include "ViewKit/VKNegatedBinding.h"
#include "ViewKit/VKSplitButton.h"
#include "ViewKit/VKTheme.h"

#include <QHBoxLayout>
#include <QTest>

#include <gtest/gtest.h>

using namespace ViewKit;

TEST(NegatedBinding, ReadsAndWritesTheOppositeWithoutCaching)
{
    bool stored = false;
    int reads = 0;
    const LanguageKit::BoolBinding flag{[&] {
                                            ++reads;
                                            return stored;
                                        },
                                        [&](bool value) { stored = value; }};
    const LanguageKit::BoolBinding shown = negatedBinding(flag);
    EXPECT_TRUE(shown.get());
    shown.set(true);
    EXPECT_FALSE(stored);
    shown.set(false);
    EXPECT_TRUE(stored);
    EXPECT_FALSE(shown.get());
    stored = false;  // changed behind the binding's back
    EXPECT_TRUE(shown.get());
    EXPECT_EQ(reads, 3);

    // A binding without accessors reads as a false flag and ignores writes.
    const LanguageKit::BoolBinding hollow = negatedBinding(LanguageKit::BoolBinding{});
    EXPECT_TRUE(hollow.get());
    hollow.set(true);
}

TEST(BadgeButton, PressRunsTheHandlerOnceAndDisabledDoesNothing)
{
    int presses = 0;
    QWidget host;
    auto* layout = new QHBoxLayout(&host);
    auto* button = VKBadgeButton::withText(QStringLiteral("Download"), QColor(0, 0, 255), [&] { ++presses; }, &host);
    layout->addWidget(button);
    layout->addStretch(1);
    host.resize(500, 60);
    host.show();
    // It keeps its ideal width in a wide row.
    EXPECT_EQ(button->size(), button->sizeHint());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(presses, 1);
    button->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(presses, 1);
}

TEST(BadgeButton, WithoutLabelTakesNoSpaceAndCannotBePressed)
{
    int presses = 0;
    QWidget host;
    auto* layout = new QHBoxLayout(&host);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* empty = new VKBadgeButton([&] { ++presses; }, std::nullopt, std::nullopt, Qt::blue, &host);
    auto* next = VKBadgeButton::withKey(QStringLiteral("DOWNLOAD_KEY"), Qt::blue, [] {}, &host);
    layout->addWidget(empty);
    layout->addWidget(next);
    layout->addStretch(1);
    host.resize(400, 40);
    host.show();
    EXPECT_TRUE(empty->isHidden());
    EXPECT_FALSE(empty->isEnabled());
    EXPECT_EQ(empty->sizeHint(), QSize(0, 0));
    EXPECT_EQ(next->x(), 0);
    empty->setEnabled(true);
    empty->show();
    empty->resize(20, 20);
    QTest::mouseClick(empty, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(presses, 0);
    EXPECT_EQ(next->label().value_or(QString()), QStringLiteral("DOWNLOAD_KEY"));
}

TEST(BadgeButton, PressedAndDisabledDimTheLabelButNotTheGradient)
{
    std::unique_ptr<VKBadgeButton> button(VKBadgeButton::withText(QStringLiteral("WWWW"), QColor(0, 0, 160), [] {}));
    const QSize size = button->sizeHint();
    const QRectF textArea(10, 4, size.width() - 20, size.height() - 8);
    const QImage normal = renderWidget(*button, size, 2);
    button->setDown(true);
    const QImage pressed = renderWidget(*button, size, 2);
    button->setDown(false);
    button->setEnabled(false);
    const QImage disabled = renderWidget(*button, size, 2);
    const int normalLight = strongestPixel(normal, textArea).lightness();
    const int pressedLight = strongestPixel(pressed, textArea).lightness();
    const int disabledLight = strongestPixel(disabled, textArea).lightness();
    EXPECT_GT(normalLight, pressedLight + 10);
    EXPECT_GT(pressedLight, disabledLight + 10);
    // Hovering changes nothing.
    button->setEnabled(true);
    hoverEnter(*button);
    EXPECT_EQ(renderWidget(*button, size, 2), normal);
    const QPointF edge(2, size.height() - 1.5);
    EXPECT_EQ(pixelAt(pressed, edge), pixelAt(normal, edge));
}

TEST(ImageButton, FixedSizeOrTheOfferedSpaceWithTheSymbolKeptSquare)
{
    int presses = 0;
    VKImageButton sized(QStringLiteral("eject.fill"), 40, [&] { ++presses; });
    EXPECT_EQ(sized.sizeHint(), QSize(40, 40));
    sized.show();
    EXPECT_EQ(sized.size(), QSize(40, 40));
    QTest::mouseClick(&sized, Qt::LeftButton);
    EXPECT_EQ(presses, 1);

    QWidget host;
    auto* layout = new QHBoxLayout(&host);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* free = new VKImageButton(QStringLiteral("eject.fill"), std::nullopt, [] {}, &host);
    layout->addWidget(free);
    host.resize(200, 80);
    host.show();
    EXPECT_EQ(free->size(), QSize(200, 80));
    const QRectF symbol = free->symbolRect();
    EXPECT_DOUBLE_EQ(symbol.width(), symbol.height());
    EXPECT_NEAR(symbol.center().x(), 100, 2);

    // Disabled, the symbol is drawn in the palette's disabled button text.
    const QImage enabled = renderWidget(*free, free->size());
    free->setEnabled(false);
    const QImage disabled = renderWidget(*free, free->size());
    const QColor active = free->palette().color(QPalette::Active, QPalette::ButtonText);
    const QColor inactive = free->palette().color(QPalette::Disabled, QPalette::ButtonText);
    ASSERT_FALSE(sameRgb(active, inactive, 10));
    EXPECT_TRUE(hasPixelNear(enabled, symbol, active));
    EXPECT_TRUE(hasPixelNear(disabled, symbol, inactive));
    EXPECT_FALSE(hasPixelNear(disabled, symbol, active));
}

TEST(ImageHoverButton, ZeroDurationSwitchesAtOnceOnEnterAndLeave)
{
    int presses = 0;
    const QColor gray(120, 120, 120);
    VKImageHoverButton button(QStringLiteral("gearshape"), gray, 0, [&] { ++presses; });
    button.resize(24, 24);
    button.show();
    const QColor accent = VKTheme::color(VKNamedColor::accent, VKTheme::scheme(&button), button.palette());
    EXPECT_FALSE(button.isHovered());
    EXPECT_EQ(button.currentColor(), gray);
    hoverEnter(button);
    EXPECT_TRUE(button.isHovered());
    EXPECT_EQ(button.currentColor(), accent);
    const QImage hovered = renderWidget(button);
    EXPECT_TRUE(sameRgb(strongestPixel(hovered, QRectF(0, 0, 24, 24)), accent, 3));
    hoverLeave(button);
    EXPECT_FALSE(button.isHovered());
    EXPECT_EQ(button.currentColor(), gray);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(presses, 1);
}

TEST(ImageHoverButton, APositiveDurationMovesTowardsTheTarget)
{
    const QColor gray(120, 120, 120);
    VKImageHoverButton button(QStringLiteral("gearshape"), gray, 0.5, [] {});
    button.resize(24, 24);
    button.show();
    hoverEnter(button);
    // The change has only begun: the colour is still (close to) where it started.
    EXPECT_TRUE(button.isHovered());
    EXPECT_NE(button.currentColor(), button.targetColor());
    EXPECT_EQ(button.targetColor(), VKTheme::color(VKNamedColor::accent, VKTheme::scheme(&button), button.palette()));
}

TEST(SplitButton, KeyWinsAndEachHalfRunsItsOwnAction)
{
    int main = 0, secondary = 0;
    VKSplitButton button(QStringLiteral("SPLIT_KEY"), QStringLiteral("ignored"), QStringLiteral("chevron.right"),
                         QColor(0, 0, 200), [&] { ++main; }, [&] { ++secondary; }, VKTheme::font(VKTextStyle::body));
    EXPECT_EQ(button.title().value_or(QString()), QStringLiteral("SPLIT_KEY"));
    button.resize(button.sizeHint());
    button.show();
    EXPECT_EQ(button.size(), button.sizeHint());
    QTest::mouseClick(&button, Qt::LeftButton, {}, button.titleRect().center().toPoint());
    EXPECT_EQ(main, 1);
    EXPECT_EQ(secondary, 0);
    QTest::mouseClick(&button, Qt::LeftButton, {}, button.symbolRect().center().toPoint());
    EXPECT_EQ(main, 1);
    EXPECT_EQ(secondary, 1);
    // A press moved to the other half before release does nothing.
    QTest::mousePress(&button, Qt::LeftButton, {}, button.titleRect().center().toPoint());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, button.symbolRect().center().toPoint());
    EXPECT_EQ(main + secondary, 2);

    const QImage image = renderWidget(button, button.size(), 2);
    EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(button.width() / 2.0, 2)), QColor(0, 0, 200)));
    EXPECT_EQ(pixelAt(image, QPointF(0.3, 0.3)).alpha(), 0);  // rounded corner
    EXPECT_GT(strongestPixel(image, button.symbolRect()).lightness(), 200);  // white symbol
    const QRectF divider = button.dividerRect();
    EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(divider.left() + 2.5, button.height() / 2.0)), Qt::white));
}

TEST(SplitButton, WithoutTitleOnlyTheSurface)
{
    int presses = 0;
    VKSplitButton button(std::nullopt, std::nullopt, QStringLiteral("chevron.right"), QColor(0, 0, 200),
                         [&] { ++presses; }, [&] { ++presses; }, QFont());
    EXPECT_EQ(button.sizeHint(), QSize(0, 0));
    button.resize(60, 30);
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 15));
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(50, 15));
    EXPECT_EQ(presses, 0);
    const QImage image = renderWidget(button);
    EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(30, 15)), QColor(0, 0, 200)));
}

TEST(InlineButton, LongLabelGrowsWithRoundEndsAndPressRunsTheHandler)
{
    int presses = 0;
    const QColor green(0, 160, 0);
    VKInlineButton shortButton([] {}, std::nullopt, QStringLiteral("Go"), green);
    VKInlineButton longButton([&] { ++presses; }, std::nullopt,
                              QStringLiteral("A much longer label that needs a lot of room"), green);
    const QFontMetricsF metrics(VKTheme::font(VKTextStyle::headline));
    EXPECT_GE(longButton.sizeHint().width(),
              metrics.horizontalAdvance(QStringLiteral("A much longer label that needs a lot of room")) + 16);
    EXPECT_EQ(longButton.sizeHint().height(), shortButton.sizeHint().height());

    QWidget host;
    auto* layout = new QHBoxLayout(&host);
    layout->addWidget(&longButton);
    layout->addStretch(1);
    host.resize(800, 60);
    host.show();
    EXPECT_EQ(longButton.size(), longButton.sizeHint());
    const QImage image = renderWidget(longButton, longButton.size(), 2);
    const qreal h = longButton.height();
    EXPECT_EQ(pixelAt(image, QPointF(0.5, 0.5)).alpha(), 0);  // round end
    const QColor middle = pixelAt(image, QPointF(h / 2, 1.5));  // above the text
    EXPECT_TRUE(sameRgb(middle, green, 3));
    EXPECT_NEAR(middle.alpha(), 64, 3);
    QTest::mouseClick(&longButton, Qt::LeftButton);
    EXPECT_EQ(presses, 1);
    layout->removeWidget(&longButton);
    longButton.setParent(nullptr);

    VKInlineButton keyed([] {}, QStringLiteral("INLINE_KEY"), QStringLiteral("text"), green);
    EXPECT_EQ(keyed.label(), QStringLiteral("INLINE_KEY"));
}
