#include "ThermionKit/ThermionDataModel.h"

#include "Platform/PropertyList/Defaults.h"

#include "Support/AllocationCount.h"
#include "Support/CompanionLists.h"
#include "Support/HostileSuites.h"
#include "Support/MainThreadStalls.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

using namespace ThermionKit;
using Platform::PlistValue;

namespace {

class ThermionDataModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A suite of its own per test: nothing stored by another test is seen.
        suite = QStringLiteral("test.thermion.") + QUuid::createUuid().toString(QUuid::Id128);
        model = std::make_unique<ThermionDataModel>(suite);
        ASSERT_TRUE(model->userDefaults());
        path = model->userDefaults()->filePath();
        QFile::remove(path);
    }
    void TearDown() override
    {
        model.reset();
        QFile::remove(path);
    }

    // Replaces the suite file as another process would.
    void writeFile(const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSaveFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        ASSERT_TRUE(file.commit());
    }
    void writeSuite(PlistValue::DictionaryType values) const { writeFile(PlistValue(std::move(values)).encodeBinary()); }

    static SensorList sensors(int count)
    {
        SensorList list;
        for (int i = 0; i < count; ++i) {
            list.push_back(Sensor::make(QStringLiteral("T%1").arg(i), QStringLiteral("Sensor %1").arg(i),
                                        SensorGroup::sensor, SensorType::thermal, {SensorPlatform::intel}));
            list.back()->value = 30 + i;
        }
        return list;
    }

    QString suite;
    QString path;
    std::unique_ptr<ThermionDataModel> model;
};

// A binary list whose only object is an array that claims a billion elements.
QByteArray billionElementList()
{
    QByteArray bytes("bplist00");
    bytes.append(QByteArray::fromHex("af123b9aca00")); // array, count as a 4-byte integer
    bytes.append(char(8));                             // offset table: object 0 at 8
    bytes.append(QByteArray(6, '\0'));
    bytes.append(char(1)); // offset size
    bytes.append(char(1)); // reference size
    bytes.append(QByteArray::fromHex("0000000000000001"));
    bytes.append(QByteArray::fromHex("0000000000000000"));
    bytes.append(QByteArray::fromHex("000000000000000e"));
    return bytes;
}

} // namespace

TEST_F(ThermionDataModelTest, SavedListsLoadBackAndAbsentKeysLoadAsNone)
{
    EXPECT_FALSE(model->loadSensors());
    EXPECT_FALSE(model->loadFans());
    model->save(sensors(3));
    model->save(std::vector<Fan>{{QStringLiteral("F0"), QStringLiteral("Left"), 2000, 1200, 6000, 2000}});
    ThermionDataModel reader(suite);
    const auto loaded = reader.loadSensors();
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->size(), 3u);
    EXPECT_EQ(loaded->at(2)->value, 32);
    ASSERT_TRUE(reader.loadFans());
    EXPECT_EQ(reader.loadFans()->at(0).name, QStringLiteral("Left"));

    model->save(SensorList{});
    ASSERT_TRUE(reader.loadSensors());
    EXPECT_TRUE(reader.loadSensors()->empty());
}

TEST_F(ThermionDataModelTest, ValuesOfAnotherKindLoadAsNone)
{
    writeSuite({{QStringLiteral("sensors"), QStringLiteral("text")}, {QStringLiteral("fans"), std::int64_t(3)}});
    EXPECT_FALSE(model->loadSensors());
    EXPECT_FALSE(model->loadFans());
    // A list stored directly instead of as data is no data either.
    writeSuite({{QStringLiteral("sensors"), PlistValue::ArrayType{}}});
    EXPECT_FALSE(model->loadSensors());
}

TEST_F(ThermionDataModelTest, ClearRemovesEveryKeyAndSetNoneOnlyItsOwn)
{
    model->save(sensors(1));
    model->save(std::vector<Fan>{});
    model->set(PlistValue(QByteArray("x")), SensorDataModelKey::traffic);
    model->set(PlistValue(std::int64_t(1)), SensorDataModelKey::singleBatteryDevices);
    model->set(PlistValue(), SensorDataModelKey::traffic);
    EXPECT_FALSE(model->userDefaults()->contains(QStringLiteral("traffic")));
    EXPECT_TRUE(model->userDefaults()->contains(QStringLiteral("singleBatteryDevices")));
    EXPECT_TRUE(model->loadSensors());

    model->clear();
    EXPECT_FALSE(model->loadSensors());
    EXPECT_FALSE(model->loadFans());
    EXPECT_TRUE(model->userDefaults()->dictionary().empty());
}

