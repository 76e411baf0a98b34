#include "LanguageKit/LKLocalizedString.h"

#include <QHash>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include <unordered_set>

using LanguageKit::LKLocalizedString;

namespace {

// "PROCESSOR_USAGE" -> "processorUsage"
QString lowerCamelCase(const QString& key)
{
    const QStringList words = key.toLower().split(QLatin1Char('_'));
    QString name = words.first();
    for (qsizetype i = 1; i < words.size(); ++i)
        name += words[i].left(1).toUpper() + words[i].mid(1);
    return name;
}

struct Renamed {
    LKLocalizedString key;
    int index;
    const char* keyString;
};

const Renamed renamedCases[] = {
        {LKLocalizedString::openContactFormDots, 1, "CONTACT_FORM_DOTS"},
        {LKLocalizedString::startAtLogin, 3, "AUTO_START"},
        {LKLocalizedString::notificationsInfo, 23, "NOTIFCATIONS_INFO"},
        {LKLocalizedString::notificationsInfoText, 24, "NOTIFCATIONS_INFO_EXT"},
        {LKLocalizedString::maxSizeNoResizeBehaviourDescription, 74, "MAX_SIZE_NO_RESIZE_BEHAVIOUR_DESC"},
        {LKLocalizedString::fixedSizeBehaviourDescription, 76, "FIXED_SIZE_BEHAVIOUR_DESC"},
        {LKLocalizedString::maxSizeResizeBehaviourDescription, 78, "MAX_SIZE_RESIZE_BEHAVIOUR_DESC"},
        {LKLocalizedString::sizeToFitBehaviourDescription, 80, "SIZE_TO_FIT_BEHAVIOUR_DESC"},
        {LKLocalizedString::localAddress, 103, "LOCAL_IP"},
        {LKLocalizedString::unknownGraphicsCard, 121, "UNKNOWN_GPU"},
        {LKLocalizedString::processorCores, 126, "CPU_CORES"},
        {LKLocalizedString::macOSVersion, 142, "MACOS_VERSION"},
        {LKLocalizedString::performanceCores, 143, "FIRESTORM_CORES"},
        {LKLocalizedString::efficiencyCores, 144, "ICESTORM_CORES"},
        {LKLocalizedString::grantPermissionInfo, 149, "GRANT_PERMISSIONS_INFO"},
        {LKLocalizedString::internalVolume, 184, "INTERNAL"},
        {LKLocalizedString::noResultsForSearchTerm, 232, "NO_FILTER_RESULTS_INFO"},
        {LKLocalizedString::binaryFilesDeleteManualy, 250, "BINARY_DELETE_INFO"},
        {LKLocalizedString::noResultsAfterSearch, 252, "NO_RESULTS_INFO"},
        {LKLocalizedString::batteryInFairCondition, 254, "FAIR_CONDITION"},
        {LKLocalizedString::batteryInPoorCondition, 255, "POOR_CONDITION"},
        {LKLocalizedString::batteryInGoodCondition, 256, "GOOD_CONDITION"},
        {LKLocalizedString::loadAsInUsage, 270, "LOAD_USAGE"},
        {LKLocalizedString::networkInformation, 274, "NETWORK_INFO"},
        {LKLocalizedString::noInternalBattery, 280, "NO_BATTERY"},
        {LKLocalizedString::batteryCyclesInfo, 285, "BATTERY_CYCLES_DESC"},
        {LKLocalizedString::batteryHealthInfo, 286, "BATTERY_HEALTH_DESC"},
        {LKLocalizedString::notEnoughDataCollected, 288, "NOT_ENOUGH_DATA"},
        {LKLocalizedString::appIsBuiltUsingFrameworksColon, 303, "THIS_APP_IS_BUILT_USING_FRAMEWORKS_COLON"},
        {LKLocalizedString::processorMemoryUsage, 356, "PROCESSOR_AND_MEMORY_USAGE"},
};

} // namespace

TEST(LKLocalizedString, AllCasesAreInIndexOrder)
{
    const auto& cases = LKLocalizedString::allCases();
    ASSERT_EQ(cases.size(), 375u);
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(cases[i].index(), i);
    EXPECT_EQ(cases.front().rawValue(), QStringLiteral("DISMISS"));
    EXPECT_EQ(cases.back().rawValue(), QStringLiteral("TEMPORARY_FILES"));
}

