#include "Platform/Files/FolderWatch.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Platform::FolderWatch;

namespace {

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

struct FolderWatchTest : ::testing::Test {
    QTemporaryDir dir;
    FolderWatch watch;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

} // namespace

TEST_F(FolderWatchTest, AClosedWriteCountsOnceAndOnlyForItsOwnFile)
{
    const int id = watch.add(dir.path(), "a.plist");
    ASSERT_NE(id, 0);
    EXPECT_FALSE(watch.takeChanged(id));
    write(path("other.plist"), "x");
    write(path("a.plist.tmp"), "x");
    EXPECT_FALSE(watch.takeChanged(id));

    write(path("a.plist"), "1");
    EXPECT_TRUE(watch.takeChanged(id));
    EXPECT_FALSE(watch.takeChanged(id));

    // Replaced by rename, and removed.
    QSaveFile replaced(path("a.plist"));
    ASSERT_TRUE(replaced.open(QIODevice::WriteOnly));
    replaced.write("2");
    ASSERT_TRUE(replaced.commit());
    EXPECT_TRUE(watch.takeChanged(id));
    ASSERT_TRUE(QFile::remove(path("a.plist")));
    EXPECT_TRUE(watch.takeChanged(id));
    EXPECT_FALSE(watch.takeChanged(id));
}

TEST_F(FolderWatchTest, AWriterStillWritingCountsWhenItCloses)
{
    const int id = watch.add(dir.path(), "a.plist");
    ASSERT_NE(id, 0);
    write(path("a.plist"), "old");
    EXPECT_TRUE(watch.takeChanged(id));
    EXPECT_FALSE(watch.mayBeWriting(id));
    QFile file(path("a.plist"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("partial");
    ASSERT_TRUE(file.flush());
    EXPECT_FALSE(watch.takeChanged(id));
    EXPECT_TRUE(watch.mayBeWriting(id));
    file.close();
    EXPECT_TRUE(watch.takeChanged(id));
    EXPECT_FALSE(watch.mayBeWriting(id));

    // A new file made complete and linked in (QSaveFile's way) counts at once, and as finished.
    ASSERT_TRUE(QFile::remove(path("a.plist")));
    EXPECT_TRUE(watch.takeChanged(id));
    QSaveFile linked(path("a.plist"));
    ASSERT_TRUE(linked.open(QIODevice::WriteOnly));
    linked.write("new");
    ASSERT_TRUE(linked.commit());
    EXPECT_TRUE(watch.takeChanged(id));
    EXPECT_FALSE(watch.mayBeWriting(id));
}

TEST_F(FolderWatchTest, TwoFilesOfOneFolderAreToldApartAndRemovingOneKeepsTheOther)
{
    const int a = watch.add(dir.path(), "a.plist");
    const int b = watch.add(dir.path(), "b.plist");
    ASSERT_NE(a, 0);
    ASSERT_NE(b, 0);
    ASSERT_NE(a, b);
    write(path("b.plist"), "1");
    EXPECT_FALSE(watch.takeChanged(a));
    EXPECT_TRUE(watch.takeChanged(b));

    watch.remove(a);
    EXPECT_TRUE(watch.takeChanged(a)); // unknown ids are the caller's to answer
    write(path("b.plist"), "2");
    EXPECT_TRUE(watch.takeChanged(b));
}

TEST_F(FolderWatchTest, AFolderRemovedAndMadeAgainIsWatchedAgain)
{
    const QString folder = dir.filePath("suites");
    ASSERT_TRUE(QDir().mkpath(folder));
    const int id = watch.add(folder, "a.plist");
    ASSERT_NE(id, 0);
    ASSERT_TRUE(QDir(folder).removeRecursively());
    EXPECT_TRUE(watch.takeChanged(id));
    EXPECT_TRUE(watch.takeChanged(id)); // no folder: nothing can tell, so every question counts

    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(watch.takeChanged(id)); // watched again, whatever happened meanwhile counts once
    EXPECT_FALSE(watch.takeChanged(id));
    write(folder + "/a.plist", "1");
    EXPECT_TRUE(watch.takeChanged(id));
}

TEST_F(FolderWatchTest, ChangesAreAnnouncedFromTheEventLoop)
{
    const int id = watch.add(dir.path(), "a.plist");
    ASSERT_NE(id, 0);
    QSignalSpy spy(&watch, &FolderWatch::changed);
    write(path("a.plist"), "1");
    ASSERT_TRUE(spy.wait(5000));
    EXPECT_EQ(spy.at(0).at(0).toInt(), id);
    EXPECT_TRUE(watch.takeChanged(id));
    EXPECT_EQ(watch.add(dir.filePath("missing"), "a.plist"), 0);
}
