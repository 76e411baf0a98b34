#include "Platform/PropertyList/BinaryPlistView.h"
#include "ThermionKit/Fan.h"
#include "ThermionKit/Sensor.h"

#include "Platform/PropertyList/PlistValue.h"

#include "Support/CompanionLists.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace ThermionKit;
using Platform::BinaryPlistView;
using Platform::PlistValue;

namespace {

PlistValue::DictionaryType sensorEntry(const QString& identifier = QStringLiteral("TC0P"))
{
    return {
        {QStringLiteral("Identifier"), identifier},
        {QStringLiteral("Description"), QStringLiteral("CPU Proximity")},
        {QStringLiteral("Value"), 42.5},
        {QStringLiteral("Type"), std::int64_t(0)},
        {QStringLiteral("Group"), QStringLiteral("processor")},
        {QStringLiteral("Platforms"), PlistValue::ArrayType{QStringLiteral("intel"), QStringLiteral("m1")}},
    };
}

PlistValue::DictionaryType fanEntry()
{
    return {
        {QStringLiteral("identifier"), QStringLiteral("F0Ac")}, {QStringLiteral("name"), QStringLiteral("Left")},
        {QStringLiteral("rpm"), std::int64_t(1800)},            {QStringLiteral("min"), std::int64_t(1200)},
        {QStringLiteral("max"), std::int64_t(6000)},            {QStringLiteral("target"), std::int64_t(0)},
    };
}

QByteArray binaryList(std::vector<PlistValue::DictionaryType> entries)
{
    PlistValue::ArrayType items;
    for (auto& entry : entries)
        items.emplace_back(std::move(entry));
    return PlistValue(std::move(items)).encodeBinary();
}

} // namespace

TEST(SensorRecordTest, IndexReplacesEveryPercentOnceAndNoneChangesNothing)
{
    Sensor sensor(QStringLiteral("TC%C"), QStringLiteral("CPU Core %"), SensorGroup::processor, SensorType::thermal,
                  {SensorPlatform::intel});
    EXPECT_EQ(sensor.value, 0);
    EXPECT_FALSE(sensor.index());
    sensor.setIndex(std::nullopt);
    EXPECT_EQ(sensor.description, QStringLiteral("CPU Core %"));
    sensor.setIndex(0);
    EXPECT_EQ(sensor.description, QStringLiteral("CPU Core 0"));
    sensor.setIndex(7);
    EXPECT_EQ(sensor.description, QStringLiteral("CPU Core 0"));
    EXPECT_EQ(sensor.index(), 7);

    Sensor twice(QStringLiteral("X"), QStringLiteral("% of %"), SensorGroup::sensor, SensorType::power, {});
    twice.setIndex(255);
    EXPECT_EQ(twice.description, QStringLiteral("255 of 255"));
}

TEST(SensorRecordTest, MatchingLooksAtIdentifierDescriptionAndTypeWords)
{
    Sensor sensor(QStringLiteral("TC0P"), QStringLiteral("CPU Proximity"), SensorGroup::processor, SensorType::thermal,
                  {});
    EXPECT_FALSE(sensor.matches(QString()));
    EXPECT_TRUE(sensor.matches(QStringLiteral("tc0")));
    EXPECT_TRUE(sensor.matches(QStringLiteral("PROXIM")));
    // Neither the key nor the name holds it: the type's search word does.
    EXPECT_TRUE(sensor.matches(QStringLiteral("temperat")));
    EXPECT_FALSE(sensor.matches(QStringLiteral("volt")));

    Fan fan{QStringLiteral("F0Ac"), QStringLiteral("Left"), 0, 0, 0, 0};
    EXPECT_FALSE(fan.matches(QString()));
    EXPECT_TRUE(fan.matches(QStringLiteral("LEF")));
    EXPECT_TRUE(fan.matches(QStringLiteral("air")));
    EXPECT_FALSE(fan.matches(QStringLiteral("disk")));
}

