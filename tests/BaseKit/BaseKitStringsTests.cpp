#include "BaseKit/BaseKitStrings.h"
#include "BaseKit/ModuleStrings.h"

#include "Platform/Files/Bundles.h"

#include <gtest/gtest.h>

using BaseKit::ModuleStrings;

namespace {

const char* const allKeys[] = {"UNKNOWN_APP", "UNKNOWN_VERSION", "UNKNOWN_MACOS_VERSION", "UNKNOWN_COMPUTER_NAME",
                               "AGO_SECONDS", "ONE_MINUTE_AGO", "AGO_MINUTES", "ONE_HOUR_AGO", "HOURS_AGO",
                               "YESTERDAY", "DAYS_AGO", "TODAY_AT", "YESTERDAY_AT", "HOURS", "MINUTES", "SECONDS",
                               "OTHER", "VIDEO", "PHOTO", "ARCHIVE", "AUDIO", "DOCUMENT"};

QString translations()
{
    return Platform::Bundles::program().resourcePath(QStringLiteral("BaseKit"), QStringLiteral("translations"));
}

} // namespace

TEST(BaseKitStrings, TheBuiltBundleIsFoundBesideTheProgram)
{
    EXPECT_FALSE(Platform::Bundles::program().find(QStringLiteral("BaseKit")).isEmpty());
    EXPECT_TRUE(Platform::Bundles::program().moduleNames().contains(QStringLiteral("BaseKit_BaseKit.bundle")));
}

TEST(BaseKitStrings, EnglishTranslatesEveryKey)
{
    const ModuleStrings english(QStringLiteral("BaseKit"), translations(), {QStringLiteral("en")});
    ASSERT_EQ(english.language(), QStringLiteral("en"));
    for (const char* key : allKeys)
        EXPECT_NE(english.text(QLatin1String(key)), QLatin1String(key)) << key;
    EXPECT_EQ(english.text(QStringLiteral("UNKNOWN_COMPUTER_NAME")), QStringLiteral("Unknown Computer Name"));
    EXPECT_EQ(english.text(QStringLiteral("AGO_MINUTES")).arg(5), QStringLiteral("5 minutes ago"));
}

TEST(BaseKitStrings, GermanIsChosenByTheFirstMatchingLanguage)
{
    const ModuleStrings german(QStringLiteral("BaseKit"), translations(),
                               {QStringLiteral("fr-FR"), QStringLiteral("de-AT"), QStringLiteral("en")});
    EXPECT_EQ(german.language(), QStringLiteral("de"));
    EXPECT_EQ(german.text(QStringLiteral("DAYS_AGO")).arg(3), QStringLiteral("vor 3 Tagen"));
    EXPECT_EQ(german.text(QStringLiteral("YESTERDAY")), QStringLiteral("Gestern"));
}

TEST(BaseKitStrings, AMissingTranslationShowsTheKey)
{
    const ModuleStrings english(QStringLiteral("BaseKit"), translations(), {QStringLiteral("en")});
    EXPECT_EQ(english.text(QStringLiteral("NOT_A_KEY")), QStringLiteral("NOT_A_KEY"));
    const ModuleStrings none(QStringLiteral("BaseKit"), translations(), {QStringLiteral("C"), QStringLiteral("fr")});
    EXPECT_TRUE(none.language().isEmpty());
    EXPECT_EQ(none.text(QStringLiteral("YESTERDAY")), QStringLiteral("YESTERDAY"));
    const ModuleStrings missingBundle(QStringLiteral("BaseKit"), QString(), {QStringLiteral("en")});
    EXPECT_EQ(missingBundle.text(QStringLiteral("HOURS")), QStringLiteral("HOURS"));
}

TEST(BaseKitStrings, TheSharedLookupAnswersEveryKey)
{
    for (const char* key : allKeys)
        EXPECT_FALSE(BaseKit::localizedString(QLatin1String(key)).isEmpty()) << key;
    EXPECT_EQ(BaseKit::localizedString(QStringLiteral("NOT_A_KEY")), QStringLiteral("NOT_A_KEY"));
}
