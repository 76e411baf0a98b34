#include "Platform/PropertyList/Defaults.h"

#include "Support/AllocationCount.h"
#include "Support/HandMadePlist.h"
#include "Support/HostileSuites.h"
#include "Support/MainThreadStalls.h"
#include "Support/PipeRescue.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTest>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <string>

using Platform::Defaults;
using Platform::PlistValue;

namespace {

// A suite name of its own for every test, so that tests never see each other's files.
QString freshSuite()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("com.brannock.test.defaults%1").arg(counter++);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    ASSERT_TRUE(file.commit());
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The suites' log lines while it lives, each "<level> <message>" (0 info, 1 error, 2 fault).
class LogLines {
public:
    LogLines() : m_previous(Defaults::setLogWriter(&record)) { lines().clear(); }
    ~LogLines() { Defaults::setLogWriter(m_previous); }
    LogLines(const LogLines&) = delete;
    LogLines& operator=(const LogLines&) = delete;

    static QStringList& lines()
    {
        static QStringList all;
        return all;
    }

private:
    static void record(const QString&, const QString&, Platform::SystemLog::Level level, const QString& message)
    {
        lines() << QString::number(int(level)) + QLatin1Char(' ') + message;
    }

    Platform::SystemLog::Writer m_previous;
};

QStringList keysOf(const QSignalSpy& spy)
{
    QStringList keys;
    for (const QList<QVariant>& call : spy)
        keys << call.at(0).toString();
    keys.sort();
    return keys;
}

} // namespace

TEST(Defaults, AbsentKeysReadAsTheConventionalEmptyValues)
{
    Defaults defaults(freshSuite());
    EXPECT_FALSE(defaults.boolean("missing"));
    EXPECT_EQ(defaults.integer("missing"), 0);
    EXPECT_EQ(defaults.real("missing"), 0.0);
    EXPECT_FALSE(defaults.string("missing").has_value());
    EXPECT_FALSE(defaults.data("missing").has_value());
    EXPECT_TRUE(defaults.value("missing").isNone());
    EXPECT_FALSE(defaults.contains("missing"));
    EXPECT_FALSE(QFile::exists(defaults.filePath())); // reading writes nothing
}

TEST(Defaults, TypedReadsConvertLikeThePlatform)
{
    Defaults defaults(freshSuite());
    defaults.set("int", 7);
    defaults.set("real", 2.9);
    defaults.set("negativeReal", -2.9);
    defaults.set("yes", "YES");
    defaults.set("numberText", " 12 ");
    defaults.set("flag", true);
    defaults.set("word", "hello");
    defaults.set("big", qint64(1) << 40);
    EXPECT_EQ(defaults.integer("real"), 2);
    EXPECT_EQ(defaults.integer("negativeReal"), -2);
    EXPECT_EQ(defaults.integer("flag"), 1);
    EXPECT_EQ(defaults.integer("numberText"), 12);
    EXPECT_EQ(defaults.integer("word"), 0);
    EXPECT_EQ(defaults.integer("big"), qint64(1) << 40);
    EXPECT_EQ(defaults.real("int"), 7.0);
    EXPECT_TRUE(defaults.boolean("int"));
    EXPECT_TRUE(defaults.boolean("yes"));
    EXPECT_TRUE(defaults.boolean("numberText"));
    EXPECT_FALSE(defaults.boolean("word"));
    EXPECT_EQ(defaults.string("word"), QStringLiteral("hello"));
    EXPECT_FALSE(defaults.string("int").has_value());
}