TEST(SensorRecordTest, TypeRawValuesAboveFourAreNone)
{
    EXPECT_EQ(SensorTypes::fromRawValue(4), SensorType::fan);
    EXPECT_FALSE(SensorTypes::fromRawValue(5));
    EXPECT_FALSE(SensorTypes::fromRawValue(-1));
    EXPECT_EQ(SensorTypes::description(SensorType::voltage), QStringLiteral("Voltage"));
}

TEST(SensorRecordTest, FanPercentageIsClampedAndDefinedForAnEmptyRange)
{
    EXPECT_FLOAT_EQ(Fan::percentage(1500, 1000, 2000), 0.5f);
    EXPECT_FLOAT_EQ(Fan::percentage(500, 1000, 2000), 0.0f);
    EXPECT_FLOAT_EQ(Fan::percentage(2500, 1000, 2000), 1.0f);
    // max equal to min: above gives 1, below and equal 0, never NaN.
    EXPECT_FLOAT_EQ(Fan::percentage(1001, 1000, 1000), 1.0f);
    EXPECT_FLOAT_EQ(Fan::percentage(999, 1000, 1000), 0.0f);
    EXPECT_FLOAT_EQ(Fan::percentage(1000, 1000, 1000), 0.0f);
    // Differences beyond 64 bits neither overflow nor leave 0...1.
    constexpr auto lo = std::numeric_limits<std::int64_t>::min();
    constexpr auto hi = std::numeric_limits<std::int64_t>::max();
    const float wide = Fan::percentage(0, lo, hi);
    EXPECT_NEAR(wide, 0.5f, 1e-6);
    EXPECT_FLOAT_EQ(Fan::percentage(hi, lo, 0), 1.0f);
    EXPECT_FLOAT_EQ(Fan::percentage(lo, hi, 0), 1.0f);
}

TEST(SensorCodecTest, SensorsRoundTripWithoutTheirIndex)
{
    auto sensor = Sensor::make(QStringLiteral("TC%C"), QStringLiteral("CPU Core %"), SensorGroup::processor,
                               SensorType::thermal, {SensorPlatform::m2, SensorPlatform::intel});
    sensor->setIndex(3);
    sensor->value = -12.25;
    auto volts = Sensor::make(QStringLiteral("VD0R"), QStringLiteral("DC In"), SensorGroup::sensor,
                              SensorType::voltage, {});
    volts->value = 12.34567;
    const QByteArray bytes = Sensor::encodeList({sensor, volts});
    ASSERT_TRUE(bytes.startsWith("bplist00"));
    const auto decoded = Sensor::decodeList(bytes);
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->size(), 2u);
    const Sensor& first = *decoded->at(0);
    EXPECT_EQ(first.identifier, QStringLiteral("TC%C"));
    EXPECT_EQ(first.description, QStringLiteral("CPU Core 3"));
    EXPECT_EQ(first.value, -12.25);
    EXPECT_EQ(first.type, SensorType::thermal);
    EXPECT_EQ(first.group, SensorGroup::processor);
    EXPECT_EQ(first.platforms, (std::vector<SensorPlatform>{SensorPlatform::m2, SensorPlatform::intel}));
    EXPECT_FALSE(first.index());
    EXPECT_EQ(decoded->at(1)->type, SensorType::voltage);
    EXPECT_TRUE(decoded->at(1)->platforms.empty());

    const auto empty = Sensor::decodeList(Sensor::encodeList({}));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());
}

TEST(SensorCodecTest, XmlListsAndExtraKeysAreRead)
{
    auto entry = sensorEntry();
    entry[QStringLiteral("Unknown")] = QStringLiteral("ignored");
    PlistValue::ArrayType items{PlistValue(entry)};
    const auto sensors = Sensor::decodeList(PlistValue(items).encodeXml());
    ASSERT_TRUE(sensors);
    ASSERT_EQ(sensors->size(), 1u);
    EXPECT_EQ(sensors->at(0)->value, 42.5);

    auto fan = fanEntry();
    fan[QStringLiteral("extra")] = std::int64_t(1);
    const auto fans = Fan::decodeList(PlistValue(PlistValue::ArrayType{PlistValue(fan)}).encodeXml());
    ASSERT_TRUE(fans);
    EXPECT_EQ(fans->at(0), (Fan{QStringLiteral("F0Ac"), QStringLiteral("Left"), 1800, 1200, 6000, 0}));
}

