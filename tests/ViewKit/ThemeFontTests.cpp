#include "ViewKit/VKTheme.h"

#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

using namespace ViewKit;

// A style's font is the application font at the style's size and weight, and follows the application
// font when it changes, however often it was asked for before.
TEST(ThemeFont, FollowsTheApplicationFont)
{
    const QFont original = QApplication::font();
    const QFont before = VKTheme::font(VKTextStyle::body, QFont::Medium);
    EXPECT_EQ(before.pixelSize(), VKTheme::textSize(VKTextStyle::body));
    EXPECT_EQ(before.weight(), QFont::Medium);
    EXPECT_EQ(VKTheme::font(VKTextStyle::title2).pixelSize(), VKTheme::textSize(VKTextStyle::title2));

    QFont other = original;
    other.setItalic(!original.italic());
    other.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    QApplication::setFont(other);
    const QFont after = VKTheme::font(VKTextStyle::body, QFont::Medium);
    QApplication::setFont(original);

    EXPECT_EQ(after.italic(), other.italic());
    EXPECT_EQ(after.letterSpacing(), 1.5);
    EXPECT_EQ(after.pixelSize(), VKTheme::textSize(VKTextStyle::body));
    EXPECT_EQ(after.weight(), QFont::Medium);
    EXPECT_EQ(VKTheme::font(VKTextStyle::body, QFont::Medium).italic(), original.italic());
}
