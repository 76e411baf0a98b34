#include "LanguageKit/LKBundle.h"
#include "LanguageKit/LKResources.h"
#include "LanguageKit/TextFormat.h"
#include "LanguageKitTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

using LanguageKit::LKBundle;
using LanguageKit::LKLocalizedString;
using LanguageKit::LKResources;
using LanguageKit::TextFormat;
using LanguageKitTest::fixtureBundle;
using LanguageKitTest::shippedBundle;
using LanguageKitTest::TableGuard;

namespace {

QStringList sortedPlaceholders(const QString& text)
{
    QStringList list = TextFormat::placeholders(text);
    list.sort();
    return list;
}

} // namespace

TEST(LKBundle, TheModuleBundleIsFoundBesideTheProgram)
{
    EXPECT_EQ(QFileInfo(LKBundle::bundle().path()).canonicalFilePath(), QFileInfo(shippedBundle()).canonicalFilePath());
    EXPECT_FALSE(LKBundle::bundle().path().isEmpty());
}

TEST(LKBundle, TheFirstUiLanguageWithATableWins)
{
    EXPECT_EQ(LKBundle(shippedBundle(), {QStringLiteral("de-DE"), QStringLiteral("en-US")}).language(), QStringLiteral("de"));
    EXPECT_EQ(LKBundle(shippedBundle(), {QStringLiteral("de-AT")}).language(), QStringLiteral("de"));
    EXPECT_EQ(LKBundle(shippedBundle(), {QStringLiteral("fr-FR"), QStringLiteral("de")}).language(), QStringLiteral("de"));
    EXPECT_EQ(LKBundle(shippedBundle(), {QStringLiteral("en-GB"), QStringLiteral("de")}).language(), QStringLiteral("en"));
    // No table for any of them: English, the language the texts are written in.
    EXPECT_EQ(LKBundle(shippedBundle(), {QStringLiteral("fr-FR"), QStringLiteral("ja")}).language(), QStringLiteral("en"));
    EXPECT_EQ(LKBundle(shippedBundle(), {}).language(), QStringLiteral("en"));
}

TEST(LKBundle, AMissingBundleOrTableGivesTheKeys)
{
    LKBundle missing(QStringLiteral("/nonexistent/LanguageKit_LanguageKit.bundle"), {QStringLiteral("de")});
    EXPECT_TRUE(missing.language().isEmpty());
    EXPECT_EQ(missing.localizedString(QStringLiteral("UNKNOWN_ADDRESS")), QStringLiteral("UNKNOWN_ADDRESS"));

    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    ASSERT_TRUE(QDir(empty.path()).mkpath(QStringLiteral("translations")));
    TableGuard guard(empty.path(), {QStringLiteral("en")});
    EXPECT_EQ(LKResources::localized(*LKLocalizedString::fromIndex(13)), QStringLiteral("UNKNOWN_ADDRESS"));
    EXPECT_EQ(LKLocalizedString(LKLocalizedString::about).localized(), QStringLiteral("ABOUT"));
    EXPECT_EQ(LKResources::localized(LKLocalizedString::capacityInfo, {QStringLiteral("1 GB"), QStringLiteral("2 GB"), QStringLiteral("1 GB")}),
              QStringLiteral("CAPACITY_INFO"));
}

TEST(LKBundle, AGermanUiShowsGermanWhereItExistsAndTheKeyWhereNot)
{
    {
        TableGuard guard(shippedBundle(), {QStringLiteral("de-DE")});
        EXPECT_EQ(LKResources::localized(LKLocalizedString::processorUsage), QStringLiteral("Prozessorauslastung"));
        EXPECT_EQ(LKLocalizedString(LKLocalizedString::memory).text(), QStringLiteral("Arbeitsspeicher"));
        EXPECT_EQ(LKResources::localized(LKLocalizedString::about, {QStringLiteral("Kestrion")}), QStringLiteral("Über Kestrion"));
    }
    {
        TableGuard guard(fixtureBundle(), {QStringLiteral("de-DE")});
        EXPECT_EQ(LKResources::localized(LKLocalizedString::dismiss), QStringLiteral("Verwerfen"));
        EXPECT_EQ(LKResources::localized(LKLocalizedString::good), QStringLiteral("GOOD"));
        // An entry without a translated text counts as missing.
        EXPECT_EQ(LKResources::localized(LKLocalizedString::unknownAddress), QStringLiteral("UNKNOWN_ADDRESS"));
        // A translation that reads like a key is shown as it is, not looked up again.
        EXPECT_EQ(LKResources::localized(LKLocalizedString::close), QStringLiteral("DISMISS"));
    }
}

