#include "BaseKit/Version.h"

#include <gtest/gtest.h>

using BaseKit::Version;

TEST(Version, ComparesNumbersByValue)
{
    EXPECT_TRUE(Version("1.10") > Version("1.9"));
    EXPECT_TRUE(Version("2.0") > Version("1.99"));
    EXPECT_TRUE(Version("10.0") > Version("9.9"));
    EXPECT_TRUE(Version("1.9") < Version("1.10"));
    EXPECT_TRUE(Version("2.10.1") > Version("2.9.12"));
}

TEST(Version, MissingComponentsCountAsZero)
{
    EXPECT_TRUE(Version("1.0") == Version("1"));
    EXPECT_FALSE(Version("1.0") > Version("1"));
    EXPECT_FALSE(Version("2") < Version("2.0"));
    EXPECT_TRUE(Version("2.0.0") == Version("2"));
    EXPECT_TRUE(Version("2.0.1") > Version("2"));
    EXPECT_TRUE(Version("1") <= Version("1.0"));
    EXPECT_TRUE(Version("1") >= Version("1.0"));
}

TEST(Version, EqualTextsAreNeitherLessNorGreater)
{
    const Version a("3.4.5");
    const Version b("3.4.5");
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a < b);
    EXPECT_FALSE(a > b);
    EXPECT_EQ(a.description(), "3.4.5");
}

TEST(Version, OddInputs)
{
    EXPECT_TRUE(Version("") < Version("0"));
    EXPECT_TRUE(Version("") < Version("a"));
    EXPECT_TRUE(Version("") == Version(""));
    // Numbers far beyond 64 bits compare by value without overflow.
    EXPECT_TRUE(Version("1.99999999999999999999999999") < Version("1.100000000000000000000000000"));
    EXPECT_TRUE(Version("18446744073709551616") > Version("18446744073709551615"));
    EXPECT_TRUE(Version("0001.2") == Version("1.2"));
    // Letters compare as characters, digits inside a component by value.
    EXPECT_TRUE(Version("1.2b") > Version("1.2a"));
    EXPECT_TRUE(Version("1.2a10") > Version("1.2a9"));
    EXPECT_TRUE(Version("1.2a") > Version("1.2"));
    EXPECT_TRUE(Version("abc") > Version("1"));
    // Many components.
    const QString many = QStringLiteral("1.").repeated(500) + QStringLiteral("1");
    const QString manyMore = QStringLiteral("1.").repeated(500) + QStringLiteral("2");
    EXPECT_TRUE(Version(many) < Version(manyMore));
    EXPECT_TRUE(Version("1..2") < Version("1.0.2"));
    EXPECT_TRUE(Version("...") == Version("..."));
}
