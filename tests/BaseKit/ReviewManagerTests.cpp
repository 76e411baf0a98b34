#include "BaseKit/Services/Maker.h"
#include "BaseKit/Services/ReviewManager.h"

#include "Platform/PropertyList/Defaults.h"
#include "Platform/Time/FakeClock.h"

#include <QFileInfo>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>

using BaseKit::ReviewManager;
using Platform::Defaults;

namespace {

constexpr auto hour = std::chrono::hours(1);

class ReviewManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static std::atomic<int> counter{0};
        suite = QStringLiteral("com.brannock.test.appreviews%1").arg(counter++);
        defaults = std::make_shared<Defaults>(suite);
        clock = std::make_shared<Platform::FakeClock>();
        manager = std::make_unique<ReviewManager>(defaults, [this] { ++prompts; }, clock);
    }

    double now() const { return double(clock->now().toMSecsSinceEpoch()) / 1000.0; }

    QString suite;
    std::shared_ptr<Defaults> defaults;
    std::shared_ptr<Platform::FakeClock> clock;
    std::unique_ptr<ReviewManager> manager;
    int prompts = 0;
};

TEST_F(ReviewManagerTest, AsksOnceAfterSeventyTwoHours)
{
    const QString key = QStringLiteral("com.brannock.kestrion");
    const double first = now();
    manager->requestReview(key);
    EXPECT_EQ(prompts, 0);
    EXPECT_EQ(defaults->real(QStringLiteral("init_com.brannock.kestrion")), first);
    EXPECT_FALSE(defaults->boolean(key));

    clock->advance(71 * hour);
    manager->requestReview(key);
    EXPECT_EQ(prompts, 0);
    clock->advance(hour - std::chrono::seconds(1));
    manager->requestReview(key);
    EXPECT_EQ(prompts, 0);
    // Exactly 72 hours after the first call.
    clock->advance(std::chrono::seconds(1));
    manager->requestReview(key);
    EXPECT_EQ(prompts, 1);
    EXPECT_TRUE(defaults->boolean(key));
    // The first call's time stays as it was.
    EXPECT_EQ(defaults->real(QStringLiteral("init_com.brannock.kestrion")), first);

    clock->advance(1000 * hour);
    manager->requestReview(key);
    EXPECT_EQ(prompts, 1);

    // The records outlive this instance: a new one over the same suite file asks no more.
    ReviewManager again(std::make_shared<Defaults>(suite), [this] { ++prompts; }, clock);
    again.requestReview(key);
    EXPECT_EQ(prompts, 1);
}

TEST_F(ReviewManagerTest, MissingEmptyAndSeparateKeys)
{
    manager->requestReview(std::nullopt);
    EXPECT_TRUE(defaults->dictionary().empty());

    manager->requestReview(QString());
    EXPECT_TRUE(defaults->contains(QStringLiteral("init_")));
    manager->requestReview(QStringLiteral("other"));
    clock->advance(72 * hour);
    manager->requestReview(QString());
    EXPECT_EQ(prompts, 1);
    EXPECT_TRUE(defaults->boolean(QString()));
    EXPECT_FALSE(defaults->boolean(QStringLiteral("other")));

    // A key first seen now waits its own 72 hours.
    manager->requestReview(QStringLiteral("late"));
    EXPECT_EQ(prompts, 1);
    manager->requestReview(QStringLiteral("other"));
    EXPECT_EQ(prompts, 2);
}

TEST_F(ReviewManagerTest, AStoredZeroCountsAsNoRecord)
{
    defaults->set(QStringLiteral("init_k"), Platform::PlistValue(0.0));
    EXPECT_FALSE(manager->isEligible(QStringLiteral("k")));
    EXPECT_EQ(defaults->real(QStringLiteral("init_k")), now());
}

TEST_F(ReviewManagerTest, AClockSetBackKeepsTheKeyWaiting)
{
    manager->requestReview(QStringLiteral("k"));
    clock->setNow(clock->now().addSecs(-100 * 3600));
    manager->requestReview(QStringLiteral("k"));
    clock->setNow(clock->now().addSecs(171 * 3600));
    manager->requestReview(QStringLiteral("k"));
    EXPECT_EQ(prompts, 0);
    clock->advance(hour);
    manager->requestReview(QStringLiteral("k"));
    EXPECT_EQ(prompts, 1);
}

TEST_F(ReviewManagerTest, WithoutTheSuiteNothingIsRecordedOrAsked)
{
    ReviewManager without(nullptr, [this] { ++prompts; }, clock);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(without.isEligible(QStringLiteral("k")));
        without.requestReview(QStringLiteral("k"));
        clock->advance(100 * hour);
    }
    EXPECT_EQ(prompts, 0);
}

TEST_F(ReviewManagerTest, TheStandardManagerKeepsItsOwnSuiteAndShowsTheRatingRequest)
{
    std::vector<QUrl> shown;
    // The standard manager reads this machine's clock: its first call for the key lies 73 hours back.
    const double now = double(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
    Defaults(QStringLiteral("com.brannock.appreviews"))
        .set(QStringLiteral("init_com.brannock.kestrion"), Platform::PlistValue(now - 73 * 3600.0));
    ReviewManager standard = ReviewManager::standard([&shown](const QUrl& page) { shown.push_back(page); });
    standard.requestReview(QStringLiteral("com.brannock.kestrion"));
    standard.requestReview(QStringLiteral("com.brannock.kestrion"));

    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], QUrl(QString::fromLatin1(BaseKit::Maker::developerPage)));
    Defaults reviews(QStringLiteral("com.brannock.appreviews"));
    EXPECT_EQ(QFileInfo(reviews.filePath()).fileName(), QStringLiteral("com.brannock.appreviews.plist"));
    EXPECT_TRUE(reviews.boolean(QStringLiteral("com.brannock.kestrion")));
    EXPECT_FALSE(Defaults::standard().contains(QStringLiteral("com.brannock.kestrion")));
}

} // namespace