TEST(Defaults, WritesPersistAsABinaryPropertyListInTheConfigFolder)
{
    const QString suite = freshSuite();
    // A date past the format's last second, by however little, is written as that second.
    const QDateTime last(QDate(2069, 1, 19), QTime(3, 14, 7), QTimeZone::utc());
    {
        Defaults defaults(suite);
        EXPECT_EQ(defaults.filePath(),
                  QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" + suite + ".plist");
        EXPECT_TRUE(defaults.set("name", "Kestrion"));
        EXPECT_TRUE(defaults.set("blob", QByteArray("\x00\x01", 2)));
        EXPECT_TRUE(defaults.set("gone", 1));
        EXPECT_TRUE(defaults.remove("gone"));
        EXPECT_TRUE(defaults.set("past", last.addMSecs(500)));
        // A value the file cannot hold is refused and logged in one line: the key keeps what it had, the
        // file what it held, and later settings are written.
        const LogLines log;
        const PlistValue huge(PlistValue::ArrayType(PlistValue::kMaxElements, PlistValue(true)));
        EXPECT_FALSE(defaults.set("name", huge));
        EXPECT_EQ(defaults.string("name"), QStringLiteral("Kestrion"));
        EXPECT_FALSE(defaults.set("huge", huge));
        EXPECT_FALSE(defaults.contains("huge"));
        ASSERT_EQ(log.lines().size(), 2);
        EXPECT_TRUE(log.lines()[0].startsWith("1 ")) << qPrintable(log.lines()[0]);
        EXPECT_TRUE(log.lines()[0].contains("\"name\"")) << qPrintable(log.lines()[0]);
        EXPECT_TRUE(log.lines()[1].contains("\"huge\"")) << qPrintable(log.lines()[1]);
        EXPECT_FALSE(log.lines()[1].contains('\n'));
        EXPECT_TRUE(defaults.set("later", 2));
        EXPECT_EQ(log.lines().size(), 2);
    }
    Defaults again(suite);
    EXPECT_EQ(again.string("name"), QStringLiteral("Kestrion"));
    EXPECT_EQ(again.data("blob"), QByteArray("\x00\x01", 2));
    EXPECT_FALSE(again.contains("gone"));
    EXPECT_EQ(again.value("past").toDate(), last);
    EXPECT_FALSE(again.contains("huge"));
    EXPECT_EQ(again.integer("later"), 2);

    QFile file(again.filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("bplist00"));
    EXPECT_EQ(PlistValue::decode(bytes)->toDictionary()->size(), 4u);
    // No temporary files are left beside it, and no file was moved aside.
    const QStringList left = QDir(QFileInfo(again.filePath()).absolutePath()).entryList({suite + "*"}, QDir::Files);
    EXPECT_EQ(left, QStringList{suite + ".plist"});
}

// The store writes no file larger than it reads: a suite exactly as large as a read takes is written and
// read back; one that would be larger is refused, the file kept as it was, and once the suite is smaller
// again later settings are written.
TEST(Defaults, NoFileIsWrittenLargerThanAReadTakes)
{
    const QString suite = freshSuite();
    Defaults defaults(suite);
    ASSERT_TRUE(defaults.set("name", "Kestrion"));
    // The data that makes the file as large as a read takes, from what the writer makes of data near it.
    const auto fileSize = [&](qsizetype dataBytes) {
        PlistValue::DictionaryType values = defaults.dictionary();
        values.insert_or_assign(QStringLiteral("blob"), QByteArray(dataBytes, 'x'));
        return qint64(PlistValue(std::move(values)).encodeBinary().size());
    };
    qsizetype dataBytes = Defaults::maxFileSize - 100;
    dataBytes += Defaults::maxFileSize - fileSize(dataBytes);
    ASSERT_EQ(fileSize(dataBytes), Defaults::maxFileSize);

    EXPECT_TRUE(defaults.set("blob", QByteArray(dataBytes, 'x')));
    const QByteArray written = contents(defaults.filePath());
    EXPECT_EQ(written.size(), Defaults::maxFileSize);
    EXPECT_EQ(Defaults(suite).data("blob").value_or(QByteArray()).size(), dataBytes);

    // One byte more, or one more setting, and the file would be larger than a read takes.
    const LogLines log;
    EXPECT_FALSE(defaults.set("blob", QByteArray(dataBytes + 1, 'y')));
    EXPECT_FALSE(defaults.set("level", 1));
    EXPECT_EQ(log.lines().size(), 2);
    EXPECT_EQ(contents(defaults.filePath()), written);
    EXPECT_EQ(defaults.data("blob").value_or(QByteArray()).size(), dataBytes);
    EXPECT_FALSE(defaults.contains("level"));
    {
        Defaults again(suite);
        EXPECT_EQ(again.data("blob").value_or(QByteArray()).size(), dataBytes);
        EXPECT_EQ(again.string("name"), QStringLiteral("Kestrion"));
    }
    EXPECT_FALSE(QFile::exists(defaults.filePath() + ".corrupt"));

    EXPECT_TRUE(defaults.set("blob", QByteArray(16, 'z')));
    EXPECT_TRUE(defaults.set("level", 1));
    Defaults again(suite);
    EXPECT_EQ(again.integer("level"), 1);
    EXPECT_EQ(again.data("blob"), QByteArray(16, 'z'));
}

TEST(Defaults, EveryWriteEmitsChangedAlsoOfAnUnchangedValue)
{
    Defaults defaults(freshSuite());
    QSignalSpy spy(&defaults, &Defaults::changed);
    defaults.set("a", 1);
    defaults.set("a", 1);
    defaults.remove("a");
    defaults.set("b", PlistValue()); // none removes
    ASSERT_EQ(spy.count(), 4);
    EXPECT_EQ(spy.at(0).at(0).toString(), "a");
    EXPECT_EQ(spy.at(2).at(0).toString(), "a");
    EXPECT_EQ(spy.at(3).at(0).toString(), "b");
    EXPECT_FALSE(defaults.contains("b"));
}

TEST(Defaults, AnotherWriterIsSeenOnTheNextReadWithChangedForTheKeysThatDiffer)
{
    const QString suite = freshSuite();
    Defaults reader(suite);
    reader.set("same", 1);
    reader.set("edited", "old");
    reader.set("dropped", true);
    QSignalSpy spy(&reader, &Defaults::changed);

    Defaults writer(suite);
    EXPECT_EQ(writer.string("edited"), QStringLiteral("old"));
    writer.set("edited", "new");
    writer.set("added", 2.5);
    writer.remove("dropped");

    EXPECT_EQ(reader.string("edited"), QStringLiteral("new"));
    EXPECT_EQ(reader.real("added"), 2.5);
    EXPECT_FALSE(reader.contains("dropped"));
    EXPECT_EQ(keysOf(spy), (QStringList{"added", "dropped", "edited"}));
}

TEST(Defaults, AFileReplacedByAnotherProgramIsNoticedWithoutARead)
{
    const QString suite = freshSuite();
    Defaults defaults(suite);
    defaults.set("level", 1);
    QSignalSpy spy(&defaults, &Defaults::changed);
    // Another program writes the file in its own way: XML this time, replaced by rename.
    const PlistValue replaced(PlistValue::DictionaryType{{"level", PlistValue(2)}});
    writeFile(defaults.filePath(), replaced.encodeXml());
    ASSERT_TRUE(spy.wait(10000));
    EXPECT_EQ(spy.at(0).at(0).toString(), "level");
    EXPECT_EQ(defaults.integer("level"), 2);

    // A second replacement is noticed too: the watch survives the rename.
    spy.clear();
    writeFile(defaults.filePath(), PlistValue(PlistValue::DictionaryType{{"level", PlistValue(3)}}).encodeBinary());
    ASSERT_TRUE(spy.wait(10000));
    EXPECT_EQ(defaults.integer("level"), 3);
}

TEST(Defaults, AnotherProcessWritingInPlaceWithinOneTimeStampTickIsSeen)
{
    const QString suite = freshSuite();
    Defaults defaults(suite);
    defaults.set("count", 1);
    const QByteArray path = QFile::encodeName(defaults.filePath());
    struct ::stat before {};
    ASSERT_EQ(::stat(path.constData(), &before), 0);

    const PlistValue next(PlistValue::DictionaryType{{"count", PlistValue(5)}});
    const QString source = defaults.filePath() + ".incoming";
    writeFile(source, next.encodeBinary());
    // cp writes the file in place (same inode), as a simple writer would; the time stamp is then set back,
    // as when both writes fall into one tick of the file system's clock.
    QProcess copy;
    copy.start("cp", {source, defaults.filePath()});
    ASSERT_TRUE(copy.waitForFinished(10000));
    ASSERT_EQ(copy.exitCode(), 0);
    QFile::remove(source);
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.constData(), times, 0), 0);
    struct ::stat after {};
    ASSERT_EQ(::stat(path.constData(), &after), 0);
    ASSERT_EQ(after.st_ino, before.st_ino);
    ASSERT_EQ(after.st_size, before.st_size);
    ASSERT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    ASSERT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);

    EXPECT_EQ(defaults.integer("count"), 5);
}

