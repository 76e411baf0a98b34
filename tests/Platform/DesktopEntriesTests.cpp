#include "Platform/Desktop/DesktopEntries.h"

#include "Support/MainThreadStalls.h"
#include "Support/PipeRescue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <functional>
#include <vector>

using Platform::DesktopEntries;
using Platform::DesktopEntry;

namespace {

// The entry read back from a file holding `text`.
std::optional<DesktopEntry> entryFrom(const QTemporaryDir& dir, const QByteArray& text)
{
    const QString path = dir.filePath(QStringLiteral("org.example.Clock.desktop"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return std::nullopt;
    file.write(text);
    file.close();
    return DesktopEntries::read(path, QStringLiteral("org.example.Clock"), dir.path());
}

QStringList commandOf(const QTemporaryDir& dir, const QByteArray& exec)
{
    const auto entry = entryFrom(dir, "[Desktop Entry]\nType=Application\nName=Clock\\sTool\nIcon=clock\nExec=" + exec + "\n");
    return entry ? DesktopEntries::command(*entry) : QStringList{QStringLiteral("unreadable")};
}

} // namespace

TEST(DesktopEntriesTest, ValuesDecodeTheirEscapesBeforeTheExecLineIsUnquoted)
{
    QTemporaryDir dir;
    const auto entry = entryFrom(dir, "[Desktop Entry]\nType=Application\nName=Clock\\sTool\\tNow\\\\Later\n"
                                      "Icon=\\sclock\nExec=clock\n");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, QStringLiteral("Clock Tool\tNow\\Later"));
    EXPECT_EQ(entry->icon, QStringLiteral(" clock"));

    // The string escape turns four backslashes into two, the quoting rule two into one; "%%" is a
    // percent sign that no field code takes.
    EXPECT_EQ(commandOf(dir, R"(sh -c "date +%%F > \"\$HOME/dates\\\\today\"" %U)"),
              (QStringList{QStringLiteral("sh"), QStringLiteral("-c"),
                           QStringLiteral(R"(date +%F > "$HOME/dates\today")")}));
    EXPECT_EQ(commandOf(dir, R"(printf %%s%%%% "a\sb" C:\\\\x)"),
              (QStringList{QStringLiteral("printf"), QStringLiteral("%s%%"), QStringLiteral("a b"),
                           QStringLiteral("C:\\x")}));
}

TEST(DesktopEntriesTest, FieldCodesExpandAsTheEntryStandardSays)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("org.example.Clock.desktop"));
    EXPECT_EQ(commandOf(dir, "clock %i --title=%c --from %k %F --file=%f %d"),
              (QStringList{QStringLiteral("clock"), QStringLiteral("--icon"), QStringLiteral("clock"),
                           QStringLiteral("--title=Clock Tool"), QStringLiteral("--from"), path,
                           QStringLiteral("--file=")}));
    // An unknown code, a lone "%" at the end, an open quote or a trailing backslash make the line
    // unusable: nothing is started.
    for (const char* exec : {"clock %z", "clock 100%", R"(clock "open)", R"(clock \)"})
        EXPECT_TRUE(commandOf(dir, exec).isEmpty()) << exec;
}

// Anyone can leave a named pipe where an entry or its metainfo is looked for: opening it would wait for
// a writer for good. Such a path reads as no entry, at once.
TEST(DesktopEntriesTest, ANamedPipeReadsAsNoEntryWithoutWaiting)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("metainfo")));
    const QString entryPath = dir.filePath(QStringLiteral("org.example.Clock.desktop"));
    const QString metainfoPath = dir.filePath(QStringLiteral("metainfo/org.example.Clock.metainfo.xml"));
    for (const QString& path : {entryPath, metainfoPath})
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    {
        PipeRescue rescue(entryPath);
        EXPECT_FALSE(DesktopEntries::read(entryPath, QStringLiteral("org.example.Clock"), dir.path()));
        EXPECT_FALSE(rescue.stop()) << "the entry's read waited on the pipe";
    }
    DesktopEntry entry;
    entry.identifier = QStringLiteral("org.example.Clock");
    entry.dataDirectory = dir.path();
    PipeRescue rescue(metainfoPath);
    EXPECT_TRUE(DesktopEntries::releaseVersions(entry).isEmpty());
    EXPECT_FALSE(rescue.stop()) << "the metainfo's read waited on the pipe";

    // An entry larger than any real one is refused, not read.
    QFile::remove(entryPath);
    EXPECT_FALSE(entryFrom(dir, "[Desktop Entry]\nType=Application\nName=Clock\nExec=clock\n#" +
                                    QByteArray(1024 * 1024, 'x') + "\n"));
    EXPECT_TRUE(entryFrom(dir, "[Desktop Entry]\nType=Application\nName=Clock\nExec=clock\n"));
}

