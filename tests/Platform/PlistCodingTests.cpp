#include "Platform/PropertyList/PlistBinaryWriter.h"
#include "Platform/PropertyList/PlistValue.h"
#include "Platform/PropertyList/PlistXmlWriter.h"

#include "Support/AllocationCount.h"
#include "Support/HostileSuites.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

using Platform::PlistBinaryWriter;
using Platform::PlistValue;
using Platform::PlistXmlWriter;

namespace {

QByteArray fixture(const QString& name)
{
    QFile file(QStringLiteral(KESTRION_FIXTURES "/Platform/plist/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QList<QByteArray> corpus()
{
    QList<QByteArray> all;
    const QDir dir(QStringLiteral(KESTRION_FIXTURES "/Platform/plist"));
    for (const QString& name : dir.entryList({QStringLiteral("*.plist")}, QDir::Files, QDir::Name))
        all.append(fixture(name));
    return all;
}

void appendBigEndian(QByteArray& out, std::uint64_t value, int width)
{
    for (int i = width - 1; i >= 0; --i)
        out.append(char((value >> (8 * i)) & 0xff));
}

// `width` bytes of `bytes` from `at` on, as a big-endian number.
std::uint64_t bigEndian(const QByteArray& bytes, qsizetype at, int width)
{
    std::uint64_t value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | std::uint8_t(bytes[at + i]);
    return value;
}

// What the trailer of a binary list says: how wide its offsets and references are, how many objects
// it holds and where its offset table starts.
struct Trailer {
    int offsetWidth = 0;
    int referenceWidth = 0;
    std::uint64_t objects = 0;
    std::uint64_t table = 0;
};

Trailer trailerOf(const QByteArray& list)
{
    if (list.size() < 40)
        return {};
    const qsizetype at = list.size() - 32;
    return {int(list[at + 6]), int(list[at + 7]), bigEndian(list, at + 8, 8), bigEndian(list, at + 24, 8)};
}

// Where a binary list's last object starts, by its offset table; 0 for no list.
std::uint64_t lastOffset(const QByteArray& list)
{
    const Trailer trailer = trailerOf(list);
    if (trailer.objects == 0)
        return 0;
    return bigEndian(list, qsizetype(trailer.table + (trailer.objects - 1) * std::uint64_t(trailer.offsetWidth)),
                     trailer.offsetWidth);
}

// A binary list built by hand: objects[i] are raw object bytes; references are 4 bytes wide.
QByteArray binaryList(const std::vector<QByteArray>& objects, std::uint64_t top = 0)
{
    QByteArray out("bplist00");
    std::vector<std::uint64_t> offsets;
    for (const QByteArray& object : objects) {
        offsets.push_back(std::uint64_t(out.size()));
        out.append(object);
    }
    const std::uint64_t table = std::uint64_t(out.size());
    for (std::uint64_t offset : offsets)
        appendBigEndian(out, offset, 4);
    out.append(QByteArray(6, '\0'));
    out.append(char(4));
    out.append(char(4));
    appendBigEndian(out, objects.size(), 8);
    appendBigEndian(out, top, 8);
    appendBigEndian(out, table, 8);
    return out;
}

QByteArray arrayObject(std::vector<std::uint32_t> refs)
{
    QByteArray object;
    object.append(char(0xA0 | refs.size()));
    for (std::uint32_t ref : refs)
        appendBigEndian(object, ref, 4);
    return object;
}

// `depth` arrays, each holding the next; the innermost is empty.
QByteArray nestedBinary(int depth)
{
    std::vector<QByteArray> objects;
    for (int i = 0; i < depth - 1; ++i)
        objects.push_back(arrayObject({std::uint32_t(i + 1)}));
    objects.push_back(arrayObject({}));
    return binaryList(objects);
}

QByteArray nestedXml(int depth)
{
    return QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\">") + QByteArray("<array>").repeated(depth) +
           QByteArray("</array>").repeated(depth) + QByteArray("</plist>");
}

int depthOf(const PlistValue& value)
{
    int depth = 0;
    const PlistValue* current = &value;
    while (const auto* array = current->toArray()) {
        ++depth;
        if (array->empty())
            break;
        current = &array->front();
    }
    return depth;
}

PlistValue sample()
{
    PlistValue::DictionaryType inner{{"text", PlistValue("Grüße €")}, {"flag", PlistValue(false)}};
    return PlistValue(PlistValue::DictionaryType{
        {"int", PlistValue(42)},
        {"negative", PlistValue(-7)},
        {"min", PlistValue(std::numeric_limits<std::int64_t>::min())},
        {"unsigned", PlistValue(std::numeric_limits<std::uint64_t>::max())},
        {"real", PlistValue(0.125)},
        {"bool", PlistValue(true)},
        {"data", PlistValue(QByteArray("\x00\x01\xfe\xff", 4))},
        {"empty", PlistValue(QString())},
        // Every U+FEFF is a character of the text, also two of them at its start, in texts and keys;
        // line ends stay as they are.
        {"marked", PlistValue(QStringLiteral("\ufeff\ufeffmarked"))},
        {QStringLiteral("\ufeff\ufeffkey"), PlistValue(1)},
        {QStringLiteral("\ufeffkey"), PlistValue(2)},
        {"lines", PlistValue(QStringLiteral("one\r\ntwo\rthree\n"))},
        // Characters above U+007F, none above U+00FF, in a text and a key.
        {"latin", PlistValue(QStringLiteral("cr\u00e8me br\u00fbl\u00e9e \u00a0\u00ff"))},
        {QStringLiteral("caf\u00e9"), PlistValue(3)},
        {"list", PlistValue(PlistValue::ArrayType{PlistValue(1), PlistValue("two"), PlistValue(inner)})},
        {"date", PlistValue(QDateTime(QDate(2024, 3, 5), QTime(10, 30, 15), QTimeZone::utc()))},
    });
}

} // namespace

TEST(PlistCoding, FixturesFromAnotherWriterDecodeInBothFormats)
{
    const auto binary = PlistValue::decode(fixture("settings.bin.plist"));
    const auto xml = PlistValue::decode(fixture("settings.xml.plist"));
    ASSERT_TRUE(binary.has_value());
    ASSERT_TRUE(xml.has_value());
    EXPECT_EQ(*binary, *xml);
    const PlistValue& v = *binary;
    EXPECT_EQ(v["ShowCores"].toBool(), true);
    EXPECT_EQ(v["Interval"].toInt64(), 2);
    EXPECT_EQ(v["Offset"].toInt64(), -7);
    EXPECT_EQ(v["Opacity"].toDouble(), 0.85);
    EXPECT_EQ(v["Theme"].toString(), QStringLiteral("dark"));
    EXPECT_EQ(v["Token"].toData(), QByteArray("\x00\x01\xfe\xff", 4));
    EXPECT_EQ(v["Installed"].toDate(), QDateTime(QDate(2024, 3, 5), QTime(10, 30, 15), QTimeZone::utc()));
    ASSERT_NE(v["Cards"].toArray(), nullptr);
    EXPECT_EQ(v["Cards"].toArray()->size(), 3u);
    EXPECT_EQ((*v["Nested"]["a"]["b"].toArray())[2]["c"].toString(), QStringLiteral("Grüße €"));

    const auto many = PlistValue::decode(fixture("many-keys.bin.plist"));
    ASSERT_TRUE(many.has_value());
    EXPECT_EQ(many->toDictionary()->size(), 300u);
    EXPECT_EQ((*many)["k297"].toInt64(), 297000);
    EXPECT_EQ((*many)["k298"].toString(), QStringLiteral("value 298"));
}

namespace {

// A value of every kind at its edges, as python's plistlib reads and writes it: no control characters
// (its XML writer refuses them), and in XML dates to the second and, as that writer writes them, every
// line end a line feed. Among the texts and keys, some whose characters all lie below U+0100, some of
// them above U+007F: a binary list holds those in UTF-16 (a text of a byte a character is ASCII).
PlistValue interopSample(bool xml, bool carriageReturns = true)
{
    constexpr auto lowest = std::numeric_limits<std::int64_t>::min();
    constexpr auto highest = std::numeric_limits<std::int64_t>::max();
    using limits = std::numeric_limits<double>;
    const auto utc = [](int year, int month, int day, int hour, int minute, int second, int msec = 0) {
        return QDateTime(QDate(year, month, day), QTime(hour, minute, second, msec), QTimeZone::utc());
    };
    const PlistValue::DictionaryType record{{"name", PlistValue("same")}, {"value", PlistValue("same")}};
    return PlistValue(PlistValue::DictionaryType{
        {"lowest", lowest},
        {"lowest+1", lowest + 1},
        {"negative", -5},
        {"minus one", -1},
        {"zero", 0},
        {"byte", 255},
        {"short", 65535},
        {"word", std::int64_t(4294967296)},
        {"highest", highest},
        {"unsigned", std::uint64_t(1) << 63},
        {"largest", ~std::uint64_t(0)},
        {"reals", PlistValue::ArrayType{0.1, -0.0, 1e-310, limits::max(), -2.5, limits::infinity(), -limits::infinity()}},
        {"nan", limits::quiet_NaN()},
        {"texts", PlistValue::ArrayType{QStringLiteral("Grüße €"), QStringLiteral("\ufeff\ufeffmarked"),
                                        carriageReturns ? QStringLiteral("one\r\ntwo\rthree\n")
                                                        : QStringLiteral("one\ntwo\nthree\n"),
                                        QStringLiteral("a < b && c > d ]]>"), QStringLiteral("\U0001F600"), QString(),
                                        QStringLiteral("tab\tline\n"),
                                        QStringLiteral("cr\u00e8me br\u00fbl\u00e9e \u00a0\u00ff")}},
        {QStringLiteral("\ufeffkey"), true},
        {QStringLiteral("caf\u00e9"), 3},
        {"false", false},
        {"data", QByteArray("\x00\x01\xfe\xff", 4)},
        {"empty data", QByteArray()},
        {"dates", PlistValue::ArrayType{utc(2024, 3, 5, 10, 30, 15, xml ? 0 : 250), utc(1999, 12, 31, 23, 59, 59),
                                        utc(1932, 12, 13, 20, 45, 52), utc(2069, 1, 19, 3, 14, 7)}},
        {"shared", PlistValue::ArrayType(3, PlistValue(record))},
        {"nested", PlistValue::DictionaryType{{"empty list", PlistValue::ArrayType{}},
                                              {"empty dict", PlistValue::DictionaryType{}}}},
    });
}

// The same value in python: it checks that what we wrote (ours.bin, ours.xml) reads as that value and
// writes the value in both forms (theirs.bin, theirs.xml).
constexpr char kInteropScript[] = R"py(
import datetime, math, plistlib, sys
folder = sys.argv[1]

def sample(xml):
    record = {"name": "same", "value": "same"}
    return {
        "lowest": -2**63, "lowest+1": -2**63 + 1, "negative": -5, "minus one": -1, "zero": 0,
        "byte": 255, "short": 65535, "word": 4294967296, "highest": 2**63 - 1,
        "unsigned": 2**63, "largest": 2**64 - 1,
        "reals": [0.1, -0.0, 1e-310, 1.7976931348623157e308, -2.5, float("inf"), float("-inf")],
        "nan": float("nan"),
        "texts": ["Gr\u00fc\u00dfe \u20ac", "\ufeff\ufeffmarked", "one\r\ntwo\rthree\n", "a < b && c > d ]]>",
                  "\U0001F600", "", "tab\tline\n", "cr\u00e8me br\u00fbl\u00e9e \u00a0\u00ff"],
        "\ufeffkey": True, "caf\u00e9": 3, "false": False,
        "data": b"\x00\x01\xfe\xff", "empty data": b"",
        "dates": [datetime.datetime(2024, 3, 5, 10, 30, 15, 0 if xml else 250000),
                  datetime.datetime(1999, 12, 31, 23, 59, 59), datetime.datetime(1932, 12, 13, 20, 45, 52),
                  datetime.datetime(2069, 1, 19, 3, 14, 7)],
        "shared": [record] * 3,
        "nested": {"empty list": [], "empty dict": {}},
    }

def same(a, b):
    if type(a) is not type(b):
        return False
    if isinstance(a, float):
        return (math.isnan(a) and math.isnan(b)) or (a == b and math.copysign(1, a) == math.copysign(1, b))
    if isinstance(a, dict):
        return a.keys() == b.keys() and all(same(a[k], b[k]) for k in a)
    if isinstance(a, list):
        return len(a) == len(b) and all(same(x, y) for x, y in zip(a, b))
    return a == b

failed = False
for name, xml in (("ours.bin", False), ("ours.xml", True)):
    with open(f"{folder}/{name}", "rb") as f:
        read = plistlib.load(f)
    if not same(read, sample(xml)):
        print(f"{name} reads as {read!r}", file=sys.stderr)
        failed = True
with open(f"{folder}/theirs.bin", "wb") as f:
    plistlib.dump(sample(False), f, fmt=plistlib.FMT_BINARY)
with open(f"{folder}/theirs.xml", "wb") as f:
    plistlib.dump(sample(True), f, fmt=plistlib.FMT_XML)
sys.exit(1 if failed else 0)
)py";

// python3 of the system: the suite's set-up installs it.
QString python()
{
    const QString system = QStringLiteral("/usr/bin/python3");
    return QFileInfo(system).isExecutable() ? system : QStandardPaths::findExecutable(QStringLiteral("python3"));
}

} // namespace

TEST(PlistCoding, PythonReadsWhatWeWriteAndWeReadWhatItWrites)
{
    const QString program = python();
    ASSERT_FALSE(program.isEmpty()) << "python3 is missing (scripts/setup installs it)";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto put = [&](const QString& name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    const auto take = [&](const QString& name) {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    ASSERT_TRUE(put(QStringLiteral("ours.bin"), interopSample(false).encodeBinary()));
    ASSERT_TRUE(put(QStringLiteral("ours.xml"), interopSample(true).encodeXml()));

    // Isolated (-I): no user site, no PYTHON* variables of the machine.
    QProcess process;
    process.start(program, {QStringLiteral("-I"), QStringLiteral("-c"), QString::fromLatin1(kInteropScript),
                            folder.path()});
    const bool finished = process.waitForFinished(30'000);
    if (!finished) {
        process.kill();
        process.waitForFinished();
    }
    ASSERT_TRUE(finished) << "python3 did not finish";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

    // What python wrote reads as the value; a real that is not a number and a zero's sign are looked at
    // on their own (no NaN equals itself, and a negative zero equals a positive one).
    const struct {
        const char* name;
        PlistValue expected;
    } theirs[] = {{"theirs.bin", interopSample(false)}, {"theirs.xml", interopSample(true, false)}};
    for (const auto& [name, expected] : theirs) {
        auto read = PlistValue::decode(take(QString::fromLatin1(name)));
        ASSERT_TRUE(read.has_value()) << name;
        EXPECT_TRUE(std::isnan((*read)["nan"].toReal().value_or(0))) << name;
        EXPECT_TRUE(std::signbit((*read)["reals"].toArray()->at(1).toReal().value_or(0))) << name;
        auto entries = *read->toDictionary();
        auto wanted = *expected.toDictionary();
        entries.erase(QStringLiteral("nan"));
        wanted.erase(QStringLiteral("nan"));
        EXPECT_EQ(PlistValue(entries), PlistValue(wanted)) << name;
    }
}

TEST(PlistCoding, RoundTripsThroughBothFormats)
{
    const PlistValue value = sample();
    const auto binary = PlistValue::decode(value.encodeBinary());
    ASSERT_TRUE(binary.has_value());
    EXPECT_EQ(*binary, value);
    const auto xml = PlistValue::decode(value.encodeXml());
    ASSERT_TRUE(xml.has_value());
    EXPECT_EQ(*xml, value);
    EXPECT_TRUE(value.encodeXml().startsWith("<?xml"));
    EXPECT_TRUE(value.encodeBinary().startsWith("bplist00"));
    // The XML writer knows its size before it writes: references, characters of two, three and four
    // bytes, numbers, dates and data counted as written.
    for (const PlistValue& counted : {value, interopSample(true)})
        EXPECT_EQ(PlistXmlWriter::size(counted), std::uint64_t(counted.encodeXml().size()));

    // A text with no character above U+007F takes a byte a character; any other takes UTF-16, also
    // one whose characters all lie below U+0100 (a byte each would be no ASCII).
    const QByteArray forms =
        PlistValue(PlistValue::ArrayType{PlistValue("plain"), PlistValue(QStringLiteral("cr\u00e8me"))}).encodeBinary();
    EXPECT_TRUE(forms.contains("\x55plain"));
    EXPECT_TRUE(forms.contains(QByteArray("\x65\x00\x63\x00\x72\x00\xe8\x00\x6d\x00\x65", 11)));

    // In binary form equal texts (keys and values alike), data and numbers are one object, referred to
    // from each of their places; references and offsets take as few bytes as hold them.
    PlistValue::ArrayType records;
    for (int i = 0; i < 300; ++i) {
        records.push_back(PlistValue(PlistValue::DictionaryType{{"Description", PlistValue("Description")},
                                                                {"Value", PlistValue(0.25)},
                                                                {"Token", PlistValue(QByteArray("token bytes"))},
                                                                {"Identifier", PlistValue(QString::number(i % 3))}}));
    }
    const PlistValue shared(records);
    const QByteArray list = shared.encodeBinary();
    const auto read = PlistValue::decode(list);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, shared);
    EXPECT_EQ(list.count("Description"), 1);
    EXPECT_EQ(list.count("token bytes"), 1);
    // The array, its dictionaries, their four keys (one of them the description), one real and token,
    // three identifiers.
    const std::uint64_t objects = 1 + 300 + 4 + 1 + 1 + 3;
    EXPECT_EQ(trailerOf(list).objects, objects);
    EXPECT_EQ(trailerOf(list).referenceWidth, 2); // references: more than 256 objects
    EXPECT_EQ(trailerOf(list).offsetWidth, 2);    // offsets: the list takes some kilobytes
    EXPECT_EQ(trailerOf(sample().encodeBinary()).referenceWidth, 1);

    // References take the fewest of 1, 2, 4 or 8 bytes that hold the highest object number (the
    // number of objects less one), at each edge one object either side: an array and distinct
    // integers.
    const struct {
        std::uint64_t objects;
        int width;
    } referenceEdges[] = {{256, 1}, {257, 2}, {65'536, 2}, {65'537, 4}};
    for (const auto& [count, width] : referenceEdges) {
        PlistValue::ArrayType numbers;
        for (std::uint64_t i = 1; i < count; ++i)
            numbers.push_back(PlistValue(std::int64_t(i)));
        const PlistValue counted(std::move(numbers));
        const QByteArray written = counted.encodeBinary();
        EXPECT_EQ(trailerOf(written).objects, count);
        EXPECT_EQ(trailerOf(written).referenceWidth, width) << count << " objects";
        const auto back = PlistValue::decode(written);
        ASSERT_TRUE(back.has_value()) << count << " objects";
        EXPECT_EQ(*back, counted);
    }
    // Offsets the fewest that hold the last object's offset, at each edge one byte either side: an
    // array of a data block and `true`, the block as long as puts `true` at the offset.
    const struct {
        std::uint64_t offset;
        int width;
    } offsetEdges[] = {{255, 1}, {256, 2}, {65'535, 2}, {65'536, 4}};
    for (const auto& [offset, width] : offsetEdges) {
        PlistValue placed;
        QByteArray written;
        for (qsizetype size = qsizetype(offset) - 24; lastOffset(written) < offset; ++size) {
            placed = PlistValue(PlistValue::ArrayType{PlistValue(QByteArray(size, 'd')), PlistValue(true)});
            written = placed.encodeBinary();
        }
        ASSERT_EQ(lastOffset(written), offset);
        EXPECT_EQ(trailerOf(written).offsetWidth, width) << "the last object at " << offset;
        EXPECT_EQ(trailerOf(written).referenceWidth, 1);
        const auto back = PlistValue::decode(written);
        ASSERT_TRUE(back.has_value()) << "the last object at " << offset;
        EXPECT_EQ(*back, placed);
    }
}

TEST(PlistCoding, NumbersKeepTheirBitsAndKinds)
{
    // Integers are written signed: both ends of the 64-bit range and every width between read back as
    // themselves. An unsigned number up to 2^63 - 1 is written as that number and reads back as an
    // Integer; one from 2^63 on reads back as Unsigned. Reals keep their bits, a zero its sign.
    constexpr auto lowest = std::numeric_limits<std::int64_t>::min();
    constexpr auto highest = std::numeric_limits<std::int64_t>::max();
    constexpr std::uint64_t top = std::uint64_t(1) << 63;
    using limits = std::numeric_limits<double>;
    const PlistValue::ArrayType integers{lowest, lowest + 1, -5, -1, 0, 255, 256, 65535, 65536,
                                         std::int64_t(4294967295), std::int64_t(4294967296), highest};
    const PlistValue::ArrayType unsignedNumbers{std::uint64_t(0), std::uint64_t(highest), top,
                                                ~std::uint64_t(0) - 6};
    const PlistValue::ArrayType reals{3.0, -0.0, 0.1, -2.5, limits::denorm_min(), -limits::max(), limits::infinity(),
                                      -limits::infinity()};
    const PlistValue value(PlistValue::DictionaryType{{"integers", integers}, {"unsigned", unsignedNumbers},
                                                      {"reals", reals}});
    const PlistValue readBack(PlistValue::DictionaryType{
        {"integers", integers},
        {"unsigned", PlistValue::ArrayType{std::int64_t(0), highest, top, ~std::uint64_t(0) - 6}},
        {"reals", reals}});
    for (const QByteArray& bytes : {value.encodeBinary(), value.encodeXml()}) {
        const auto read = PlistValue::decode(bytes);
        ASSERT_TRUE(read.has_value()) << bytes.toStdString();
        EXPECT_EQ(*read, readBack) << bytes.toStdString();
        EXPECT_EQ((*read)["unsigned"].toArray()->at(2).type(), PlistValue::Type::Unsigned);
        EXPECT_TRUE(std::signbit(*(*read)["reals"].toArray()->at(1).toReal()));
    }
    // Negative numbers take 8 bytes; from 2^63 on, 16 bytes whose upper half is zero; in XML, the decimal
    // number either way.
    const QByteArray binary = value.encodeBinary();
    EXPECT_TRUE(binary.contains(QByteArray("\x13\xff\xff\xff\xff\xff\xff\xff\xfb", 9)));
    EXPECT_TRUE(binary.contains(QByteArray("\x14\0\0\0\0\0\0\0\0\x80\0\0\0\0\0\0\0", 17)));
    const QByteArray xml = value.encodeXml();
    EXPECT_TRUE(xml.contains("<integer>-9223372036854775808</integer>")) << xml.toStdString();
    EXPECT_TRUE(xml.contains("<integer>18446744073709551609</integer>")) << xml.toStdString();

    // A real that is not a number keeps its bits in binary form; XML writes any of them as "nan".
    const double payload = std::bit_cast<double>(std::uint64_t(0xfff8'0000'0000'0abcULL));
    const PlistValue nan(PlistValue::ArrayType{payload});
    const auto binaryNan = PlistValue::decode(nan.encodeBinary());
    ASSERT_TRUE(binaryNan.has_value());
    EXPECT_EQ(std::bit_cast<std::uint64_t>(*binaryNan->toArray()->front().toReal()), 0xfff8'0000'0000'0abcULL);
    EXPECT_TRUE(nan.encodeXml().contains("<real>nan</real>"));
    const auto xmlNan = PlistValue::decode(nan.encodeXml());
    ASSERT_TRUE(xmlNan.has_value());
    EXPECT_TRUE(std::isnan(*xmlNan->toArray()->front().toReal()));
}

// The C library's numbers of a German desktop (decimal comma), as the toolkit sets them from the
// environment at start, for the life of a test.
class GermanNumbers {
public:
    GermanNumbers()
        : m_previous(std::setlocale(LC_NUMERIC, nullptr) ? std::setlocale(LC_NUMERIC, nullptr) : "C")
        , m_active(std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr)
    {
    }
    ~GermanNumbers() { std::setlocale(LC_NUMERIC, m_previous.c_str()); }
    bool active() const { return m_active; }

private:
    std::string m_previous;
    bool m_active;
};

TEST(PlistCoding, RealsReadAndWriteTheSameUnderAGermanLocale)
{
    GermanNumbers german;
    if (!german.active())
        GTEST_SKIP() << "de_DE.UTF-8 not generated on this machine";

    // A suite as python's plistlib writes it by default.
    const QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                           "<plist version=\"1.0\">\n<dict>\n\t<key>half</key>\n\t<real>0.5</real>\n"
                           "\t<key>pi</key>\n\t<real>3.14159</real>\n\t<key>tiny</key>\n\t<real>-1.25e-07</real>\n"
                           "</dict>\n</plist>\n";
    const auto read = PlistValue::decode(xml);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ((*read)["half"].toDouble(), 0.5);
    EXPECT_EQ((*read)["pi"].toDouble(), 3.14159);
    EXPECT_EQ((*read)["tiny"].toDouble(), -1.25e-07);

    // Each real with the fewest digits that read back as the same double.
    const PlistValue value(PlistValue::DictionaryType{{"half", PlistValue(0.5)},
                                                      {"pi", PlistValue(3.14159)},
                                                      {"big", PlistValue(-12345.75)},
                                                      {"tenth", PlistValue(0.1)},
                                                      {"tiny", PlistValue(-1.25e-07)},
                                                      {"large", PlistValue(1e300)}});
    const QByteArray written = value.encodeXml();
    for (const char* real : {"<real>0.5</real>", "<real>3.14159</real>", "<real>-12345.75</real>", "<real>0.1</real>",
                             "<real>-1.25e-07</real>", "<real>1e+300</real>"})
        EXPECT_TRUE(written.contains(real)) << real << "\n" << written.toStdString();
    EXPECT_FALSE(written.contains(",")) << written.toStdString();
    for (const QByteArray& bytes : {written, value.encodeBinary()}) {
        const auto back = PlistValue::decode(bytes);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, value);
    }
    // The suite read above, written and read again in binary.
    const auto binary = PlistValue::decode(read->encodeBinary());
    ASSERT_TRUE(binary.has_value());
    EXPECT_EQ((*binary)["pi"].toDouble(), 3.14159);
}

TEST(PlistCoding, DatesCountFromTwoThousandOne)
{
    const QDateTime epoch(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    EXPECT_TRUE(PlistValue(epoch).encodeXml().contains("<date>2001-01-01T00:00:00Z</date>"));
    const auto utc = [](int year, int month, int day, int hour, int minute, int second, int msec = 0) {
        return QDateTime(QDate(year, month, day), QTime(hour, minute, second, msec), QTimeZone::utc());
    };
    // The range's first and last second: as many seconds before and after 2001 as 32 bits hold.
    const QDateTime first = utc(1932, 12, 13, 20, 45, 52);
    const QDateTime last = utc(2069, 1, 19, 3, 14, 7);
    // Each date as it reads back from the binary form and from XML. Binary dates keep milliseconds,
    // also before the epoch and within the range's last second; XML keeps the second the date lies in,
    // before 2001 as after it. A date beyond the range, by however little, is clamped to its end, not
    // wrapped around nor refused on reading.
    struct Written {
        QDateTime date;
        QDateTime binary;
        QDateTime xml;
    };
    const std::int64_t earliest = std::numeric_limits<std::int64_t>::min();
    const std::int64_t latest = std::numeric_limits<std::int64_t>::max();
    const Written dates[] = {
        {utc(1999, 12, 31, 23, 59, 59, 250), utc(1999, 12, 31, 23, 59, 59, 250), utc(1999, 12, 31, 23, 59, 59)},
        {utc(2000, 12, 31, 23, 59, 59, 250), utc(2000, 12, 31, 23, 59, 59, 250), utc(2000, 12, 31, 23, 59, 59)},
        {utc(2001, 1, 1, 0, 0, 0, 250), utc(2001, 1, 1, 0, 0, 0, 250), epoch},
        {utc(2024, 1, 1, 0, 1, 40, 999), utc(2024, 1, 1, 0, 1, 40, 999), utc(2024, 1, 1, 0, 1, 40)},
        {last, last, last},
        {last.addMSecs(-1), last.addMSecs(-1), last.addSecs(-1)},
        {last.addMSecs(500), last, last},
        {last.addMSecs(1), last, last},
        {utc(2200, 1, 1, 0, 0, 0), last, last},
        {QDateTime::fromMSecsSinceEpoch(latest, QTimeZone::utc()), last, last},
        {first, first, first},
        {first.addMSecs(250), first.addMSecs(250), first},
        {first.addMSecs(-1), first, first},
        {first.addMSecs(-500), first, first},
        {QDateTime::fromMSecsSinceEpoch(earliest, QTimeZone::utc()), first, first},
    };
    for (const Written& written : dates) {
        const PlistValue value(PlistValue::ArrayType{PlistValue(written.date)});
        const std::string shown = written.date.toString(Qt::ISODateWithMs).toStdString();
        const auto binary = PlistValue::decode(value.encodeBinary());
        ASSERT_TRUE(binary.has_value()) << shown;
        EXPECT_EQ(binary->toArray()->front().toDate(), written.binary) << shown;
        const auto xml = PlistValue::decode(value.encodeXml());
        ASSERT_TRUE(xml.has_value()) << shown;
        EXPECT_EQ(xml->toArray()->front().toDate(), written.xml) << shown;
    }
}

TEST(PlistCoding, NoneValuesAreLeftOutAndNoneEncodesToNothing)
{
    EXPECT_TRUE(PlistValue().encodeBinary().isEmpty());
    EXPECT_TRUE(PlistValue().encodeXml().isEmpty());
    const PlistValue withNone(PlistValue::DictionaryType{{"a", PlistValue()}, {"b", PlistValue(1)}});
    const auto decoded = PlistValue::decode(withNone.encodeBinary());
    ASSERT_TRUE(decoded.has_value());
    EXPECT_FALSE(decoded->contains("a"));
    EXPECT_EQ((*decoded)["b"].toInt64(), 1);
}

TEST(PlistCodingHostile, MalformedAndTruncatedInputGivesNoValue)
{
    EXPECT_FALSE(PlistValue::decode({}).has_value());
    EXPECT_FALSE(PlistValue::decode("not a property list").has_value());
    EXPECT_FALSE(PlistValue::decode("bplist00").has_value());
    EXPECT_FALSE(PlistValue::decode("<?xml version=\"1.0\"?><plist><dict><key>a</key>").has_value());
    const QByteArray binary = fixture("settings.bin.plist");
    ASSERT_FALSE(binary.isEmpty());
    for (qsizetype n = 0; n < binary.size(); ++n)
        EXPECT_FALSE(PlistValue::decode(binary.left(n)).has_value()) << n;
}

TEST(PlistCodingHostile, DeepNestingIsRefusedWithoutExhaustingTheStack)
{
    const auto shallow = PlistValue::decode(nestedBinary(PlistValue::kMaxDepth));
    ASSERT_TRUE(shallow.has_value());
    EXPECT_EQ(depthOf(*shallow), PlistValue::kMaxDepth);
    const auto shallowXml = PlistValue::decode(nestedXml(PlistValue::kMaxDepth));
    ASSERT_TRUE(shallowXml.has_value());
    EXPECT_EQ(depthOf(*shallowXml), PlistValue::kMaxDepth);

    EXPECT_FALSE(PlistValue::decode(nestedBinary(PlistValue::kMaxDepth + 2)).has_value());
    EXPECT_FALSE(PlistValue::decode(nestedBinary(200000)).has_value());
    EXPECT_FALSE(PlistValue::decode(nestedXml(PlistValue::kMaxDepth + 8)).has_value());
    // Both forms draw the line at the same depth.
    EXPECT_TRUE(PlistValue::decode(nestedBinary(PlistValue::kMaxDepth + 1)).has_value());
    EXPECT_TRUE(PlistValue::decode(nestedXml(PlistValue::kMaxDepth + 1)).has_value());
    EXPECT_FALSE(PlistValue::decode(nestedXml(PlistValue::kMaxDepth + 2)).has_value());
    EXPECT_FALSE(PlistValue::decode(nestedXml(200000)).has_value());
    const QByteArray dicts = QByteArray("<plist>") + QByteArray("<dict><key>a</key>").repeated(200000) +
                             QByteArray("<true/>") + QByteArray("</dict>").repeated(200000) + "</plist>";
    EXPECT_FALSE(PlistValue::decode(dicts).has_value());

    // Encoding refuses what decoding would refuse: a value below the deepest level the decoder takes,
    // be it a container or not; a none value there is left out, as anywhere else.
    const auto nestedAround = [](PlistValue inner, int levels) {
        for (int i = 0; i < levels; ++i)
            inner = PlistValue(PlistValue::ArrayType{std::move(inner)});
        return inner;
    };
    for (const PlistValue& innermost : {PlistValue(PlistValue::ArrayType{}), PlistValue(true)}) {
        const PlistValue atBound = nestedAround(innermost, PlistValue::kMaxDepth);
        for (const QByteArray& written : {atBound.encodeBinary(), atBound.encodeXml()}) {
            const auto read = PlistValue::decode(written);
            ASSERT_TRUE(read.has_value());
            EXPECT_EQ(*read, atBound);
        }
        const PlistValue pastBound = nestedAround(innermost, PlistValue::kMaxDepth + 1);
        EXPECT_TRUE(pastBound.encodeBinary().isEmpty());
        EXPECT_TRUE(pastBound.encodeXml().isEmpty());
    }
    const PlistValue deep = nestedAround(PlistValue(PlistValue::ArrayType{}), PlistValue::kMaxDepth + 5);
    EXPECT_TRUE(deep.encodeBinary().isEmpty());
    EXPECT_TRUE(deep.encodeXml().isEmpty());
    PlistValue holdingNone = PlistValue(PlistValue::ArrayType{PlistValue()});
    for (int i = 0; i < PlistValue::kMaxDepth; ++i)
        holdingNone = PlistValue(PlistValue::ArrayType{holdingNone});
    for (const QByteArray& written : {holdingNone.encodeBinary(), holdingNone.encodeXml()}) {
        const auto read = PlistValue::decode(written);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(depthOf(*read), PlistValue::kMaxDepth + 1);
    }
}

TEST(PlistCodingHostile, XmlWhoseNestingCannotBeTrustedIsRefused)
{
    const QByteArray head("<?xml version=\"1.0\"?><!-- written by hand --><plist version=\"1.0\">");
    const auto fine = PlistValue::decode(head + "<array><string>a &gt; b</string><true/></array></plist>");
    ASSERT_TRUE(fine.has_value());
    EXPECT_EQ(fine->toArray()->front().toString(), QStringLiteral("a > b"));
    // Mismatched closing tags, a '<' inside a tag and unbalanced quotes hide the real nesting.
    EXPECT_FALSE(PlistValue::decode(head + "<array><dict></array></dict></plist>").has_value());
    EXPECT_FALSE(PlistValue::decode(head + "<array <array>></array></plist>").has_value());
    EXPECT_FALSE(PlistValue::decode(head + "<array x=\"/>\" ></array></plist>").has_value());
    EXPECT_FALSE(PlistValue::decode(head + "<array x=\"></array></plist>").has_value());

    // What writers put in texts reads as written: references, CDATA sections and comments, blanks and
    // line ends kept, every U+FEFF too (also two at the start of a key, as a reference or not).
    const auto texts = PlistValue::decode(
        head + "<dict><key>a&#x20;b</key><string> &lt;&#65;&#x1F600;&apos;&quot;<![CDATA[<&amp;>]]><!-- c -->\r\n</string>"
               "<key>d</key><data> AAH+\n/w== </data><key>t</key><true></true><key>r</key><real>+infinity</real>"
               "<key>&#xFEFF;&#xFEFF;k</key><string>&#xFEFF;&#xFEFF;x</string><key>\xEF\xBB\xBFk</key><true/>"
               "<key>e</key><dict/></dict></plist>\n\n   ");
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ((*texts)["a b"].toString(), QStringLiteral(" <A\U0001F600'\"<&amp;>\r\n"));
    EXPECT_EQ((*texts)[QStringLiteral("\ufeff\ufeffk")].toString(), QStringLiteral("\ufeff\ufeffx"));
    EXPECT_EQ((*texts)[QStringLiteral("\ufeffk")].toBool(), true);
    EXPECT_EQ((*texts)["d"].toData(), QByteArray("\x00\x01\xfe\xff", 4));
    EXPECT_EQ((*texts)["t"].toBool(), true);
    EXPECT_EQ((*texts)["r"].toReal(), std::numeric_limits<double>::infinity());
    EXPECT_NE((*texts)["e"].toDictionary(), nullptr);
    // References that stand for nothing or for a NUL, bytes that are no UTF-8, a second value, a key
    // standing twice, entities declared in the document, attributes on values and numbers with two
    // signs are refused.
    for (const QByteArray& body :
         {QByteArray("<string>&nbsp;</string>"), QByteArray("<string>&#0;</string>"), QByteArray("<string>a & b</string>"),
          QByteArray("<string>&#xD800;</string>"), QByteArray("<string>\xff</string>"),
          QByteArray("<string>a</string><string>b</string>"),
          QByteArray("<dict><key>k</key><true/><key>k</key><false/></dict>"), QByteArray("<string x=\"1\">a</string>"),
          QByteArray("<dict><true/></dict>"), QByteArray("<data>A=A=</data>"), QByteArray("<data>====</data>"), QByteArray("<data>AAAAA</data>"),
          QByteArray("<integer/>"), QByteArray("<real>+-1</real>")})
        EXPECT_FALSE(PlistValue::decode(head + body + "</plist>").has_value()) << body.toStdString();
    EXPECT_FALSE(PlistValue::decode("<?xml version=\"1.0\"?><!DOCTYPE plist [<!ENTITY e \"x\">]><plist>"
                                    "<string>&e;</string></plist>")
                     .has_value());
}

TEST(PlistCodingHostile, CyclesAndRunawaySharingAreRefused)
{
    // An array that holds itself.
    EXPECT_FALSE(PlistValue::decode(binaryList({arrayObject({0})})).has_value());
    // Two arrays holding each other.
    EXPECT_FALSE(PlistValue::decode(binaryList({arrayObject({1}), arrayObject({0})})).has_value());
    // A reference past the object table.
    EXPECT_FALSE(PlistValue::decode(binaryList({arrayObject({7})})).has_value());
    // 40 levels of arrays, each holding the next one twice: 2^40 nodes once expanded.
    std::vector<QByteArray> objects;
    for (std::uint32_t i = 0; i < 40; ++i)
        objects.push_back(arrayObject({i + 1, i + 1}));
    objects.push_back(arrayObject({}));
    EXPECT_FALSE(PlistValue::decode(binaryList(objects)).has_value());
    // Sharing that stays small is fine.
    const auto shared = PlistValue::decode(binaryList({arrayObject({1, 1, 1}), arrayObject({})}));
    ASSERT_TRUE(shared.has_value());
    EXPECT_EQ(shared->toArray()->size(), 3u);
}

TEST(PlistCodingHostile, KeysThatTheParserCannotHandOutAreRefused)
{
    // A dictionary whose UTF-16 key holds U+0000.
    const QByteArray dict = QByteArray("\xD1", 1) + QByteArray("\0\0\0\x01\0\0\0\x02", 8);
    const QByteArray key = QByteArray("\x63\x00\xE9\x00\x00\x00\x62", 7);
    const QByteArray yes("\x09", 1);
    EXPECT_FALSE(PlistValue::decode(binaryList({dict, key, yes})).has_value());
    // The same key without the NUL decodes.
    const QByteArray fine = QByteArray("\x62\x00\xE9\x00\x62", 5);
    const auto decoded = PlistValue::decode(binaryList({dict, fine, yes}));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ((*decoded)[QStringLiteral("\u00e9b")].toBool(), true);
    // A key that is no text.
    EXPECT_FALSE(PlistValue::decode(binaryList({dict, yes, yes})).has_value());
}

TEST(PlistCodingHostile, RandomMutationsNeverCrash)
{
    // Flips, overwrites, inserts and cuts bytes of valid lists; every result must either decode to a
    // value that encodes again or give no value. A fixed seed keeps the run repeatable.
    const QList<QByteArray> inputs = corpus();
    ASSERT_GE(inputs.size(), 4);
    std::mt19937 random(20240305);
    const int rounds = qEnvironmentVariableIntValue("KESTRION_FUZZ_ROUNDS") > 0
                           ? qEnvironmentVariableIntValue("KESTRION_FUZZ_ROUNDS")
                           : 1500;
    int decoded = 0;
    for (int round = 0; round < rounds; ++round) {
        QByteArray bytes = inputs[round % inputs.size()];
        const int edits = 1 + int(random() % 4);
        for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
            const qsizetype at = qsizetype(random() % std::uint32_t(bytes.size()));
            switch (random() % 5) {
            case 0: bytes[at] = char(bytes[at] ^ char(1u << (random() % 8))); break;
            case 1: bytes[at] = char(random()); break;
            case 2: bytes.insert(at, char(random())); break;
            case 3: bytes.truncate(at); break;
            default: bytes[at] = char(0xff); break;
            }
        }
        const auto value = PlistValue::decode(bytes);
        if (value) {
            ++decoded;
            (void)value->encodeBinary();
        }
    }
    // Some mutations (a changed letter in a text) leave a valid list.
    EXPECT_GT(decoded, 0);
}

namespace {

QByteArray dateObject(double seconds)
{
    QByteArray object(1, char(0x33));
    appendBigEndian(object, std::bit_cast<std::uint64_t>(seconds), 8);
    return object;
}

QByteArray sixteenByteInteger(std::uint64_t high, std::uint64_t low)
{
    QByteArray object(1, char(0x14));
    appendBigEndian(object, high, 8);
    appendBigEndian(object, low, 8);
    return object;
}

QByteArray dictObject(std::vector<std::uint32_t> keys, std::vector<std::uint32_t> values)
{
    QByteArray object;
    object.append(char(0xD0 | keys.size()));
    for (std::uint32_t ref : keys)
        appendBigEndian(object, ref, 4);
    for (std::uint32_t ref : values)
        appendBigEndian(object, ref, 4);
    return object;
}

QByteArray asciiObject(const QByteArray& text)
{
    return QByteArray(1, char(0x50 | text.size())) + text;
}

} // namespace

TEST(PlistCodingHostile, KeysWithANulOrThatWouldMergeAreRefused)
{
    // Cut at the NUL, "rpm\0" would be "rpm": two keys would read as one, either value winning.
    const QByteArray one("\x10\x01", 2);
    const QByteArray two("\x10\x02", 2);
    const QByteArray merged = binaryList({dictObject({1, 2}, {3, 4}), asciiObject("rpm"),
                                          asciiObject(QByteArray("rpm\0", 4)), one, two});
    EXPECT_FALSE(PlistValue::decode(merged).has_value());
    const auto distinct = PlistValue::decode(binaryList(
        {dictObject({1, 2}, {3, 4}), asciiObject("rpm"), asciiObject("rpm2"), one, two}));
    ASSERT_TRUE(distinct.has_value());
    EXPECT_EQ(distinct->toDictionary()->size(), 2u);

    // Nor is either written: a text or key holding a NUL would not read back, and neither would a
    // dictionary whose keys are one once a lone surrogate is written as '?'.
    const QString nulKey = QString::fromUtf8("rpm\0", 4);
    const QString lone(QChar(0xD800));
    const PlistValue refused[] = {
        PlistValue(PlistValue::DictionaryType{{"rpm", PlistValue(1)}, {nulKey, PlistValue(2)}}),
        PlistValue(PlistValue::ArrayType{PlistValue(true), PlistValue(QString::fromUtf8("a\0b", 3))}),
        PlistValue(QString::fromUtf8("\0", 1)),
        PlistValue(PlistValue::DictionaryType{{"?", PlistValue(1)}, {lone, PlistValue(2)}}),
        PlistValue(PlistValue::DictionaryType{{QStringLiteral("k?"), PlistValue(1)},
                                              {QStringLiteral("k") + QChar(0xDFFF), PlistValue(2)}}),
    };
    for (const PlistValue& value : refused) {
        EXPECT_TRUE(value.encodeBinary().isEmpty());
        EXPECT_TRUE(value.encodeXml().isEmpty());
    }
    // A lone surrogate alone is written as '?', in texts and keys, and a key whose value is left out is
    // not written, a NUL in it or not; a pair stays a pair.
    const PlistValue replaced(PlistValue::DictionaryType{
        {QChar(0xDC00) + QStringLiteral("k"), PlistValue(QStringLiteral("a") + lone)},
        {nulKey, PlistValue()},
        {"?", PlistValue()},
        {lone + lone, PlistValue(QStringLiteral("\U0001F600") + QChar(0xDBFF))}});
    const PlistValue readBack(PlistValue::DictionaryType{{"?k", PlistValue("a?")},
                                                         {"??", PlistValue(QStringLiteral("\U0001F600?"))}});
    for (const QByteArray& bytes : {replaced.encodeBinary(), replaced.encodeXml()}) {
        const auto read = PlistValue::decode(bytes);
        ASSERT_TRUE(read.has_value()) << bytes.toStdString();
        EXPECT_EQ(*read, readBack);
    }
}

TEST(PlistCodingHostile, DatesBeyondTheFormatsRangeAreRefused)
{
    // Seconds from 2001 that do not fit 32 bits are beyond what other readers and the XML form hold.
    for (double seconds : {3.3e88, -3.3e88, 2147483648.0 * 2, std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity()})
        EXPECT_FALSE(PlistValue::decode(binaryList({arrayObject({1}), dateObject(seconds)})).has_value()) << seconds;
    const auto inRange = PlistValue::decode(binaryList({arrayObject({1}), dateObject(86400.0)}));
    ASSERT_TRUE(inRange.has_value());
    EXPECT_EQ(inRange->toArray()->front().toDate(), QDateTime(QDate(2001, 1, 2), QTime(0, 0), QTimeZone::utc()));

    const QByteArray head("<?xml version=\"1.0\"?><plist version=\"1.0\"><array><date>");
    for (const char* date : {"9999-01-01T00:00:00Z", "1800-01-01T00:00:00Z", "-2024-01-01T00:00:00Z",
                             "20240-01-01T00:00:00Z", "24-01-01T00:00:00Z"})
        EXPECT_FALSE(PlistValue::decode(head + date + "</date></array></plist>").has_value()) << date;
    const auto xml = PlistValue::decode(head + "2024-03-05T10:30:15Z</date></array></plist>");
    ASSERT_TRUE(xml.has_value());
    EXPECT_EQ(xml->toArray()->front().toDate(), QDateTime(QDate(2024, 3, 5), QTime(10, 30, 15), QTimeZone::utc()));
}

TEST(PlistCodingHostile, IntegersPastTheSignedRangeStayUnsignedAndWiderOnesAreRefused)
{
    // A number of 2^63 or more is written in 16 bytes; read as 64 bits it would pass for a negative one.
    const auto big = PlistValue::decode(binaryList({arrayObject({1}), sixteenByteInteger(0, ~std::uint64_t(0))}));
    ASSERT_TRUE(big.has_value());
    EXPECT_EQ(big->toArray()->front().type(), PlistValue::Type::Unsigned);
    EXPECT_FALSE(big->toArray()->front().toInt64().has_value());
    EXPECT_EQ(big->toArray()->front().toUInt64(), ~std::uint64_t(0));
    const auto xml = PlistValue::decode("<?xml version=\"1.0\"?><plist version=\"1.0\"><array>"
                                        "<integer>18446744073709551615</integer><integer>-1</integer></array></plist>");
    ASSERT_TRUE(xml.has_value());
    EXPECT_EQ(xml->toArray()->at(0).toUInt64(), ~std::uint64_t(0));
    EXPECT_EQ(xml->toArray()->at(1).toInt64(), -1);
    // 8 bytes with the top bit set are a negative number, as before.
    const auto negative = PlistValue::decode(PlistValue(PlistValue::ArrayType{PlistValue(-5)}).encodeBinary());
    ASSERT_TRUE(negative.has_value());
    EXPECT_EQ(negative->toArray()->front().toInt64(), -5);
    // A number beyond 64 bits gives no value in either form, whatever its sign: 2^64 + 5 is no 5, and
    // -2^64 + 1 no 1.
    EXPECT_FALSE(PlistValue::decode(binaryList({arrayObject({1}), sixteenByteInteger(1, 5)})).has_value());
    const QByteArray head("<?xml version=\"1.0\"?><plist version=\"1.0\"><integer>");
    for (const char* number : {"18446744073709551616", "-18446744073709551615", "-9223372036854775809",
                               "0x10000000000000000", "99999999999999999999999", "", "1e3", "--1", "0x"})
        EXPECT_FALSE(PlistValue::decode(head + number + "</integer></plist>").has_value()) << number;
    const auto lowest = PlistValue::decode(head + " -9223372036854775808\n</integer></plist>");
    ASSERT_TRUE(lowest.has_value());
    EXPECT_EQ(lowest->toInt64(), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(PlistValue::decode(head + "+0x7fFF</integer></plist>")->toInt64(), 0x7fff);
    EXPECT_EQ(PlistValue::decode(head + "-0x10</integer></plist>")->toInt64(), -16);
}

TEST(PlistCodingHostile, ObjectsNoValueHoldsAreRefused)
{
    // A UID (marker 0x8) is a reference of an archive, no number; a set (0xC) no array; 0x00 no value.
    const QByteArray uid("\x80\x05", 2);
    for (const QByteArray& object : {uid, QByteArray("\xC1\x00\x00\x00\x02", 5), QByteArray(1, '\0')})
        EXPECT_FALSE(PlistValue::decode(binaryList({arrayObject({1}), object, QByteArray(1, char(0x09))})).has_value());
    // A key that stands twice in one dictionary: either value would do, so neither does.
    const QByteArray one("\x10\x01", 2);
    EXPECT_FALSE(PlistValue::decode(binaryList({dictObject({1, 1}, {2, 2}), asciiObject("rpm"), one})).has_value());
    // A text holding a NUL, in either form.
    EXPECT_FALSE(PlistValue::decode(binaryList({arrayObject({1}), asciiObject(QByteArray("a\0b", 3))})).has_value());
    EXPECT_FALSE(PlistValue::decode(binaryList({arrayObject({1}), QByteArray("\x61\x00\x00", 3)})).has_value());
}

TEST(PlistCodingHostile, ListsBeyondTheElementBoundAreRefused)
{
    // One array shared at every place of another: few bytes, many values once expanded.
    const std::uint32_t places = 20000;
    std::vector<std::uint32_t> refs(places, 1);
    QByteArray outer;
    outer.append(char(0xAF));
    outer.append(char(0x12));
    appendBigEndian(outer, places, 4);
    for (std::uint32_t ref : refs)
        appendBigEndian(outer, ref, 4);
    const QByteArray shared = binaryList({outer, arrayObject({2, 2, 2, 2, 2, 2, 2, 2, 2}), QByteArray(1, char(0x09))});
    EXPECT_FALSE(PlistValue::decode(shared).has_value());

    // A plain list at the bound is written and decodes; one past it is written in neither form, for
    // it would not read back.
    PlistValue::ArrayType items(PlistValue::kMaxElements - 1, PlistValue(true));
    EXPECT_TRUE(PlistValue::decode(PlistValue(items).encodeBinary()).has_value());
    EXPECT_TRUE(PlistValue::decode(PlistValue(items).encodeXml()).has_value());
    items.push_back(PlistValue(true));
    EXPECT_TRUE(PlistValue(items).encodeBinary().isEmpty());
    EXPECT_TRUE(PlistValue(items).encodeXml().isEmpty());
    // Keys count as values, as they do on reading: a dictionary of half as many entries is one past the
    // bound, and one entry fewer in an array is at it.
    const auto entries = [](std::size_t count) {
        PlistValue::DictionaryType made;
        for (std::size_t i = 0; i < count; ++i)
            made.emplace_hint(made.end(), QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0')), PlistValue(true));
        return PlistValue(std::move(made));
    };
    const PlistValue entriesPastBound = entries(PlistValue::kMaxElements / 2);
    EXPECT_TRUE(entriesPastBound.encodeBinary().isEmpty());
    EXPECT_TRUE(entriesPastBound.encodeXml().isEmpty());
    PlistValue::ArrayType holdingEntries;
    holdingEntries.push_back(entries(PlistValue::kMaxElements / 2 - 1));
    const PlistValue entriesAtBound(std::move(holdingEntries));
    for (const QByteArray& written : {entriesAtBound.encodeBinary(), entriesAtBound.encodeXml()}) {
        const auto read = PlistValue::decode(written);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(*read, entriesAtBound);
    }
    // A value written once in binary form counts at each of its places, as on reading.
    PlistValue::ArrayType texts(PlistValue::kMaxElements - 1, PlistValue(QStringLiteral("shared")));
    const QByteArray sharedText = PlistValue(texts).encodeBinary();
    EXPECT_EQ(sharedText.count("shared"), 1);
    EXPECT_TRUE(PlistValue::decode(sharedText).has_value());
    texts.push_back(texts.front());
    EXPECT_TRUE(PlistValue(texts).encodeBinary().isEmpty());
    EXPECT_TRUE(PlistValue(texts).encodeXml().isEmpty());

    // Bytes of data and texts (two a UTF-16 unit) at the bound are written and decode; one more is not
    // written.
    const QByteArray data(qsizetype(PlistValue::kMaxDecodedBytes) - 2, 'x');
    const PlistValue atBound(PlistValue::ArrayType{PlistValue(data), PlistValue(QStringLiteral("a"))});
    for (const QByteArray& written : {atBound.encodeBinary(), atBound.encodeXml()}) {
        const auto read = PlistValue::decode(written);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(*read, atBound);
    }
    const PlistValue pastBound(
        PlistValue::ArrayType{PlistValue(data), PlistValue(QStringLiteral("a")), PlistValue(QByteArray("y"))});
    EXPECT_TRUE(pastBound.encodeBinary().isEmpty());
    EXPECT_TRUE(pastBound.encodeXml().isEmpty());
    // A shared text counts at each of its places: sixteen places of a text of 2^20 units are the bound.
    const PlistValue longText(QString(1 << 20, QLatin1Char('t')));
    PlistValue::ArrayType sixteen(16, longText);
    const QByteArray sharedLong = PlistValue(sixteen).encodeBinary();
    EXPECT_LT(sharedLong.size(), 2 << 20);
    const auto readLong = PlistValue::decode(sharedLong);
    ASSERT_TRUE(readLong.has_value());
    EXPECT_EQ(*readLong, PlistValue(sixteen));
    sixteen.push_back(PlistValue(QByteArray("y")));
    EXPECT_TRUE(PlistValue(sixteen).encodeBinary().isEmpty());
    EXPECT_TRUE(PlistValue(sixteen).encodeXml().isEmpty());
}

TEST(PlistCodingHostile, SharedValuesCostTheWritersWhatTheirBytesCost)
{
    // A suite of some kilobytes whose one list holds one text of 4,096 characters at 4,095 places, its
    // bytes (two a UTF-16 unit) counted at each place just under the decoder's bound; the decoder hands
    // out one text, shared by every place. Written back in binary form it is one object again, and the
    // writer encodes it once: the bytes it encodes are fewer than the file's, not the 33 million of the
    // text at every place. So do a data block shared by its places and a key shared by 3,000
    // dictionaries.
    PlistValue::DictionaryType sharedData{
        {"list", PlistValue::ArrayType(8'191, PlistValue(QByteArray(4'096, 'd')))}};
    std::vector<std::pair<std::string, PlistValue>> suites{{"data", PlistValue(sharedData)}};
    for (const QChar c : {QChar(u'x'), QChar(u'\u00e9')}) {
        const auto decoded = PlistValue::decode(HostileSuites::sharedText(4'095, QString(4'096, c)));
        ASSERT_TRUE(decoded.has_value());
        suites.emplace_back(c == u'x' ? "ASCII text" : "UTF-16 text", *decoded);
    }
    const auto sharedKey = PlistValue::decode(HostileSuites::sharedKey(3'000, 4'096));
    ASSERT_TRUE(sharedKey.has_value());
    suites.emplace_back("key", *sharedKey);
    for (const auto& [name, suite] : suites) {
        PlistBinaryWriter::Work work;
        const QByteArray written = PlistBinaryWriter::write(suite, &work);
        ASSERT_FALSE(written.isEmpty()) << name;
        EXPECT_LE(work.encodedBytes, std::uint64_t(written.size())) << name;
        const auto back = PlistValue::decode(written);
        ASSERT_TRUE(back.has_value()) << name;
        EXPECT_EQ(*back, suite) << name;
    }

    // In XML a text or data block is spelled out at every place: 4,096 places of a text of 4,096 '&'
    // and CR characters take 84 MB, a data block of 4 KiB at 8,192 places 45 MB of base64. Both are
    // past the decoder's bound (with the key, one byte of data or one character more than it takes),
    // and the writer refuses them before it writes: what it allocates meanwhile is far less than one
    // place's share of the bytes.
    const PlistValue markup(QStringLiteral("&\r").repeated(2'048));
    PlistValue::ArrayType texts(4'096, markup);
    sharedData["list"] = PlistValue::ArrayType(8'192, PlistValue(QByteArray(4'096, 'd')));
    for (const PlistValue& refused : {PlistValue(PlistValue::DictionaryType{{"list", PlistValue(texts)}}),
                                      PlistValue(sharedData)}) {
        EXPECT_FALSE(PlistXmlWriter::size(refused).has_value());
        QByteArray xml("not yet written");
        const auto allocated = AllocationCount::during([&] { xml = refused.encodeXml(); });
        EXPECT_TRUE(xml.isEmpty());
        if (AllocationCount::available) {
            EXPECT_LT(allocated.bytes, 1u << 20);
        }
    }
    // One place fewer is within the bound: counted at each of its places, the text makes the size of
    // what is written, which is known before a byte of it is.
    texts.pop_back();
    const PlistValue accepted(PlistValue::DictionaryType{{"list", PlistValue(texts)}});
    const std::uint64_t head = std::strlen("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n"
                                           "<dict>\n\t<key>list</key>\n\t<array>\n");
    const std::uint64_t place = std::strlen("\t\t<string></string>\n") + 4'096 * 5;
    const std::uint64_t tail = std::strlen("\t</array>\n</dict>\n</plist>\n");
    EXPECT_EQ(PlistXmlWriter::size(accepted), head + 4'095 * place + tail);
}
