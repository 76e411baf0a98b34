#include "WidgetCanvas.h"

#include "ViewKit/VKProminentButton.h"
#include "ViewKit/VKProminentButtonStyle.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace ViewKit;

namespace {

QPalette light()
{
    return VKTheme::palette(VKColorScheme::light);
}

} // namespace

TEST(ProminentStyle, DisabledLooksTheSameWhateverTheColoursAndPressedState)
{
    const QPalette lightPalette = light();
    const VKProminentButtonStyle red{QColor(255, 0, 0), QColor(0, 255, 0), 7, std::nullopt};
    const VKProminentButtonStyle blue{QColor(0, 0, 255), QColor(255, 255, 0), 3, 32};
    const QColor secondary = VKTheme::color(VKNamedColor::secondary, VKColorScheme::light);
    for (qreal pressed : {0.0, 1.0}) {
        for (const auto& style : {red, blue}) {
            const QColor background = style.backgroundColor(false, pressed, VKColorScheme::light, lightPalette);
            const QColor label = style.labelColor(false, pressed, VKColorScheme::light, lightPalette);
            EXPECT_EQ(background.rgb(), secondary.rgb());
            EXPECT_NEAR(background.alphaF(), secondary.alphaF() * 0.3, 0.01);
            EXPECT_NEAR(label.alphaF(), secondary.alphaF() * 0.5, 0.01);
        }
    }
}

TEST(ProminentStyle, PressingDimsBackgroundAndLabelTogether)
{
    const QPalette lightPalette = light();
    const VKProminentButtonStyle style{QColor(0, 0, 255), QColor(255, 255, 255), 7, std::nullopt};
    EXPECT_NEAR(style.backgroundColor(true, 0, VKColorScheme::light, lightPalette).alphaF(), 1.0, 0.01);
    EXPECT_NEAR(style.backgroundColor(true, 1, VKColorScheme::light, lightPalette).alphaF(), 0.8, 0.01);
    EXPECT_NEAR(style.labelColor(true, 1, VKColorScheme::light, lightPalette).alphaF(), 0.8, 0.01);
    EXPECT_NEAR(style.labelColor(true, 0.5, VKColorScheme::light, lightPalette).alphaF(), 0.9, 0.01);

    // The ready-made settings.
    const QColor accent = lightPalette.color(QPalette::Active, QPalette::Highlight);
    EXPECT_EQ(VKProminentButtonStyle::prominent().backgroundColor(true, 0, VKColorScheme::light, lightPalette), accent);
    EXPECT_FALSE(VKProminentButtonStyle::prominent().dimension.has_value());
    EXPECT_EQ(VKProminentButtonStyle::destructiveIcon().dimension.value_or(0), 32);
    EXPECT_EQ(VKProminentButtonStyle::destructive().backgroundColor(true, 0, VKColorScheme::dark, lightPalette),
              VKTheme::color(VKNamedColor::red, VKColorScheme::dark));
}

TEST(ProminentStyle, SquareOfThirtyTwoWithTheSymbolCentred)
{
    const QPalette lightPalette = light();
    for (qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        const VKProminentButtonStyle style{QColor(0, 0, 255), QColor(255, 255, 255), 7, 32};
        EXPECT_EQ(style.size(QSizeF(100, 40)), QSizeF(32, 32));
        QImage image = makeCanvas(QSize(32, 32), ratio);
        QPainter painter(&image);
        style.paint(painter, QRectF(0, 0, 32, 32), QString(), QStringLiteral("circle.fill"), QFont(), true, 0,
                    VKColorScheme::light, lightPalette);
        painter.end();
        EXPECT_EQ(pixelAt(image, QPointF(0.3, 0.3)).alpha(), 0);           // corner of radius 7
        EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(16, 1)), QColor(0, 0, 255)));
        EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(16, 16)), Qt::white));  // the filled circle, centred
        EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(2, 16)), QColor(0, 0, 255)));
    }
    // Without a dimension the label is padded 12 and 8.
    EXPECT_EQ(VKProminentButtonStyle::prominent().size(QSizeF(50, 14)), QSizeF(74, 30));
}

TEST(ProminentButton, PressRunsTheActionAndDisabledDrawsSecondary)
{
    const QPalette lightPalette = light();
    int presses = 0;
    VKProminentButton button(QStringLiteral("Close"), VKProminentButtonStyle::prominent(), [&] { ++presses; });
    button.setPalette(lightPalette);
    button.resize(button.sizeHint());
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(presses, 1);
    const QColor accent = lightPalette.color(QPalette::Active, QPalette::Highlight);
    EXPECT_TRUE(isOpaque(pixelAt(renderWidget(button), QPointF(4, button.height() / 2.0)), accent));

    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(presses, 1);
    const QColor fill = pixelAt(renderWidget(button), QPointF(4, button.height() / 2.0));
    const QColor secondary = VKTheme::color(VKNamedColor::secondary, VKColorScheme::light);
    EXPECT_NEAR(fill.alphaF(), secondary.alphaF() * 0.3, 0.02);
}