TEST(SensorCodecTest, OneBadSensorEmptiesTheWholeList)
{
    const auto withChange = [](const QString& key, const PlistValue& value) {
        auto bad = sensorEntry(QStringLiteral("B"));
        if (value.isNone())
            bad.erase(key);
        else
            bad[key] = value;
        return binaryList({sensorEntry(), bad});
    };
    ASSERT_TRUE(Sensor::decodeList(binaryList({sensorEntry(), sensorEntry()})));
    EXPECT_FALSE(Sensor::decodeList(withChange(QStringLiteral("Type"), std::int64_t(7))));
    EXPECT_FALSE(Sensor::decodeList(withChange(QStringLiteral("Type"), std::int64_t(-1))));
    EXPECT_FALSE(Sensor::decodeList(withChange(QStringLiteral("Type"), QStringLiteral("0"))));
    EXPECT_FALSE(Sensor::decodeList(withChange(QStringLiteral("Group"), QStringLiteral("Processor"))));
    EXPECT_FALSE(Sensor::decodeList(withChange(QStringLiteral("Platforms"), PlistValue::ArrayType{"m4"})));
    EXPECT_FALSE(Sensor::decodeList(withChange(QStringLiteral("Platforms"), QStringLiteral("m1"))));
    EXPECT_FALSE(Sensor::decodeList(withChange(QStringLiteral("Value"), QStringLiteral("42"))));
    EXPECT_FALSE(Sensor::decodeList(withChange(QStringLiteral("Description"), PlistValue())));
    EXPECT_FALSE(Sensor::decodeList(withChange(QStringLiteral("Identifier"), std::int64_t(1))));
    // Not a list of dictionaries, not a list, not a property list.
    EXPECT_FALSE(Sensor::decodeList(PlistValue(PlistValue::ArrayType{"x"}).encodeBinary()));
    EXPECT_FALSE(Sensor::decodeList(PlistValue(sensorEntry()).encodeBinary()));
    EXPECT_FALSE(Sensor::decodeList(QByteArray("not a property list")));
    EXPECT_FALSE(Sensor::decodeList(QByteArray()));
}

TEST(SensorCodecTest, FansKeepNegativeValuesAndRefuseWrongKinds)
{
    auto negative = fanEntry();
    negative[QStringLiteral("rpm")] = std::int64_t(-5);
    negative[QStringLiteral("min")] = std::numeric_limits<std::int64_t>::min();
    const auto fans = Fan::decodeList(binaryList({negative}));
    ASSERT_TRUE(fans);
    EXPECT_EQ(fans->at(0).rpm, -5);
    EXPECT_EQ(fans->at(0).min, std::numeric_limits<std::int64_t>::min());

    const std::vector<Fan> written{{QStringLiteral("a"), QStringLiteral("A"), -1, -2, 3, -4}};
    EXPECT_EQ(Fan::decodeList(Fan::encodeList(written)), written);

    for (const auto& [key, value] : std::vector<std::pair<QString, PlistValue>>{
             {QStringLiteral("rpm"), 1800.0},
             {QStringLiteral("max"), QStringLiteral("6000")},
             {QStringLiteral("target"), PlistValue()},
             {QStringLiteral("name"), std::int64_t(3)}}) {
        auto bad = fanEntry();
        if (value.isNone())
            bad.erase(key);
        else
            bad[key] = value;
        EXPECT_FALSE(Fan::decodeList(binaryList({fanEntry(), bad}))) << key.toStdString();
    }
}

TEST(SensorCodecTest, OversizedDataIsRefusedUnread)
{
    QByteArray huge = Sensor::encodeList({});
    huge.append(QByteArray(Sensor::maxEncodedSize, '\0'));
    EXPECT_FALSE(Sensor::decodeList(huge));
    EXPECT_FALSE(Fan::decodeList(huge));
}