TEST_F(ThermionDataModelTest, HostileSuiteFilesLoadAsNone)
{
    // Truncated suite, a suite nested far too deep, a data value that is a hostile list.
    QByteArray whole = PlistValue(PlistValue::DictionaryType{{QStringLiteral("sensors"),
                                                              Sensor::encodeList(sensors(2))}})
                           .encodeBinary();
    writeFile(whole.left(whole.size() / 2));
    EXPECT_FALSE(model->loadSensors());

    QByteArray deep = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>sensors</key>";
    deep += QByteArray("<array>").repeated(100000) + QByteArray("</array>").repeated(100000) + "</dict></plist>";
    writeFile(deep);
    EXPECT_FALSE(model->loadSensors());

    writeSuite({{QStringLiteral("sensors"), billionElementList()}, {QStringLiteral("fans"), billionElementList()}});
    EXPECT_FALSE(model->loadSensors());
    EXPECT_FALSE(model->loadFans());

    // 50 MiB under "sensors": refused without decoding.
    writeSuite({{QStringLiteral("sensors"), QByteArray(50 * 1024 * 1024, 'a')}});
    EXPECT_FALSE(model->loadSensors());

    // And a good write afterwards is read again.
    writeSuite({{QStringLiteral("sensors"), Sensor::encodeList(sensors(1))}});
    ASSERT_TRUE(model->loadSensors());
    EXPECT_EQ(model->loadSensors()->size(), 1u);
}

TEST_F(ThermionDataModelTest, AConcurrentWriterNeverGivesATornRead)
{
    const QByteArray one = PlistValue(PlistValue::DictionaryType{{QStringLiteral("sensors"),
                                                                  Sensor::encodeList(sensors(1))}})
                               .encodeBinary();
    const QByteArray many = PlistValue(PlistValue::DictionaryType{{QStringLiteral("sensors"),
                                                                   Sensor::encodeList(sensors(200))}})
                                .encodeBinary();
    writeFile(one);
    std::atomic<bool> stop = false;
    std::thread writer([&] {
        for (int i = 0; !stop && i < 400; ++i) {
            QSaveFile file(path);
            if (file.open(QIODevice::WriteOnly)) {
                file.write(i % 2 ? one : many);
                file.commit();
            }
        }
    });
    int reads = 0;
    for (; reads < 400; ++reads) {
        const auto loaded = model->loadSensors();
        ASSERT_TRUE(loaded) << "read " << reads;
        ASSERT_TRUE(loaded->size() == 1u || loaded->size() == 200u);
    }
    stop = true;
    writer.join();
}

// The companion's suite and lists in the shapes that cost a careless reader seconds or gigabytes are
// loaded, or refused, while the event loop keeps going: no tick of the loop takes the main thread more
// than a tick may (MainThreadStalls), and no load allocates more than 64 MiB. Each file is written at
// one tick and loaded at the next. Sized, as the settings suite's test, so that a reader that rescans
// takes seconds, one that copies the shared objects at their places allocates gigabytes, and a linear
// one takes some tens of milliseconds and some megabytes even under the sanitizers.
TEST_F(ThermionDataModelTest, CostlySuitesAndListsLoadWithoutStoppingTheEventLoop)
{
    // A sensor named by 100,000 '&', written as references.
    SensorList ampersands = sensors(1);
    ampersands.front()->description = QString(100'000, QLatin1Char('&'));
    QByteArray xmlSuite = PlistValue(PlistValue::DictionaryType{{QStringLiteral("sensors"), Sensor::encodeList(ampersands)},
                                                                {QStringLiteral("text"), ampersands.front()->description}})
                              .encodeXml();
    xmlSuite += QByteArray(1024 * 1024, '\n');
    const QByteArray sharedDescription = PlistValue(PlistValue::DictionaryType{
        {QStringLiteral("sensors"), CompanionLists::sensorsSharingDescription(2'000, 1'000'000)}}).encodeBinary();
    const QByteArray xmlList = PlistValue(PlistValue::DictionaryType{
        {QStringLiteral("sensors"), PlistValue(HostileSuites::references(600'000))}}).encodeBinary();
    struct Shape {
        QByteArray bytes;
        std::optional<std::size_t> sensors; // how many are loaded, none when refused
    };
    const std::vector<Shape> shapes{
        {xmlSuite, 1},
        {sharedDescription, std::nullopt},
        // A list that is an XML suite of references, not a list of sensors.
        {xmlList, std::nullopt},
        {HostileSuites::sharedKey(30'000, 2'000'000), std::nullopt},
        {HostileSuites::sharedText(1'000, 256 * 1024), std::nullopt},
    };
    std::vector<std::optional<std::size_t>> loaded;
    std::vector<std::uint64_t> loadBytes;
    std::vector<std::function<void()>> work;
    for (const Shape& shape : shapes) {
        work.emplace_back([&] { writeFile(shape.bytes); });
        work.emplace_back([&] {
            std::optional<SensorList> list;
            loadBytes.push_back(AllocationCount::during([&] { list = model->loadSensors(); }).bytes);
            loaded.push_back(list ? std::optional<std::size_t>(list->size()) : std::nullopt);
            if (list && !list->empty()) {
                EXPECT_EQ(list->front()->description.size(), 100'000);
            }
        });
    }
    const qint64 longest = MainThreadStalls::longestBusyTick(work);
    RecordProperty("longest_busy_tick_ms", int(longest));
    EXPECT_LE(longest, MainThreadStalls::boundMilliseconds);
    ASSERT_EQ(loaded.size(), shapes.size());
    ASSERT_EQ(loadBytes.size(), shapes.size());
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        EXPECT_EQ(loaded[i], shapes[i].sensors) << "shape " << i;
        RecordProperty("load_mib_" + std::to_string(i), int(loadBytes[i] >> 20));
        EXPECT_LE(loadBytes[i], 64ull << 20) << "shape " << i;
    }
}