TEST(LKBundle, ArgumentsFillTheTranslatedPlaceholders)
{
    TableGuard guard(fixtureBundle(), {QStringLiteral("de")});
    EXPECT_EQ(LKResources::localized(LKLocalizedString::connectionChange, {QStringLiteral("WLAN"), QStringLiteral("VPN")}),
              QStringLiteral("Von WLAN zu VPN"));
    EXPECT_EQ(LKResources::localized(LKLocalizedString::capacityInfo, {QStringLiteral("10 GB"), QStringLiteral("50 GB"), QStringLiteral("40 GB")}),
              QStringLiteral("40 GB frei von 50 GB, 10 GB belegt"));
    // A translation with more placeholders than arguments, and with %n and %s in it.
    EXPECT_EQ(LKResources::localized(LKLocalizedString::value, {QStringLiteral("x"), 5}), QStringLiteral("x %n %s 5 %@ %@"));
}

TEST(LKBundle, EveryShippedLanguageHasEveryKeyWithTheEnglishPlaceholders)
{
    const QDir folder(shippedBundle() + QStringLiteral("/translations"));
    const QStringList tables = folder.entryList({QStringLiteral("LanguageKit_*.qm")}, QDir::Files);
    ASSERT_TRUE(tables.contains(QStringLiteral("LanguageKit_en.qm")));
    ASSERT_TRUE(tables.contains(QStringLiteral("LanguageKit_de.qm")));

    QTranslator english;
    ASSERT_TRUE(english.load(folder.filePath(QStringLiteral("LanguageKit_en.qm"))));
    for (const QString& file : tables) {
        QTranslator table;
        ASSERT_TRUE(table.load(folder.filePath(file))) << qPrintable(file);
        for (const LKLocalizedString key : LKLocalizedString::allCases()) {
            const QByteArray source = key.rawValue().toLatin1();
            const QString text = table.translate("LanguageKit", source.constData());
            EXPECT_FALSE(text.isEmpty()) << qPrintable(file) << ' ' << source.constData();
            EXPECT_EQ(sortedPlaceholders(text), sortedPlaceholders(english.translate("LanguageKit", source.constData())))
                << qPrintable(file) << ' ' << source.constData();
        }
    }
}

TEST(LKBundle, OnlyTheFormattedKeysCarryPlaceholders)
{
    // Callers fill "ABOUT" with the application's name and "CAPACITY_INFO" with used, total and free
    // space; every other key is shown as looked up, where a placeholder would show as "%@".
    const LKBundle english(shippedBundle(), {QStringLiteral("en")});
    for (const LKLocalizedString key : LKLocalizedString::allCases()) {
        const QStringList placeholders = TextFormat::placeholders(english.localizedString(key.rawValue()));
        if (key == LKLocalizedString::about)
            EXPECT_EQ(placeholders.size(), 1);
        else if (key == LKLocalizedString::capacityInfo)
            EXPECT_EQ(placeholders.size(), 3);
        else
            EXPECT_TRUE(placeholders.isEmpty()) << qPrintable(key.rawValue());
    }
    EXPECT_EQ(TextFormat::apply(english.localizedString(QStringLiteral("CAPACITY_INFO")),
                                {QStringLiteral("10 GB"), QStringLiteral("50 GB"), QStringLiteral("40 GB")}),
              QStringLiteral("10 GB of 50 GB used, 40 GB free"));
}

TEST(LKBundle, TextsSpeakOfThisSystemNotOfAnother)
{
    const QStringList foreign = {QStringLiteral("macOS"), QStringLiteral("Mac "), QStringLiteral("Finder"),
                                 QStringLiteral("Dock"), QStringLiteral("Safari"), QStringLiteral("menu bar"),
                                 QStringLiteral("Menüleiste")};
    for (const QString& language : {QStringLiteral("en"), QStringLiteral("de")}) {
        const LKBundle bundle(shippedBundle(), {language});
        ASSERT_EQ(bundle.language(), language);
        for (const LKLocalizedString key : LKLocalizedString::allCases()) {
            const QString text = bundle.localizedString(key.rawValue());
            EXPECT_NE(text, key.rawValue()) << qPrintable(language) << ' ' << qPrintable(text);
            for (const QString& word : foreign)
                EXPECT_FALSE(text.contains(word, Qt::CaseInsensitive)) << qPrintable(language) << ' ' << qPrintable(text);
        }
        EXPECT_EQ(bundle.localizedString(QStringLiteral("MACOS_VERSION")), bundle.localizedString(QStringLiteral("OPERATING_SYSTEM")));
    }
}

TEST(LKBundle, LookupsDuringAReloadSeeOneWholeTable)
{
    LKBundle bundle(shippedBundle(), {QStringLiteral("en")});
    std::atomic<bool> stop = false;
    std::atomic<int> wrong = 0;
    std::vector<std::thread> readers;
    for (int t = 0; t < 3; ++t) {
        readers.emplace_back([&] {
            while (!stop) {
                const QString text = bundle.localizedString(QStringLiteral("MEMORY"));
                if (text != QStringLiteral("Memory") && text != QStringLiteral("Arbeitsspeicher"))
                    ++wrong;
            }
        });
    }
    for (int i = 0; i < 40; ++i)
        bundle.load(shippedBundle(), {i % 2 ? QStringLiteral("en") : QStringLiteral("de")});
    stop = true;
    for (auto& reader : readers)
        reader.join();
    EXPECT_EQ(wrong, 0);
}