// Random changes to valid lists: the decoders give a list or none, and never crash, hang or read out
// of bounds (the sanitizers watch).
TEST(SensorCodecTest, MangledListsNeverCrashTheDecoders)
{
    std::mt19937 random(20261207);
    std::vector<PlistValue::DictionaryType> sensors(6, sensorEntry());
    const std::vector<QByteArray> seeds{binaryList(sensors), binaryList({fanEntry(), fanEntry(), fanEntry()}),
                                        PlistValue(PlistValue::ArrayType{PlistValue(sensorEntry())}).encodeXml()};
    int decoded = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = seeds[std::size_t(round) % seeds.size()];
        const int changes = 1 + int(random() % 8);
        for (int c = 0; c < changes; ++c) {
            const auto at = qsizetype(random() % std::uint32_t(bytes.size()));
            switch (random() % 4) {
            case 0:
                bytes[at] = char(random());
                break;
            case 1:
                bytes[at] = char(bytes[at] ^ (1 << (random() % 8)));
                break;
            case 2:
                bytes.truncate(std::max<qsizetype>(at, 1));
                break;
            default:
                bytes.insert(at, char(0xff));
                break;
            }
        }
        const auto list = Sensor::decodeList(bytes);
        const auto fans = Fan::decodeList(bytes);
        decoded += (list ? 1 : 0) + (fans ? 1 : 0);
    }
    // Most mangled lists are refused, but not every change breaks a list.
    EXPECT_LT(decoded, 6000);
}

namespace {

// Lists of every kind of text and number the records hold, at random.
ThermionKit::SensorList randomSensors(std::mt19937& random, int count)
{
    static const QStringList names{QStringLiteral("CPU Core 1"), QStringLiteral("Température °"),
                                   QStringLiteral("Lüfter ⚙"), QStringLiteral("Disk 🌡 2"), QString()};
    ThermionKit::SensorList list;
    for (int i = 0; i < count; ++i) {
        std::vector<SensorPlatform> platforms;
        for (int p = 0; p < int(random() % 5); ++p)
            platforms.push_back(SensorPlatforms::allCases[random() % 4]);
        auto sensor = Sensor::make(names[int(random() % names.size())] + QString::number(i),
                                   names[int(random() % names.size())], SensorGroups::allCases[random() % 4],
                                   SensorTypes::allCases[random() % 5], platforms);
        sensor->value = std::ldexp(double(std::int32_t(random())), int(random() % 40) - 20);
        list.push_back(sensor);
    }
    return list;
}

bool sameSensors(const ThermionKit::SensorList& a, const ThermionKit::SensorList& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const Sensor& x = *a[i];
        const Sensor& y = *b[i];
        if (x.identifier != y.identifier || x.description != y.description || x.value != y.value || x.type != y.type
            || x.group != y.group || x.platforms != y.platforms)
            return false;
    }
    return true;
}

} // namespace

TEST(SensorCodecTest, QuickAndFullReadersAgreeOnEveryStoredList)
{
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        const auto sensors = randomSensors(random, int(random() % 40));
        const QByteArray bytes = Sensor::encodeList(sensors);
        const auto quick = Sensor::decodeBinaryList(bytes);
        const auto full = Sensor::decodeTree(bytes);
        ASSERT_TRUE(quick && full);
        EXPECT_TRUE(sameSensors(*quick, sensors));
        EXPECT_TRUE(sameSensors(*quick, *full));

        std::vector<Fan> fans;
        for (int i = 0; i < int(random() % 12); ++i)
            fans.push_back({QStringLiteral("F%1").arg(i), QStringLiteral("Fan ⚙ %1").arg(i),
                            std::int64_t(random()) - (1ll << 31), std::int64_t(random()) << 20,
                            -std::int64_t(random()), i % 2 ? std::numeric_limits<std::int64_t>::min() : 0});
        const QByteArray fanBytes = Fan::encodeList(fans);
        EXPECT_EQ(Fan::decodeBinaryList(fanBytes), fans);
        EXPECT_EQ(Fan::decodeTree(fanBytes), fans);
    }
    // The quick reader leaves XML to the full one; readings stored as integers it reads itself.
    auto entry = sensorEntry();
    EXPECT_FALSE(Sensor::decodeBinaryList(PlistValue(PlistValue::ArrayType{PlistValue(entry)}).encodeXml()));
    entry[QStringLiteral("Value")] = std::int64_t(42);
    const QByteArray integral = binaryList({entry});
    ASSERT_TRUE(Sensor::decodeBinaryList(integral));
    EXPECT_EQ(Sensor::decodeBinaryList(integral)->at(0)->value, 42.0);
    EXPECT_EQ(Sensor::decodeTree(integral)->at(0)->value, 42.0);
}

