#include "BaseKit/Images/SymbolGlyphs.h"
#include "LanguageKit/Views/LKLocalizedButton.h"
#include "LanguageKit/Views/LKLocalizedLabel.h"
#include "LanguageKit/Views/LKLocalizedText.h"
#include "LanguageKit/Views/LKLocalizedToggle.h"
#include "LanguageKitTestSupport.h"

#include <QLabel>
#include <QLayout>
#include <QPoint>
#include <QTest>
#include <gtest/gtest.h>

using LanguageKit::BoolBinding;
using LanguageKit::LKLocalizedButton;
using LanguageKit::LKLocalizedLabel;
using LanguageKit::LKLocalizedString;
using LanguageKit::LKLocalizedText;
using LanguageKit::LKLocalizedToggle;
using LanguageKitTest::fixtureBundle;
using LanguageKitTest::shippedBundle;
using LanguageKitTest::TableGuard;

TEST(LocalizedViews, ButtonWithoutRoleIsAPlainButton)
{
    TableGuard guard(fixtureBundle(), {QStringLiteral("de")});
    int pressed = 0;
    LKLocalizedButton button(LKLocalizedString::dismiss, std::nullopt, [&] { ++pressed; });
    EXPECT_EQ(button.localizedText(), QStringLiteral("Verwerfen"));
    EXPECT_EQ(button.text(), QStringLiteral("Verwerfen"));
    EXPECT_FALSE(button.role().has_value());
    EXPECT_FALSE(button.property("role").isValid());

    button.resize(200, 40);
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(pressed, 1);
    EXPECT_FALSE(button.grab().isNull());
}

TEST(LocalizedViews, ButtonWithRoleKeepsIt)
{
    TableGuard guard(fixtureBundle(), {QStringLiteral("de")});
    LKLocalizedButton destructive(LKLocalizedString::dismiss, LKLocalizedButton::Role::Destructive, nullptr);
    ASSERT_TRUE(destructive.role().has_value());
    EXPECT_EQ(*destructive.role(), LKLocalizedButton::Role::Destructive);
    EXPECT_EQ(destructive.property("role").toString(), QStringLiteral("destructive"));
    // The role form looks the key up plainly, and a button without an action can be pressed.
    LKLocalizedButton cancel(LKLocalizedString::about, LKLocalizedButton::Role::Cancel, nullptr);
    EXPECT_EQ(cancel.localizedText(), QStringLiteral("Über %@"));
    cancel.click();
}

TEST(LocalizedViews, ButtonArgumentIsFilledIntoTheTranslation)
{
    {
        TableGuard guard(fixtureBundle(), {QStringLiteral("de")});
        LKLocalizedButton about(LKLocalizedString::about, QVariant(QStringLiteral("Kestrion")), [] {});
        EXPECT_EQ(about.localizedText(), QStringLiteral("Über Kestrion"));
        EXPECT_FALSE(about.role().has_value());
        // No argument, and an argument that cannot fill a placeholder, give the same plain text.
        LKLocalizedButton absent(LKLocalizedString::about, QVariant(), [] {});
        LKLocalizedButton point(LKLocalizedString::about, QVariant(QPoint(3, 4)), [] {});
        EXPECT_EQ(absent.localizedText(), QStringLiteral("Über %@"));
        EXPECT_EQ(point.localizedText(), absent.localizedText());
    }
    {
        QTemporaryDir empty;
        TableGuard guard(empty.path(), {QStringLiteral("de")});
        LKLocalizedButton about(LKLocalizedString::about, QVariant(QStringLiteral("Kestrion")), [] {});
        EXPECT_EQ(about.localizedText(), QStringLiteral("ABOUT"));
    }
}