TEST(Defaults, AFileWrittenAgainWithTheSameContentChangesNothing)
{
    const QString suite = freshSuite();
    Defaults defaults(suite);
    defaults.set("kept", 1);
    QSignalSpy spy(&defaults, &Defaults::changed);
    // Another program writes what the file held, then changes one key.
    writeFile(defaults.filePath(), PlistValue(PlistValue::DictionaryType{{"kept", PlistValue(1)}}).encodeBinary());
    EXPECT_EQ(defaults.integer("kept"), 1);
    writeFile(defaults.filePath(), PlistValue(PlistValue::DictionaryType{{"kept", PlistValue(1)}, {"next", PlistValue(2)}})
                                       .encodeBinary());
    EXPECT_EQ(defaults.integer("next"), 2);
    // Also what reaches the event loop names only the key that changed.
    QTest::qWait(50);
    EXPECT_EQ(keysOf(spy), QStringList{"next"});
}

TEST(Defaults, AWriteInProgressIsReadOnlyOnceTheWriterClosesTheFile)
{
    const QString suite = freshSuite();
    Defaults defaults(suite);
    defaults.set("level", 1);
    const QByteArray next = PlistValue(PlistValue::DictionaryType{{"level", PlistValue(7)}, {"more", PlistValue("x")}})
                                .encodeBinary();
    QFile inPlace(defaults.filePath());
    ASSERT_TRUE(inPlace.open(QIODevice::WriteOnly | QIODevice::Truncate));
    inPlace.write(next.left(next.size() / 2));
    ASSERT_TRUE(inPlace.flush());
    // Half a file is neither read nor taken for a damaged one.
    EXPECT_EQ(defaults.integer("level"), 1);
    EXPECT_FALSE(QFile::exists(defaults.filePath() + ".corrupt"));
    inPlace.write(next.mid(next.size() / 2));
    inPlace.close();
    EXPECT_EQ(defaults.integer("level"), 7);
    EXPECT_EQ(defaults.string("more"), QStringLiteral("x"));
}