// Whatever the quick reader accepts of mangled data, the full decoder reads the same way.
TEST(SensorCodecTest, MangledListsReadTheSameByBothReaders)
{
    std::mt19937 random(20261208);
    const QByteArray sensorSeed = Sensor::encodeList(randomSensors(random, 8));
    const QByteArray fanSeed = Fan::encodeList({{QStringLiteral("a"), QStringLiteral("A"), 1, 2, 3, 4},
                                                {QStringLiteral("b"), QStringLiteral("B"), -1, -2, -3, -4}});
    int accepted = 0;
    for (int round = 0; round < 4000; ++round) {
        QByteArray bytes = round % 2 ? sensorSeed : fanSeed;
        for (int c = 0; c < 1 + int(random() % 3); ++c) {
            const auto at = qsizetype(random() % std::uint32_t(bytes.size()));
            bytes[at] = random() % 2 ? char(random()) : char(bytes[at] ^ (1 << (random() % 8)));
        }
        if (const auto quick = Sensor::decodeBinaryList(bytes)) {
            ++accepted;
            const auto full = Sensor::decodeTree(bytes);
            ASSERT_TRUE(full) << "round " << round;
            ASSERT_TRUE(sameSensors(*quick, *full)) << "round " << round;
        }
        if (const auto quick = Fan::decodeBinaryList(bytes)) {
            ++accepted;
            ASSERT_EQ(Fan::decodeTree(bytes), quick) << "round " << round;
        }
    }
    EXPECT_GT(accepted, 0);
}

// The view keeps a reference to the bytes it reads: it may not be opened over a temporary.
template <typename Bytes>
concept ViewableFrom = requires(Bytes&& bytes) { BinaryPlistView::open(std::forward<Bytes>(bytes)); };
static_assert(ViewableFrom<const QByteArray&>);
static_assert(!ViewableFrom<QByteArray>);

// A record's values come in the order of the keys asked for, whatever their order in the data; other
// keys are passed over, and a missing key or a non-text key gives none.
TEST(SensorCodecTest, RecordFieldsFollowTheKeysAskedFor)
{
    const QByteArray bytes = PlistValue(PlistValue::DictionaryType{{QStringLiteral("b"), std::int64_t(2)},
                                                                   {QStringLiteral("extra"), std::int64_t(9)},
                                                                   {QStringLiteral("a"), std::int64_t(1)}})
                                 .encodeBinary();
    const auto view = BinaryPlistView::open(bytes);
    ASSERT_TRUE(view);
    const std::array<QLatin1StringView, 2> keys{QLatin1StringView("a"), QLatin1StringView("b")};
    const auto found = view->fields(view->root(), keys);
    ASSERT_TRUE(found);
    EXPECT_EQ(view->integer((*found)[0]), 1);
    EXPECT_EQ(view->integer((*found)[1]), 2);
    const std::array<QLatin1StringView, 2> missing{QLatin1StringView("a"), QLatin1StringView("c")};
    EXPECT_FALSE(view->fields(view->root(), missing));

    const QByteArray list = binaryList({{{QStringLiteral("a"), std::int64_t(1)}, {QStringLiteral("b"), std::int64_t(2)}}});
    const auto listView = BinaryPlistView::open(list);
    ASSERT_TRUE(listView);
    EXPECT_FALSE(listView->fields(listView->root(), keys)); // an array is no record
}