namespace {

// The release versions of a metainfo file holding `text`, read as the entry's of `dir`.
QStringList versionsOf(const QTemporaryDir& dir, const QString& identifier, const QByteArray& text)
{
    QDir(dir.path()).mkpath(QStringLiteral("metainfo"));
    QFile file(dir.filePath(QStringLiteral("metainfo/") + identifier + QStringLiteral(".metainfo.xml")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        return {QStringLiteral("unwritable")};
    file.close();
    DesktopEntry entry;
    entry.identifier = identifier;
    entry.dataDirectory = dir.path();
    return DesktopEntries::releaseVersions(entry);
}

QByteArray component(const QByteArray& inside)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<component type=\"desktop-application\">\n"
           "<id>org.example.Clock</id>\n" + inside + "</component>\n";
}

// `count` empty attributes " a0=\"\" a1=\"\" …" with a common prefix; as many as fill `bytes` when
// count is 0.
QByteArray attributes(const char* prefix, qsizetype count, qsizetype bytes = 0)
{
    QByteArray text;
    for (qsizetype i = 0; count ? i < count : text.size() < bytes; ++i)
        text += ' ' + QByteArray(prefix) + QByteArray::number(i) + "=\"\"";
    return text;
}

} // namespace

// What the metainfo files of real applications hold around their releases: comments, character data,
// processing instructions, a document type, translations, a namespace, quoted '>' and '=' signs,
// attributes across lines. None of it is a release, nor hides one.
TEST(DesktopEntriesTest, ReleaseVersionsComeFromTheReleaseElementsOnly)
{
    QTemporaryDir dir;
    const QByteArray text = R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- Copyright 2026 Example; <release version="0.1"/> in a comment is none -->
<!DOCTYPE component>
<component type="desktop-application" xmlns:xi="http://www.w3.org/2001/XInclude">
  <id>org.example.Clock</id>
  <name xml:lang="de">Uhr</name>
  <description><p>Shows the time &amp; date; a &gt; b</p><![CDATA[<release version="0.2"/>]]></description>
  <url type="homepage">https://example.org/?a=1&amp;b=2</url>
  <releases>
    <release version="2.1" date="2026-01-02" type="stable" urgency="high" timestamp="1767312000">
      <description xml:lang="en"><p>Fixes a > b = c</p></description>
    </release>
    <release version = '2.0' date="2025-06-01" note="a &quot;quoted&quot; > sign = fine"/>
    <?tool with = signs?>
    <release
        version="1.9"
        type="development"/>
  </releases>
</component>
)";
    EXPECT_EQ(versionsOf(dir, QStringLiteral("org.example.Clock"), text),
              (QStringList{QStringLiteral("2.1"), QStringLiteral("2.0"), QStringLiteral("1.9")}));
    // Markup that does not end is no metainfo.
    EXPECT_TRUE(versionsOf(dir, QStringLiteral("org.example.Clock"), text.left(text.indexOf("<?tool") + 8)).isEmpty());
}

// The update check reads the installed companion's metainfo on the main thread, and anyone who can
// write to ~/.local/share decides what it holds. Shapes on which the XML reader's cost grows with the
// square of their size are refused before it sees them, so no tick of the event loop takes the main
// thread more than a tick may (MainThreadStalls: seconds, where the reader took tens of seconds on them).
TEST(DesktopEntriesTest, HostileMetainfoIsRefusedWithoutStoppingTheEventLoop)
{
    QTemporaryDir dir;
    std::vector<QByteArray> shapes;
    // One release with many attributes: 20,000, 80,000, as many as fill a file of 1 MiB and of 4 MiB.
    for (const qsizetype count : {20'000, 80'000})
        shapes.push_back(component("<releases><release version=\"1.0\"" + attributes("a", count) + "/></releases>\n"));
    for (const qsizetype bytes : {1024 * 1024 - 300, 4 * 1024 * 1024})
        shapes.push_back(component("<releases><release version=\"1.0\"" + attributes("a", 0, bytes) + "/></releases>\n"));
    // Default attributes from the document type, looked up at every element.
    QByteArray declarations, releases;
    for (int i = 0; i < 12'000; ++i) {
        declarations += "<!ATTLIST release a" + QByteArray::number(i) + " CDATA #IMPLIED>\n";
        releases += "<release version=\"1.0\"/>\n";
    }
    QByteArray typed = component("<releases>" + releases + "</releases>\n");
    shapes.push_back(typed.insert(typed.indexOf('\n') + 1, "<!DOCTYPE component [\n" + declarations + "]>\n"));
    // Namespaces declared at every level, searched for every element below them.
    QByteArray opening, closing;
    for (int level = 0; level < 60; ++level) {
        opening += "<n" + attributes("xmlns:p", 30).replace("=\"\"", "=\"urn:x\"") + '>';
        closing += "</n>";
    }
    shapes.push_back(component(opening + "<releases>" + releases + "</releases>" + closing));

    std::vector<QStringList> versions;
    std::vector<std::function<void()>> reads;
    for (std::size_t i = 0; i < shapes.size(); ++i)
        reads.push_back([&, i] {
            versions.push_back(versionsOf(dir, QStringLiteral("org.example.Shape%1").arg(i), shapes[i]));
        });
    const qint64 longest = MainThreadStalls::longestBusyTick(reads);
    RecordProperty("longest_busy_tick_ms", int(longest));
    EXPECT_LE(longest, MainThreadStalls::boundMilliseconds);
    for (std::size_t i = 0; i < versions.size(); ++i)
        EXPECT_TRUE(versions[i].isEmpty()) << i << ": " << versions[i].join(QLatin1Char(' ')).toStdString();
}