TEST(Defaults, AFileRemovedByAnotherProgramEmptiesTheSuite)
{
    const QString suite = freshSuite();
    Defaults defaults(suite);
    defaults.set("a", 1);
    defaults.set("b", true);
    QSignalSpy spy(&defaults, &Defaults::changed);
    ASSERT_TRUE(QFile::remove(defaults.filePath()));
    EXPECT_FALSE(defaults.contains("a"));
    EXPECT_EQ(keysOf(spy), (QStringList{"a", "b"}));
    // Writing afterwards makes the file again, with the new key only.
    EXPECT_TRUE(defaults.set("c", 3));
    EXPECT_EQ(Defaults(suite).dictionary().size(), 1u);
}

TEST(Defaults, AFileLinkedFromAnotherFolderIsFollowed)
{
    // Settings kept elsewhere (a folder of dot files) and linked into the configuration folder.
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString target = elsewhere.filePath("kept.plist");
    writeFile(target, PlistValue(PlistValue::DictionaryType{{"level", PlistValue(1)}}).encodeBinary());
    const QString suite = freshSuite();
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" + suite + ".plist";
    ASSERT_TRUE(QFile::link(target, path));
    Defaults defaults(suite);
    EXPECT_EQ(defaults.integer("level"), 1);
    QFile inPlace(target);
    ASSERT_TRUE(inPlace.open(QIODevice::WriteOnly | QIODevice::Truncate));
    inPlace.write(PlistValue(PlistValue::DictionaryType{{"level", PlistValue(2)}, {"more", PlistValue(true)}}).encodeBinary());
    inPlace.close();
    EXPECT_EQ(defaults.integer("level"), 2);
    QFile::remove(path);
}