TEST(LocalizedViews, TextsAreShownVerbatim)
{
    TableGuard guard(fixtureBundle(), {QStringLiteral("de")});
    // "Allgemein & mehr": no shortcut letter on buttons and switches, no markup in labels.
    LKLocalizedButton button(LKLocalizedString::general, std::nullopt, nullptr);
    EXPECT_EQ(button.localizedText(), QStringLiteral("Allgemein & mehr"));
    EXPECT_EQ(button.text(), QStringLiteral("Allgemein && mehr"));

    LKLocalizedText text(LKLocalizedString::general);
    EXPECT_EQ(text.textFormat(), Qt::PlainText);
    EXPECT_EQ(text.text(), QStringLiteral("Allgemein & mehr"));

    LKLocalizedToggle toggle(LKLocalizedString::general, QVariant(), BoolBinding{});
    EXPECT_EQ(toggle.text(), QStringLiteral("Allgemein && mehr"));
    EXPECT_FALSE(toggle.isChecked());
}

TEST(LocalizedViews, TextIsResolvedOnceWhenBuilt)
{
    auto guard = std::make_unique<TableGuard>(shippedBundle(), QStringList{QStringLiteral("de")});
    LKLocalizedText text(LKLocalizedString::memory);
    LKLocalizedLabel label(LKLocalizedString::general, QVariant(), QStringLiteral("gearshape"));
    guard = std::make_unique<TableGuard>(shippedBundle(), QStringList{QStringLiteral("en")});
    EXPECT_EQ(text.localizedText(), QStringLiteral("Arbeitsspeicher"));
    EXPECT_EQ(text.text(), QStringLiteral("Arbeitsspeicher"));
    EXPECT_EQ(label.localizedText(), QStringLiteral("Allgemein"));
    EXPECT_EQ(LKLocalizedText(LKLocalizedString::memory).text(), QStringLiteral("Memory"));
}

TEST(LocalizedViews, LabelShowsItsTextBesideTheSymbol)
{
    TableGuard guard(fixtureBundle(), {QStringLiteral("de")});
    LKLocalizedLabel label(LKLocalizedString::connectionChange, QVariant(QStringLiteral("A")), QStringLiteral("gearshape"));
    EXPECT_EQ(label.localizedText(), QStringLiteral("Von A zu %@"));
    EXPECT_EQ(label.systemName(), QStringLiteral("gearshape"));

    const auto shown = label.findChildren<QLabel*>();
    ASSERT_EQ(shown.size(), 2);
    QLabel* icon = shown[0]->text() == label.localizedText() ? shown[1] : shown[0];
    QLabel* title = icon == shown[0] ? shown[1] : shown[0];
    EXPECT_EQ(title->text(), label.localizedText());
    EXPECT_EQ(icon->text(), BaseKit::SymbolGlyphs::text(QStringLiteral("gearshape")));
    EXPECT_EQ(icon->font().family(), BaseKit::SymbolGlyphs::family());

    // The glyph is drawn before the text: the icon's picture holds pixels of the text colour.
    label.resize(label.sizeHint());
    label.show();
    label.layout()->activate();
    EXPECT_LT(icon->x(), title->x());
    const QImage picture = icon->grab().toImage();
    const QRgb ink = icon->palette().color(QPalette::WindowText).rgb();
    int inked = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            inked += picture.pixel(x, y) == ink;
    EXPECT_GT(inked, 4);
}

TEST(LocalizedViews, TextTakesANumberArgument)
{
    TableGuard guard(fixtureBundle(), {QStringLiteral("de")});
    EXPECT_EQ(LKLocalizedText(LKLocalizedString::about, QVariant(42)).text(), QStringLiteral("Über 42"));
}

TEST(LocalizedViews, ToggleReadsAndWritesThroughItsBinding)
{
    bool setting = true;
    int writes = 0;
    BoolBinding binding{[&] { return setting; }, [&](bool on) { setting = on; ++writes; }};
    LKLocalizedToggle toggle(LKLocalizedString::useAnimations, QVariant(), binding);
    EXPECT_TRUE(toggle.isChecked());
    EXPECT_EQ(writes, 0);

    toggle.resize(300, 30);
    toggle.show();
    toggle.click();
    EXPECT_FALSE(setting);
    EXPECT_EQ(writes, 1);
    toggle.click();
    EXPECT_TRUE(setting);
    EXPECT_EQ(writes, 2);
}
