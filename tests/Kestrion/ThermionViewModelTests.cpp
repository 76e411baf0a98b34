#include "FakeCompanion.h"

#include "Kestrion/Models/FanModel.h"
#include "Kestrion/Models/SensorModel.h"
#include "Kestrion/Models/ThermionViewModel.h"
#include "Platform/PropertyList/Defaults.h"

#include <QFile>
#include <QTest>
#include <QTimer>
#include <QUuid>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

using namespace Kestrion;
using ThermionKit::SensorType;
using ViewKit::VKNamedColor;

TEST(SensorModelTest, TextsFollowTheKindAndTheTemperatureUnit)
{
    EXPECT_EQ(SensorModel(SensorType::thermal, "T", "t", 20.06).formattedValue(0), QStringLiteral("20.0 °C"));
    EXPECT_EQ(SensorModel(SensorType::thermal, "T", "t", 20.06).formattedValue(1), QStringLiteral("68.1 °F"));
    EXPECT_EQ(SensorModel(SensorType::thermal, "T", "t", 20.06).formattedValue(7), QStringLiteral("20.0 °C"));
    EXPECT_EQ(SensorModel(SensorType::voltage, "V", "v", 12.345678).formattedValue(0), QStringLiteral("12.34567 V"));
    EXPECT_EQ(SensorModel(SensorType::current, "I", "i", 0.29).formattedValue(0), QStringLiteral("0.2900 A"));
    EXPECT_EQ(SensorModel(SensorType::power, "P", "p", 4.359).formattedValue(0), QStringLiteral("4.35 W"));
    EXPECT_EQ(SensorModel(SensorType::fan, "F", "f", 1234.9).formattedValue(0), QStringLiteral("1234 rpm"));
    EXPECT_EQ(SensorModel(SensorType::fan, "F", "f", -3.7).formattedValue(0), QStringLiteral("-3 rpm"));
    // Readings that are no number or do not fit a whole number have no text.
    EXPECT_EQ(SensorModel(SensorType::fan, "F", "f", 1e30).formattedValue(0), QStringLiteral("-"));
    EXPECT_EQ(SensorModel(SensorType::fan, "F", "f", 9223372036854775808.0).formattedValue(0), QStringLiteral("-"));
    EXPECT_EQ(SensorModel(SensorType::fan, "F", "f", std::nan("")).formattedValue(0), QStringLiteral("-"));
    EXPECT_EQ(SensorModel(SensorType::thermal, "T", "t", std::numeric_limits<double>::infinity()).formattedValue(1),
              QStringLiteral("-"));
}

TEST(SensorModelTest, TemperatureColoursGoByDegreesCelsius)
{
    const auto colour = [](SensorType type, double value) { return SensorModel(type, "T", "t", value).valueColor(); };
    EXPECT_EQ(colour(SensorType::thermal, 29.9), VKNamedColor::blue);
    EXPECT_EQ(colour(SensorType::thermal, 30), VKNamedColor::green);
    EXPECT_EQ(colour(SensorType::thermal, 40), VKNamedColor::yellow);
    EXPECT_EQ(colour(SensorType::thermal, 45), VKNamedColor::orange);
    EXPECT_EQ(colour(SensorType::thermal, 49.99), VKNamedColor::orange);
    EXPECT_EQ(colour(SensorType::thermal, 50), VKNamedColor::red);
    EXPECT_EQ(colour(SensorType::thermal, std::nan("")), VKNamedColor::red);
    EXPECT_EQ(colour(SensorType::power, 90), VKNamedColor::secondary);
}

TEST(FanModelTest, PercentageStaysInsideZeroToOne)
{
    EXPECT_FLOAT_EQ(FanModel("F", "f", 3000, 1000, 5000).percentage(), 0.5f);
    EXPECT_FLOAT_EQ(FanModel("F", "f", 6000, 1000, 5000).percentage(), 1.0f);
    EXPECT_FLOAT_EQ(FanModel("F", "f", 500, 1000, 5000).percentage(), 0.0f);
    EXPECT_FLOAT_EQ(FanModel("F", "f", 1000, 1000, 1000).percentage(), 0.0f);
    EXPECT_FLOAT_EQ(FanModel("F", "f", 1001, 1000, 1000).percentage(), 1.0f);
    EXPECT_NE(FanModel("F", "f", 0, 0, 0).id, FanModel("F", "f", 0, 0, 0).id);
}

namespace {

class CompanionCycle : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus";
        suite = QStringLiteral("test.companion.") + QUuid::createUuid().toString(QUuid::Id128);
        model = std::make_unique<ThermionViewModel>(std::make_unique<ThermionKit::ThermionDataModel>(suite));
        QFile::remove(model->sensorsModel().userDefaults()->filePath());
    }
    void TearDown() override
    {
        if (model)
            QFile::remove(model->sensorsModel().userDefaults()->filePath());
        model.reset();
    }

    // The model asks once a second: a deadline many seconds long holds on a loaded machine too.
    bool waitFor(const std::function<bool()>& condition, int ms = 20000)
    {
        return QTest::qWaitFor(condition, ms);
    }

    QString suite;
    std::unique_ptr<ThermionViewModel> model;
};

} // namespace