TEST(Defaults, APathThatHoldsNoRegularFileReadsAsNoFileAndIsNeverWrittenThrough)
{
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString configFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(configFolder);

    // A named pipe nobody writes: opening it for reading would wait for a writer for good.
    {
        const QString suite = freshSuite();
        const QString path = configFolder + "/" + suite + ".plist";
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        PipeRescue rescue(path);
        Defaults defaults(suite);
        EXPECT_FALSE(defaults.contains("a"));
        // Nothing is written over it, which is logged; the value stays for this process.
        const LogLines log;
        EXPECT_FALSE(defaults.set("a", 1));
        EXPECT_EQ(log.lines().size(), 1);
        EXPECT_EQ(defaults.integer("a"), 1);
        EXPECT_FALSE(rescue.stop()) << "the suite waited on the pipe";
        struct ::stat info {};
        ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &info), 0);
        EXPECT_TRUE(S_ISFIFO(info.st_mode));
        QFile::remove(path);
    }
    // A link to a pipe elsewhere: the write would follow it.
    {
        const QString pipe = elsewhere.filePath("pipe");
        ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString suite = freshSuite();
        const QString path = configFolder + "/" + suite + ".plist";
        ASSERT_TRUE(QFile::link(pipe, path));
        PipeRescue rescue(pipe);
        Defaults defaults(suite);
        const LogLines log;
        EXPECT_FALSE(defaults.set("a", 1));
        EXPECT_EQ(log.lines().size(), 1);
        EXPECT_FALSE(rescue.stop()) << "the suite waited on the pipe";
        EXPECT_TRUE(QFileInfo(path).isSymLink());
        struct ::stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(pipe).constData(), &info), 0);
        EXPECT_TRUE(S_ISFIFO(info.st_mode));
        QFile::remove(path);
    }
    // A link to an endless device reads as no file, and is left where it is.
    {
        const QString suite = freshSuite();
        const QString path = configFolder + "/" + suite + ".plist";
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
        Defaults defaults(suite);
        EXPECT_TRUE(defaults.dictionary().empty());
        EXPECT_TRUE(QFileInfo(path).isSymLink());
        EXPECT_FALSE(QFile::exists(path + ".corrupt"));
        QFile::remove(path);
    }
}

TEST(Defaults, AnotherProgramsFileIsReadButNeverMovedAside)
{
    const QString suite = freshSuite();
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" + suite + ".plist";
    const QByteArray damaged("bplist00 damaged by its writer");
    writeFile(path, damaged);
    Defaults defaults(suite, Defaults::Owner::anotherProgram);
    EXPECT_TRUE(defaults.dictionary().empty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);
    file.close();
    EXPECT_FALSE(QFile::exists(path + ".corrupt"));
    // Once the other program writes a sound file, it is read.
    writeFile(path, PlistValue(PlistValue::DictionaryType{{"level", PlistValue(3)}}).encodeBinary());
    EXPECT_EQ(defaults.integer("level"), 3);
    QFile::remove(path);
}

TEST(Defaults, ACorruptFileIsMovedAsideAndTheSuiteStartsEmpty)
{
    const QString suite = freshSuite();
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" + suite + ".plist";
    writeFile(path, QByteArray("bplist00 this is not a property list at all, just damaged bytes"));
    Defaults defaults(suite);
    EXPECT_FALSE(defaults.contains("anything"));
    EXPECT_FALSE(QFile::exists(path));
    QFile aside(path + ".corrupt");
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_TRUE(aside.readAll().startsWith("bplist00 this is not"));
    aside.close();

    // A list whose root is not a dictionary is no suite either; the old copy aside is replaced.
    writeFile(path, PlistValue(PlistValue::ArrayType{PlistValue(1)}).encodeBinary());
    EXPECT_FALSE(defaults.contains("anything"));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_TRUE(aside.readAll().startsWith("bplist00"));
    aside.close();

    // Writing afterwards works and keeps only the new value.
    EXPECT_TRUE(defaults.set("fresh", true));
    Defaults again(suite);
    EXPECT_TRUE(again.boolean("fresh"));
    EXPECT_EQ(again.dictionary().size(), 1u);
}