TEST(LKLocalizedString, IndexesPassedBetweenModulesLandOnTheirTexts)
{
    const std::pair<int, const char*> pinned[] = {
        {0, "DISMISS"}, {13, "UNKNOWN_ADDRESS"}, {23, "NOTIFCATIONS_INFO"}, {30, "ABOUT"},
        {115, "FAIR"}, {118, "UNKNOWN"}, {130, "IMPERIAL"}, {131, "METRIC"}, {142, "MACOS_VERSION"},
        {174, "CAPACITY_INFO"}, {263, "POOR"}, {264, "GOOD"}, {374, "TEMPORARY_FILES"},
    };
    for (const auto& [index, key] : pinned) {
        const auto found = LKLocalizedString::fromIndex(static_cast<std::uint32_t>(index));
        ASSERT_TRUE(found.has_value()) << index;
        EXPECT_EQ(found->rawValue(), QLatin1String(key)) << index;
    }
    EXPECT_EQ(LKLocalizedString(LKLocalizedString::good).index(), 264);
    EXPECT_FALSE(LKLocalizedString::fromIndex(375).has_value());
    EXPECT_FALSE(LKLocalizedString::fromIndex(65535).has_value());
}

TEST(LKLocalizedString, RenamedCasesKeepTheirKeyStrings)
{
    for (const Renamed& renamed : renamedCases) {
        EXPECT_EQ(renamed.key.index(), renamed.index);
        EXPECT_EQ(renamed.key.rawValue(), QLatin1String(renamed.keyString));
    }
}

TEST(LKLocalizedString, EveryOtherCaseIsNamedAfterItsKeyString)
{
    QSet<int> renamed;
    for (const Renamed& r : renamedCases)
        renamed.insert(r.index);
    const QMetaEnum names = QMetaEnum::fromType<LKLocalizedString::Case>();
    // Every case of the enumeration has its key in the catalogue and the other way round.
    ASSERT_EQ(std::size_t(names.keyCount()), LKLocalizedString::allCases().size());
    for (int i = 0; i < names.keyCount(); ++i) {
        const auto key = LKLocalizedString::fromIndex(static_cast<std::uint32_t>(names.value(i)));
        ASSERT_TRUE(key.has_value());
        const QString name = QLatin1String(names.key(i));
        if (renamed.contains(names.value(i)))
            EXPECT_NE(name, lowerCamelCase(key->rawValue())) << qPrintable(name);
        else
            EXPECT_EQ(name, lowerCamelCase(key->rawValue())) << qPrintable(name);
    }
}

TEST(LKLocalizedString, KeyStringsAreUniqueCapitalsJoinedByUnderscores)
{
    const QRegularExpression form(QStringLiteral("^[A-Z]+(_[A-Z]+)*$"));
    QSet<QString> seen;
    for (const LKLocalizedString key : LKLocalizedString::allCases()) {
        EXPECT_TRUE(form.match(key.rawValue()).hasMatch()) << qPrintable(key.rawValue());
        seen.insert(key.rawValue());
    }
    EXPECT_EQ(seen.size(), 375);
}

TEST(LKLocalizedString, ConstructionFromEveryKeyStringGivesItsCase)
{
    for (const LKLocalizedString key : LKLocalizedString::allCases()) {
        const auto back = LKLocalizedString::fromRawValue(key.rawValue());
        ASSERT_TRUE(back.has_value()) << qPrintable(key.rawValue());
        EXPECT_EQ(*back, key);
    }
    const auto info = LKLocalizedString::fromRawValue(QStringLiteral("NOTIFCATIONS_INFO"));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(*info, LKLocalizedString::notificationsInfo);
    EXPECT_EQ(info->index(), 23);
}

TEST(LKLocalizedString, ConstructionIsExact)
{
    for (const char* text : {"dismiss", "Dismiss", "NOTIFICATIONS_INFO", "NOTIFCATIONS_INFX", "NOTIFCATIONS_INF",
                             "NOTIFCATIONS_INFO ", " NOTIFCATIONS_INFO", "", "DISMISS\n"}) {
        EXPECT_FALSE(LKLocalizedString::fromRawValue(QString::fromLatin1(text)).has_value()) << text;
    }
}

TEST(LKLocalizedString, EqualityAndHashingFollowTheKeyString)
{
    const LKLocalizedString a = LKLocalizedString::capacityInfo;
    const LKLocalizedString b = *LKLocalizedString::fromRawValue(QStringLiteral("CAPACITY_INFO"));
    EXPECT_EQ(a, b);
    EXPECT_FALSE(a == LKLocalizedString(LKLocalizedString::about));
    EXPECT_EQ(qHash(a, 7), qHash(QStringLiteral("CAPACITY_INFO"), 7));
    EXPECT_EQ(std::hash<LKLocalizedString>()(a), std::hash<LKLocalizedString>()(b));

    QSet<LKLocalizedString> set;
    std::unordered_set<LKLocalizedString> stdSet;
    for (const LKLocalizedString key : LKLocalizedString::allCases()) {
        set.insert(key);
        stdSet.insert(key);
    }
    set.insert(b);
    EXPECT_EQ(set.size(), 375);
    EXPECT_EQ(stdSet.size(), 375u);
    EXPECT_TRUE(set.contains(LKLocalizedString::temporaryFiles));
}