// A reading that is not a finite number breaks no rule of the record: the list is read, and the
// reading kept as it is (the cards show "-" for it), by both readers.
TEST(SensorCodecTest, ReadingsThatAreNoFiniteNumberAreStillReadings)
{
    for (double reading : {std::nan(""), std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity()}) {
        auto odd = sensorEntry(QStringLiteral("B"));
        odd[QStringLiteral("Value")] = reading;
        const QByteArray bytes = binaryList({sensorEntry(), odd});
        for (const auto& list : {Sensor::decodeList(bytes), Sensor::decodeTree(bytes)}) {
            ASSERT_TRUE(list) << reading;
            ASSERT_EQ(list->size(), 2u);
            EXPECT_EQ(list->at(0)->value, 42.5);
            EXPECT_EQ(std::isnan(list->at(1)->value), std::isnan(reading));
            if (!std::isnan(reading)) {
                EXPECT_EQ(list->at(1)->value, reading);
            }
        }
    }
}

// A number from 2^63 on is stored in 16 bytes; taken as 64 bits it would show 2^64 - 1 as -1.
TEST(SensorCodecTest, FanValuesBeyondTheSignedRangeBreakTheRecord)
{
    const QByteArray huge = CompanionLists::fanWithRpm(HandMadePlist::sixteenByteInteger(0, ~std::uint64_t(0)));
    EXPECT_FALSE(Fan::decodeList(huge));
    EXPECT_FALSE(Fan::decodeTree(huge));
    EXPECT_FALSE(Fan::decodeList(CompanionLists::fanWithRpm(HandMadePlist::sixteenByteInteger(1, 1800))));
    const QByteArray xml = "<?xml version=\"1.0\"?><plist version=\"1.0\"><array><dict>"
                           "<key>identifier</key><string>F0</string><key>name</key><string>Left</string>"
                           "<key>rpm</key><integer>18446744073709551615</integer><key>min</key><integer>0</integer>"
                           "<key>max</key><integer>1</integer><key>target</key><integer>0</integer></dict></array></plist>";
    EXPECT_FALSE(Fan::decodeList(xml));
    // Below -2^63 too, however far: the number neither wraps nor is cut.
    for (const char* rpm : {"-18446744073709551615", "-9223372036854775809"}) {
        QByteArray below = xml;
        below.replace("18446744073709551615", rpm);
        EXPECT_FALSE(Fan::decodeList(below)) << rpm;
    }
    // A UID object is no integer to either reader.
    const QByteArray uid = CompanionLists::fanWithRpm(QByteArray("\x80\x05", 2));
    EXPECT_FALSE(Fan::decodeList(uid));
    EXPECT_FALSE(Fan::decodeTree(uid));
    // Written in 16 bytes but within the range, a number is a number.
    const QByteArray wide = CompanionLists::fanWithRpm(HandMadePlist::sixteenByteInteger(0, 1800));
    ASSERT_TRUE(Fan::decodeBinaryList(wide));
    EXPECT_EQ(Fan::decodeBinaryList(wide)->at(0).rpm, 1800);
    EXPECT_EQ(Fan::decodeTree(wide), Fan::decodeBinaryList(wide));
}

// A key with a NUL would merge with the one before it in a reader of C strings ("rpm\0" with "rpm").
TEST(SensorCodecTest, KeysWithANulBreakTheRecord)
{
    const QByteArray bytes = CompanionLists::fanWithRpm(
        HandMadePlist::integer(1), std::pair{QByteArray("rpm\0", 4), HandMadePlist::integer(2)});
    EXPECT_FALSE(Fan::decodeList(bytes));
    EXPECT_FALSE(Fan::decodeBinaryList(bytes));
    EXPECT_FALSE(Fan::decodeTree(bytes));
    const QByteArray other = CompanionLists::fanWithRpm(HandMadePlist::integer(1),
                                                        std::pair{QByteArray("rpm2"), HandMadePlist::integer(2)});
    ASSERT_TRUE(Fan::decodeList(other));
    EXPECT_EQ(Fan::decodeList(other)->at(0).rpm, 1);
}