TEST_F(CompanionCycle, AnswersRebuildTheListsEachSecondFansFirst)
{
    EXPECT_TRUE(model->temperatureSensors().empty());
    EXPECT_TRUE(model->fans().empty());
    EXPECT_FALSE(model->isRunning());
    ASSERT_TRUE(model->timer() && model->timer()->isActive());
    EXPECT_EQ(model->timer()->interval(), 1000);

    FakeCompanion companion(suite);
    ASSERT_TRUE(companion.owns);
    companion.sensors = FakeCompanion::sensorList({{"TC0P", "CPU Proximity", 48.5}, {"TG0P", "GPU", 61.25}});
    companion.fans = {{QStringLiteral("F0"), QStringLiteral("Left"), 2000, 1200, 6000, 0}};
    // No request before the first second is over: none reached the companion before the first tick.
    // (The event loop has not run since the model started its timer, so the tick seen here is its first;
    // a request of this tick reaches the companion only from the event loop, after it.)
    std::optional<qsizetype> beforeFirstTick;
    QObject tickWatch;
    QObject::connect(model->timer(), &QTimer::timeout, &tickWatch, [&] {
        if (!beforeFirstTick)
            beforeFirstTick = companion.requests.size();
    });
    ASSERT_TRUE(waitFor([&] { return beforeFirstTick.has_value(); }));
    EXPECT_EQ(*beforeFirstTick, 0);

    ASSERT_TRUE(waitFor([&] { return model->temperatureSensors().size() == 2 && model->fans().size() == 1; }));
    EXPECT_TRUE(model->isRunning());
    EXPECT_EQ(model->temperatureSensors()[1]->name, QStringLiteral("GPU"));
    EXPECT_EQ(model->temperatureSensors()[1]->value, 61.25);
    EXPECT_EQ(model->fans()[0]->rpm, 2000);

    // A second answer with the same readings: equal content, new lines.
    const QUuid first = model->temperatureSensors()[0]->id;
    companion.sensors[0]->value = 49.0;
    ASSERT_TRUE(waitFor([&] { return model->temperatureSensors()[0]->value == 49.0; }));
    EXPECT_NE(model->temperatureSensors()[0]->id, first);
    EXPECT_EQ(model->temperatureSensors()[0]->name, QStringLiteral("CPU Proximity"));

    // Every tick asks for the fans first.
    ASSERT_GE(companion.requests.size(), 4);
    for (qsizetype i = 0; i + 1 < companion.requests.size(); i += 2) {
        EXPECT_EQ(companion.requests[i], QStringLiteral("RequestFans"));
        EXPECT_EQ(companion.requests[i + 1], QStringLiteral("RequestSensors"));
    }
}

TEST_F(CompanionCycle, ARepeatedIdentifierKeepsTheFirstNameWithTheLastValue)
{
    FakeCompanion companion(suite);
    companion.sensors = FakeCompanion::sensorList({{"TC0P", "First", 40}, {"TA0P", "Air", 25}, {"TC0P", "Second", 55}});
    companion.fans = {{QStringLiteral("F0"), QStringLiteral("Left"), 2000, 1200, 6000, 0},
                      {QStringLiteral("F0"), QStringLiteral("Again"), 3000, 1000, 5000, 0}};
    companion.mode = FakeCompanion::Mode::twice;
    ASSERT_TRUE(waitFor([&] { return !model->temperatureSensors().empty() && !model->fans().empty(); }));
    ASSERT_EQ(model->temperatureSensors().size(), 2u);
    EXPECT_EQ(model->temperatureSensors()[0]->name, QStringLiteral("First"));
    EXPECT_EQ(model->temperatureSensors()[0]->value, 55);
    ASSERT_EQ(model->fans().size(), 1u);
    EXPECT_EQ(model->fans()[0]->name, QStringLiteral("Left"));
    EXPECT_EQ(model->fans()[0]->rpm, 3000);
    EXPECT_EQ(model->fans()[0]->max, 5000);
}

TEST_F(CompanionCycle, MalformedAnswersKeepTheListsAndEmptyOnesEmptyThem)
{
    FakeCompanion companion(suite);
    companion.sensors = FakeCompanion::sensorList({{"TC0P", "CPU", 40}});
    companion.fans = {{QStringLiteral("F0"), QStringLiteral("Left"), 2000, 1200, 6000, 0}};
    ASSERT_TRUE(waitFor([&] { return !model->temperatureSensors().empty() && !model->fans().empty(); }));
    const QUuid sensorLine = model->temperatureSensors()[0]->id;
    const QUuid fanLine = model->fans()[0]->id;

    companion.mode = FakeCompanion::Mode::malformed;
    const int answered = companion.answers;
    ASSERT_TRUE(waitFor([&] { return companion.answers >= answered + 4; }));
    QTest::qWait(100);
    EXPECT_EQ(model->temperatureSensors()[0]->id, sensorLine);
    EXPECT_EQ(model->fans()[0]->id, fanLine);

    companion.mode = FakeCompanion::Mode::answer;
    companion.sensors.clear();
    companion.fans.clear();
    ASSERT_TRUE(waitFor([&] { return model->temperatureSensors().empty() && model->fans().empty(); }));
    EXPECT_TRUE(model->isRunning());
}

TEST_F(CompanionCycle, WithoutACompanionTheRequestsGoOnAndNothingLoads)
{
    // Someone listening who neither owns the companion's name nor answers.
    FakeCompanion listener(suite, false);
    listener.mode = FakeCompanion::Mode::silent;
    // Lists stored earlier are not read without an answer.
    ThermionKit::ThermionDataModel(suite).save(FakeCompanion::sensorList({{"TC0P", "CPU", 40}}));
    int runningWrites = 0;
    QObject::connect(model.get(), &ThermionViewModel::isRunningChanged, model.get(), [&] { ++runningWrites; });
    ASSERT_TRUE(waitFor([&] { return listener.requests.size() >= 4; }));
    EXPECT_FALSE(model->isRunning());
    EXPECT_GE(runningWrites, 2);
    EXPECT_TRUE(model->temperatureSensors().empty());
    EXPECT_TRUE(model->fans().empty());
}
