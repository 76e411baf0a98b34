#include "Platform/Desktop/DesktopEntries.h"

#include "Support/PipeRescue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

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