// A text is read as stored by both readers and in both forms: a leading U+FEFF is part of it, so that a
// group so marked is no group. Keys are matched in either of the binary form's text encodings.
TEST(SensorCodecTest, BothReadersGiveOneAnswer)
{
    auto marked = sensorEntry();
    marked[QStringLiteral("Group")] = QStringLiteral("\ufeffprocessor");
    const QByteArray binary = binaryList({marked});
    const QByteArray xml = PlistValue(PlistValue::ArrayType{PlistValue(marked)}).encodeXml();
    EXPECT_FALSE(Sensor::decodeList(binary));
    EXPECT_FALSE(Sensor::decodeTree(binary));
    EXPECT_FALSE(Sensor::decodeList(xml));
    marked[QStringLiteral("Group")] = QStringLiteral("processor");
    marked[QStringLiteral("Description")] = QStringLiteral("\ufeffCPU");
    for (const QByteArray& bytes : {binaryList({marked}), PlistValue(PlistValue::ArrayType{PlistValue(marked)}).encodeXml()}) {
        const auto list = Sensor::decodeList(bytes);
        ASSERT_TRUE(list);
        EXPECT_EQ(list->at(0)->description, QStringLiteral("\ufeffCPU"));
    }

    HandMadePlist list;
    const auto root = list.reserve();
    std::vector<HandMadePlist::Ref> keys;
    std::vector<HandMadePlist::Ref> values;
    for (const char* key : {"identifier", "name", "rpm", "min", "max", "target"}) {
        keys.push_back(list.add(HandMadePlist::utf16(QString::fromLatin1(key))));
        values.push_back(list.add(key[0] == 'i' || key[0] == 'n' ? HandMadePlist::utf16(QStringLiteral("F\u00e9"))
                                                                   : HandMadePlist::integer(-3)));
    }
    list.set(root, HandMadePlist::array({list.add(HandMadePlist::dictionary(keys, values))}));
    const QByteArray wide = list.bytes();
    ASSERT_TRUE(Fan::decodeBinaryList(wide));
    EXPECT_EQ(Fan::decodeBinaryList(wide)->at(0).rpm, -3);
    EXPECT_EQ(Fan::decodeTree(wide), Fan::decodeBinaryList(wide));
}

// One dictionary at many places reads as that many sensors of their own; at so many places that the
// list would hold more values than the bound, counted at each place, the list is refused.
TEST(SensorCodecTest, SharedRecordsAreSeparateSensorsUpToTheElementBound)
{
    const QByteArray shared = CompanionLists::sharedSensor(5000);
    const auto list = Sensor::decodeBinaryList(shared);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 5000u);
    const auto full = Sensor::decodeTree(shared);
    ASSERT_TRUE(full);
    EXPECT_TRUE(sameSensors(*list, *full));
    EXPECT_NE(list->at(0).get(), list->at(1).get());
    list->at(0)->value = 1;
    EXPECT_EQ(list->at(4999)->value, 42.5);
    EXPECT_EQ(list->at(4999)->description, QStringLiteral("Shared"));

    const std::uint32_t pastTheBound = std::uint32_t(Sensor::maxElements / 13 + 1); // 13 values a sensor
    EXPECT_FALSE(Sensor::decodeList(CompanionLists::sharedSensor(pastTheBound)));
    EXPECT_TRUE(Sensor::decodeList(CompanionLists::sharedSensor(pastTheBound - 1)));

    // Texts count at each place too: 2,000 sensors naming one text of 1 MB would take 4 GB as texts of
    // their own; 100 naming one of 20 kB are read.
    const QByteArray sharedText = CompanionLists::sensorsSharingDescription(2000, 1'000'000);
    EXPECT_FALSE(Sensor::decodeList(sharedText));
    EXPECT_FALSE(Sensor::decodeTree(sharedText));
    const QByteArray fewer = CompanionLists::sensorsSharingDescription(100, 20'000);
    const auto read = Sensor::decodeList(fewer);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->at(99)->description.size(), 20'000);
    EXPECT_TRUE(sameSensors(*read, *Sensor::decodeTree(fewer)));

    // Many sensors of their own with integer readings are read by the quick reader.
    const auto integers = Sensor::decodeBinaryList(CompanionLists::sensors(3000, true));
    ASSERT_TRUE(integers);
    ASSERT_EQ(integers->size(), 3000u);
    EXPECT_EQ(integers->at(2999)->value, 30.0 + 2999);
    EXPECT_EQ(integers->at(2999)->identifier, QStringLiteral("S2999"));
}