TEST(Defaults, AReceiverMayWriteWhileChangedIsEmitted)
{
    const QString suite = freshSuite();
    Defaults defaults(suite);
    defaults.set("a", 1);
    Defaults other(suite);
    other.set("a", 2);
    QObject context;
    QObject::connect(&defaults, &Defaults::changed, &context, [&](const QString& key) {
        if (key == "a")
            defaults.set("echo", defaults.integer("a"));
    });
    EXPECT_EQ(defaults.integer("a"), 2);
    EXPECT_EQ(defaults.integer("echo"), 2);
    EXPECT_EQ(Defaults(suite).integer("echo"), 2);
}

TEST(Defaults, StandardSuiteIsNamedByTheProgram)
{
    // Nothing else in this binary uses the standard suite, so it is made here, under the given name.
    Defaults::setStandardSuite(QStringLiteral("com.brannock.test.standard"));
    EXPECT_EQ(Defaults::standard().suite(), "com.brannock.test.standard");
    EXPECT_EQ(&Defaults::standard(), &Defaults::standard());
}

// Suites that cost a reader that rescans blanks or references, or copies shared objects, seconds and
// gigabytes are read, or refused, while the event loop keeps going: no tick costs the main thread what
// a tick may take (MainThreadStalls), and no read allocates more than 64 MiB. Each file is written at
// one tick and read at the next. The shapes are sized so that such a reader takes seconds or copies
// hundreds of megabytes (5,000 integers each rescanning 1 MiB of blanks, 120,000 references each moving
// the rest of the text, copies of 250 MiB), while a linear one takes some tens of milliseconds even
// under the sanitizers.
TEST(Defaults, CostlySuitesAreReadWithoutStoppingTheEventLoop)
{
    // The most a read may allocate: the reads here allocate at most 8 MiB (the shared 4 MB key once, as
    // UTF-16); a reader that copies the shared objects at their places allocates 250 MiB and more.
    constexpr std::uint64_t kReadBytesBound = 64ull << 20;
    const QString suite = freshSuite();
    const QString path = Defaults(suite).filePath();
    struct Shape {
        QByteArray bytes;
        std::function<void(const PlistValue::DictionaryType&)> check;
    };
    const std::vector<Shape> shapes{
        {HostileSuites::integersThenBlanks(5'000, 1024 * 1024),
         [](const auto& values) {
             ASSERT_TRUE(values.count(QStringLiteral("list")));
             ASSERT_EQ(values.at(QStringLiteral("list")).toArray()->size(), 5'000u);
             EXPECT_EQ(values.at(QStringLiteral("list")).toArray()->back().toInt64(), 4'999);
         }},
        {HostileSuites::references(600'000),
         [](const auto& values) {
             ASSERT_TRUE(values.count(QStringLiteral("text")));
             const QString text = *values.at(QStringLiteral("text")).toString();
             EXPECT_GT(text.size(), 119'000);
             EXPECT_EQ(text.count(QLatin1Char('&')), text.size());
         }},
        // 30,000 dictionaries sharing a 4 MB key, 1,000 places of a 256 KiB text: far beyond what a
        // suite may hold once expanded.
        {HostileSuites::sharedKey(30'000, 2'000'000), [](const auto& values) { EXPECT_TRUE(values.empty()); }},
        {HostileSuites::sharedText(1'000, 256 * 1024), [](const auto& values) { EXPECT_TRUE(values.empty()); }},
    };
    std::unique_ptr<Defaults> defaults;
    std::vector<std::function<void()>> work;
    std::vector<std::uint64_t> readBytes;
    for (const Shape& shape : shapes) {
        work.emplace_back([&] {
            defaults.reset();
            writeFile(path, shape.bytes);
            defaults = std::make_unique<Defaults>(suite, Defaults::Owner::anotherProgram);
        });
        work.emplace_back([&] {
            readBytes.push_back(AllocationCount::during([&] { shape.check(defaults->dictionary()); }).bytes);
        });
    }
    const qint64 longest = MainThreadStalls::longestBusyTick(work);
    RecordProperty("longest_busy_tick_ms", int(longest));
    EXPECT_LE(longest, MainThreadStalls::boundMilliseconds);
    // Copies cost bytes, which no busy machine changes, where a tick may take too little time to tell.
    ASSERT_EQ(readBytes.size(), shapes.size());
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        RecordProperty("read_mib_" + std::to_string(i), int(readBytes[i] >> 20));
        EXPECT_LE(readBytes[i], kReadBytesBound) << "shape " << i;
    }
    defaults.reset();
    QFile::remove(path);
}

// A date costs a read what another value costs: it is made in a few instructions and allocates nothing.
// Each suite holds 99,225 dates in binary (one date at every place of a list of some kilobytes) or 99,997
// in XML, and is read beside the same suite holding booleans or integers in their place; the dates'
// read allocates fewer than one block per hundred dates more than the other. A reader that made a time
// zone for each date allocated three or four blocks per date (some 400,000 in all, against 650 and 31).
TEST(Defaults, ADateCostsAReadWhatAnotherValueCosts)
{
    if (!AllocationCount::available)
        GTEST_SKIP() << "this build cannot count allocations (it has no AddressSanitizer)";
    const QString suite = freshSuite();
    const QString path = Defaults(suite).filePath();
    // The blocks the read of `bytes` allocates on this thread (the read happens at the first question).
    const auto blocksOfRead = [&](const QByteArray& bytes, PlistValue* list) {
        writeFile(path, bytes);
        Defaults defaults(suite, Defaults::Owner::anotherProgram);
        bool read = false;
        const std::uint64_t blocks = AllocationCount::during([&] { read = defaults.contains("list"); }).blocks;
        EXPECT_TRUE(read);
        if (list)
            *list = defaults.value("list");
        return blocks;
    };
    const QDateTime since2001(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    // Anything made once for the first date read is made before the counts.
    (void)blocksOfRead(HostileSuites::sharedRows(2, 2, HandMadePlist::date(731'000'000.5)), nullptr);
    (void)blocksOfRead(HostileSuites::xmlDates(2), nullptr);

    PlistValue rows;
    const std::uint64_t binaryDates =
        blocksOfRead(HostileSuites::sharedRows(315, 315, HandMadePlist::date(731'000'000.5)), &rows);
    const std::uint64_t booleans = blocksOfRead(HostileSuites::sharedRows(315, 315, HandMadePlist::boolean(true)), nullptr);
    ASSERT_TRUE(rows.toArray() && rows.toArray()->size() == 315u);
    ASSERT_TRUE(rows.toArray()->back().toArray() && rows.toArray()->back().toArray()->size() == 315u);
    EXPECT_EQ(rows.toArray()->back().toArray()->back().toDate(), since2001.addMSecs(731'000'000'500));
    RecordProperty("binary_dates_blocks", int(binaryDates));
    RecordProperty("booleans_blocks", int(booleans));
    EXPECT_LE(binaryDates, booleans + 315 * 315 / 100) << binaryDates << " blocks against " << booleans;

    PlistValue dates;
    const std::uint64_t xmlDates = blocksOfRead(HostileSuites::xmlDates(99'997), &dates);
    const std::uint64_t integers = blocksOfRead(HostileSuites::integersThenBlanks(99'997, 0), nullptr);
    ASSERT_TRUE(dates.toArray() && dates.toArray()->size() == 99'997u);
    EXPECT_EQ(dates.toArray()->back().toDate(),
              QDateTime(QDate(2024, 3, 5), QTime(0, 0), QTimeZone::utc()).addSecs(99'996));
    RecordProperty("xml_dates_blocks", int(xmlDates));
    RecordProperty("integers_blocks", int(integers));
    EXPECT_LE(xmlDates, integers + 99'997 / 100) << xmlDates << " blocks against " << integers;
    QFile::remove(path);
}
