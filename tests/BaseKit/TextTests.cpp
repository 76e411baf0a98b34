#include "BaseKit/Text.h"

#include "Support/LocaleScope.h"

#include <gtest/gtest.h>

#include <cmath>

namespace Text = BaseKit::Text;

TEST(TextConstants, SharedTexts)
{
    EXPECT_TRUE(Text::empty.isEmpty());
    EXPECT_EQ(Text::dash, "-");
    EXPECT_EQ(Text::bullet, QString(QChar(0x2022)));
    EXPECT_EQ(Text::nul.size(), 1);
    EXPECT_EQ(Text::nul.at(0).unicode(), 0);
    EXPECT_EQ(Text::indentation, "    ");
}

TEST(TextCutting, TruncatedCountsCharacters)
{
    EXPECT_EQ(Text::truncated(QStringLiteral("abcdef"), 3), "abc");
    EXPECT_EQ(Text::truncated(QStringLiteral("abc"), 3), "abc");
    EXPECT_EQ(Text::truncated(QStringLiteral("abc"), 0), "");
    EXPECT_EQ(Text::truncated(QStringLiteral("abc"), -1), "");
    // A flag is one character of four UTF-16 units; an accented letter may be two code points.
    const QString flags = QString::fromUtf8("\U0001F1E9\U0001F1EA\U0001F1EB\U0001F1F7");
    EXPECT_EQ(Text::truncated(flags, 1), QString::fromUtf8("\U0001F1E9\U0001F1EA"));
    EXPECT_EQ(Text::truncated(QString::fromUtf8("e\u0301tat"), 2), QString::fromUtf8("e\u0301t"));
}

TEST(TextCutting, SubstringsAreClampedToTheText)
{
    const QString text = QStringLiteral("abcdef");
    EXPECT_EQ(Text::substringTo(text, -2, 3), "abc");
    EXPECT_EQ(Text::substringTo(text, 2, 100), "cdef");
    EXPECT_EQ(Text::substring(text, 1, 100), "bcdef");
    EXPECT_EQ(Text::substring(text, 2, 2), "cd");
    // End before start, start beyond the text, negative lengths: the empty text, no crash.
    EXPECT_EQ(Text::substringTo(text, 4, 2), "");
    EXPECT_EQ(Text::substringTo(text, 10, 12), "");
    EXPECT_EQ(Text::substring(text, 10, 2), "");
    EXPECT_EQ(Text::substring(text, -1, 2), "");
    EXPECT_EQ(Text::substring(text, 2, -1), "");
    EXPECT_EQ(Text::substring(text, 2, std::numeric_limits<qsizetype>::max()), "cdef");
}

TEST(TextFloatValue, WholeTextInCConventions)
{
    EXPECT_EQ(Text::floatValue(QStringLiteral("3.5")), 3.5f);
    EXPECT_EQ(Text::floatValue(QStringLiteral("1e3")), 1000.0f);
    EXPECT_EQ(Text::floatValue(QStringLiteral("-2.25")), -2.25f);
    EXPECT_EQ(Text::floatValue(QStringLiteral("+2")), 2.0f);
    EXPECT_EQ(Text::floatValue(QStringLiteral("0x1p3")), 8.0f);
    EXPECT_EQ(Text::floatValue(QStringLiteral("inf")), std::numeric_limits<float>::infinity());
    EXPECT_TRUE(std::isnan(*Text::floatValue(QStringLiteral("nan"))));
    EXPECT_EQ(Text::floatValue(QStringLiteral("1e50")), std::numeric_limits<float>::infinity());
    EXPECT_EQ(Text::floatValue(QStringLiteral("1e-50")), 0.0f);
}

TEST(TextFloatValue, AnythingElseIsNone)
{
    for (const char* text : {"", " 3.5", "3.5 ", "\t1", "3,5", "1e", ".", "abc", "+-1", "--1", "0x"})
        EXPECT_FALSE(Text::floatValue(QString::fromLatin1(text)).has_value()) << text;
    EXPECT_FALSE(Text::floatValue(QString(QChar(u'\0')) + QStringLiteral("1")).has_value());
}

TEST(TextOperations, NulsPathsAndOptionals)
{
    EXPECT_EQ(Text::removingNullCharacters(QString::fromLatin1("AMD\0 Radeon\0\0", 14)), "AMD Radeon");
    EXPECT_EQ(Text::lastPathComponent(QStringLiteral("/usr/lib/file.so")), "file.so");
    EXPECT_EQ(Text::lastPathComponent(QStringLiteral("/usr/lib/")), "lib");
    EXPECT_EQ(Text::lastPathComponent(QStringLiteral("/")), "/");
    EXPECT_EQ(Text::lastPathComponent(QStringLiteral("name")), "name");
    EXPECT_TRUE(Text::isNilOrEmpty(std::nullopt));
    EXPECT_TRUE(Text::isNilOrEmpty(QString()));
    EXPECT_FALSE(Text::isNilOrEmpty(QStringLiteral("x")));
}

TEST(TextLocale, SeparatorsFollowTheCurrentLocale)
{
    {
        LocaleScope german(QStringLiteral("de_DE"));
        EXPECT_EQ(Text::decimalSeparator(), ",");
        EXPECT_EQ(Text::groupedText(1234567), "1.234.567");
    }
    LocaleScope english(QStringLiteral("en_US"));
    EXPECT_EQ(Text::decimalSeparator(), ".");
    EXPECT_EQ(Text::groupedText(1234567), "1,234,567");
    EXPECT_EQ(Text::groupedText(-1234), "-1,234");
    EXPECT_EQ(Text::groupedText(999), "999");
}
