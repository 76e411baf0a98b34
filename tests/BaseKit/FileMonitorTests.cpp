#include "XdgScope.h"

#include "BaseKit/Files/DirectoryObserver.h"
#include "BaseKit/Files/FileMonitor.h"

#include <QTest>

#include <gtest/gtest.h>

#include <atomic>

using BaseKit::DirectoryObserver;
using BaseKit::FileMonitor;

namespace {

class Received : public BaseKit::FileMonitorDelegate {
public:
    void didReceive(const QString& text) override { texts.append(text); }
    QStringList texts;
};

void append(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(bytes);
}

// Lets the event loop deliver what the kernel reported so far.
void settle()
{
    QTest::qWait(60);
}

class FileMonitorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = xdg.write(QStringLiteral("logs/app.log"), "before\n");
        monitor = FileMonitor::create(path);
        ASSERT_TRUE(monitor);
        monitor->setDelegate(received);
    }

    XdgScope xdg{false};
    QString path;
    std::unique_ptr<FileMonitor> monitor;
    std::shared_ptr<Received> received = std::make_shared<Received>();
};

} // namespace

TEST_F(FileMonitorTest, AppendedTextArrivesOnceAndEarlierTextNever)
{
    append(path, "abc");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !received->texts.isEmpty(); }, 20000));
    settle();
    EXPECT_EQ(received->texts, QStringList{QStringLiteral("abc")});
}

TEST_F(FileMonitorTest, AppendsBeforeDeliveryArriveTogether)
{
    append(path, "one ");
    append(path, "two");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !received->texts.isEmpty(); }, 20000));
    settle();
    EXPECT_EQ(received->texts.join(QString()), QStringLiteral("one two"));
    EXPECT_EQ(received->texts.size(), 1);
}

TEST_F(FileMonitorTest, AttributeChangesDeliverNothing)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::fromSecsSinceEpoch(1000000), QFileDevice::FileModificationTime));
    file.close();
    settle();
    EXPECT_TRUE(received->texts.isEmpty());
}

TEST_F(FileMonitorTest, WithoutDelegateAppendedTextIsConsumed)
{
    monitor->setDelegate(nullptr);
    append(path, "lost");
    settle();
    monitor->setDelegate(received);
    append(path, "kept");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !received->texts.isEmpty(); }, 20000));
    EXPECT_EQ(received->texts, QStringList{QStringLiteral("kept")});
}

TEST_F(FileMonitorTest, ADelegateThatWentAwayIsNotCalled)
{
    std::weak_ptr<Received> gone = received;
    received.reset();
    append(path, "nobody");
    settle();
    EXPECT_TRUE(gone.expired());
}

TEST_F(FileMonitorTest, ATruncatedFileIsReadFromItsStart)
{
    QFile file(path);
    ASSERT_TRUE(file.resize(0));
    append(path, "new");
    EXPECT_TRUE(QTest::qWaitFor([&] { return received->texts.join(QString()) == QStringLiteral("new"); }, 20000));
}

TEST_F(FileMonitorTest, ARotatedFileIsFollowedUnderItsName)
{
    ASSERT_TRUE(QFile::rename(path, path + QStringLiteral(".1")));
    append(path + QStringLiteral(".1"), "old file");
    settle();
    xdg.write(QStringLiteral("logs/app.log"), "fresh\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return received->texts.join(QString()).contains(QStringLiteral("fresh\n")); }, 20000));
    append(path, "more");
    EXPECT_TRUE(QTest::qWaitFor([&] { return received->texts.join(QString()).endsWith(QStringLiteral("more")); }, 20000));
}

TEST_F(FileMonitorTest, InvalidBytesAreDroppedAndSplitCharactersWait)
{
    append(path, "\xff\xfe");
    settle();
    EXPECT_TRUE(received->texts.isEmpty());
    append(path, "\xc3");
    settle();
    append(path, "\xa4!");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !received->texts.isEmpty(); }, 20000));
    EXPECT_EQ(received->texts.join(QString()), QString::fromUtf8("\xc3\xa4!"));
}

TEST(FileMonitorCreation, AMissingFileOrFolderIsNotWatched)
{
    XdgScope xdg(false);
    QString error;
    EXPECT_FALSE(FileMonitor::create(xdg.root() + QStringLiteral("/missing.log"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(FileMonitor::create(xdg.root(), &error));
    EXPECT_FALSE(DirectoryObserver::create(xdg.root() + QStringLiteral("/missing"), [] {}));
}

TEST(DirectoryObserverEvents, AnyChangeCallsTheHandler)
{
    XdgScope xdg(false);
    const QString folder = xdg.root() + QStringLiteral("/watched");
    QDir().mkpath(folder);
    int calls = 0;
    auto observer = DirectoryObserver::create(folder, [&] { ++calls; });
    ASSERT_TRUE(observer);
    settle();
    EXPECT_EQ(calls, 0);
    xdg.write(QStringLiteral("watched/new.txt"), "x");
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls > 0; }, 20000));

    const QString file = xdg.write(QStringLiteral("single.txt"), "x");
    int fileCalls = 0;
    auto fileObserver = DirectoryObserver::create(file, [&] { ++fileCalls; });
    ASSERT_TRUE(fileObserver);
    QFile handle(file);
    ASSERT_TRUE(handle.open(QIODevice::ReadWrite));
    ASSERT_TRUE(handle.setFileTime(QDateTime::fromSecsSinceEpoch(1000000), QFileDevice::FileModificationTime));
    EXPECT_TRUE(QTest::qWaitFor([&] { return fileCalls > 0; }, 20000));

    observer.reset();
    const int before = calls;
    xdg.write(QStringLiteral("watched/after.txt"), "x");
    settle();
    EXPECT_EQ(calls, before);
}
