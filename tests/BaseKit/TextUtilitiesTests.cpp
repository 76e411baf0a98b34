#include "BaseKit/TextUtilities.h"

#include <QList>
#include <gtest/gtest.h>

using BaseKit::TextUtilities;

TEST(TextUtilitiesFlagEmoji, TwoLettersGiveRegionalIndicators)
{
    const QString german = TextUtilities::flagEmoji(QStringLiteral("DE"));
    const QList<uint> scalars = german.toUcs4();
    ASSERT_EQ(scalars.size(), 2);
    EXPECT_EQ(scalars[0], 0x1F1E9u);
    EXPECT_EQ(scalars[1], 0x1F1EAu);
    // Lower-case codes (as some geolocation answers give) make the same flag.
    EXPECT_EQ(TextUtilities::flagEmoji(QStringLiteral("de")), german);
    EXPECT_EQ(TextUtilities::flagEmoji(QStringLiteral("zA")).toUcs4(),
              (QList<uint>{0x1F1FFu, 0x1F1E6u}));
}

TEST(TextUtilitiesFlagEmoji, AnythingElseIsEmpty)
{
    for (const char* code : {"", "D", "DEU", "D1", "12", "D-", " D"})
        EXPECT_TRUE(TextUtilities::flagEmoji(QString::fromLatin1(code)).isEmpty()) << code;
    EXPECT_TRUE(TextUtilities::flagEmoji(QString::fromUtf8("\u00C4T")).isEmpty());
}

TEST(TextUtilitiesFirstInteger, FirstRunOfDigits)
{
    EXPECT_EQ(TextUtilities::firstInteger(QStringLiteral("Mac14,2")), 14);
    EXPECT_EQ(TextUtilities::firstInteger(QStringLiteral("No. 0012")), 12);
    EXPECT_EQ(TextUtilities::firstInteger(QStringLiteral("9223372036854775807")),
              std::numeric_limits<std::int64_t>::max());
    EXPECT_FALSE(TextUtilities::firstInteger(QStringLiteral("no digits")).has_value());
    EXPECT_FALSE(TextUtilities::firstInteger(QString()).has_value());
    EXPECT_FALSE(TextUtilities::firstInteger(QStringLiteral("9223372036854775808")).has_value());
    // Other decimal digits (Arabic-Indic) start the run but do not parse.
    EXPECT_FALSE(TextUtilities::firstInteger(QString::fromUtf8("x\u0663\u0664 12")).has_value());
}
