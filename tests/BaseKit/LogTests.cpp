#include "XdgScope.h"

#include "BaseKit/Dates/DateEnvironment.h"
#include "BaseKit/Log/Log.h"

#include "Platform/System/SystemLog.h"

#include <gtest/gtest.h>

#include <mutex>
#include <thread>
#include <vector>

using BaseKit::Log;
using BaseKit::LogCategory;
using BaseKit::LogSeverity;

namespace {

struct SystemLogEntry {
    QString identifier;
    QString category;
    Platform::SystemLog::Level level;
    QString message;
};

std::vector<SystemLogEntry>& systemLog()
{
    static std::vector<SystemLogEntry> entries;
    return entries;
}

void recordSystemLog(const QString& identifier, const QString& category, Platform::SystemLog::Level level,
                     const QString& message)
{
    systemLog().push_back({identifier, category, level, message});
}

class LogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        systemLog().clear();
        dates.timeZoneId = QStringLiteral("Europe/Berlin");
        dates.localeName = QStringLiteral("en_US");
        QDir().mkpath(folder());
    }

    QString folder() const { return xdg.root() + QStringLiteral("/home/Documents"); }
    QString file() const { return folder() + QStringLiteral("/ab.cd.log"); }
    QByteArray contents() const
    {
        QFile handle(file());
        return handle.open(QIODevice::ReadOnly) ? handle.readAll() : QByteArray();
    }

    XdgScope xdg;
    // The lines' times.
    BaseKit::DateEnvironment dates;
};

} // namespace

TEST_F(LogTest, LinesAreWrittenSixtyFourAtATimeWithTheirTime)
{
    // 2024-03-05 07:08:09.010 in Berlin (UTC+1).
    dates.clock = [] { return 1709618889.010; };
    Log log(&recordSystemLog, dates);
    log.setup(QStringLiteral("ab.cd"));
    EXPECT_EQ(log.filePath(), file());
    for (int i = 0; i < 63; ++i)
        log.debug(LogCategory::general, QStringLiteral("hello"));
    EXPECT_TRUE(contents().isEmpty());
    log.debug(LogCategory::general, QStringLiteral("hello"));
    const QByteArray text = contents();
    EXPECT_EQ(text.count('\n'), 64);
    EXPECT_TRUE(text.startsWith("2024-03-05 07:08:09.010 hello\n"));
    EXPECT_EQ(log.bufferedLineCount(), 0u);
}

TEST_F(LogTest, TheFileGrowsAcrossLaunchesAndCloseWritesTheRest)
{
    xdg.write(QStringLiteral("home/Documents/ab.cd.log"), "earlier launch\n");
    {
        Log log(&recordSystemLog, dates);
        log.info(LogCategory::app, QStringLiteral("before setup"));
        log.setup(QStringLiteral("ab.cd"));
        log.info(LogCategory::app, QStringLiteral("after setup"));
        EXPECT_EQ(contents(), QByteArray("earlier launch\n"));
        log.close();
        const QByteArray text = contents();
        EXPECT_TRUE(text.startsWith("earlier launch\n"));
        EXPECT_LT(text.indexOf(" before setup\n"), text.indexOf(" after setup\n"));
        // Lines after close are dropped, not written to a closed file.
        log.info(LogCategory::app, QStringLiteral("too late"));
        log.flush();
        EXPECT_EQ(log.bufferedLineCount(), 0u);
        EXPECT_FALSE(contents().contains("too late"));
    }
    // Without an identifier nothing is opened.
    Log nameless(&recordSystemLog);
    nameless.setup(QString());
    EXPECT_TRUE(nameless.filePath().isEmpty());
    EXPECT_FALSE(nameless.subsystem().has_value());
}

TEST_F(LogTest, OnlyInfoErrorAndFaultReachTheSystemLogAfterSetup)
{
    Log log(&recordSystemLog, dates);
    log.fault(LogCategory::system, QStringLiteral("no subsystem yet"));
    EXPECT_TRUE(systemLog().empty());
    EXPECT_FALSE(log.logger(QStringLiteral("Menu Bar")));
    log.setup(QStringLiteral("ab.cd"));
    log.debug(LogCategory::ui, QStringLiteral("d"));
    log.trace(LogCategory::ui, QStringLiteral("t"));
    log.info(LogCategory::menubar, QStringLiteral("i"));
    log.error(LogCategory::settings, QStringLiteral("e"));
    log.fault(LogCategory::shop, QStringLiteral("f"));
    ASSERT_EQ(systemLog().size(), 3u);
    EXPECT_EQ(systemLog()[0].category, QStringLiteral("Menu Bar"));
    EXPECT_EQ(systemLog()[0].level, Platform::SystemLog::Level::info);
    EXPECT_EQ(systemLog()[1].level, Platform::SystemLog::Level::error);
    EXPECT_EQ(systemLog()[2].level, Platform::SystemLog::Level::fault);
    EXPECT_EQ(systemLog()[2].identifier, QStringLiteral("ab.cd"));
    EXPECT_EQ(systemLog()[2].message, QStringLiteral("f"));
    EXPECT_TRUE(log.logger(QStringLiteral("Menu Bar")));
    log.close();
    EXPECT_EQ(contents().count('\n'), 6); // the line from before setup too
}

TEST_F(LogTest, WithoutAFileTheBufferKeepsOnlyTheNewestLines)
{
    Log log(&recordSystemLog, dates);
    log.setup(QStringLiteral("ab.cd"), xdg.root() + QStringLiteral("/no/such/folder"));
    for (std::size_t i = 0; i < Log::bufferLimit + 10; ++i)
        log.debug(LogCategory::general, QString::number(i));
    EXPECT_EQ(log.bufferedLineCount(), Log::bufferLimit);
    // Once a file opens, the newest lines are written, the oldest are gone.
    log.setup(QStringLiteral("ab.cd"));
    log.close();
    const QByteArray text = contents();
    EXPECT_EQ(text.count('\n'), qsizetype(Log::bufferLimit));
    EXPECT_FALSE(text.contains(" 9\n"));
    EXPECT_TRUE(text.endsWith(" " + QByteArray::number(qulonglong(Log::bufferLimit + 9)) + "\n"));
}

TEST_F(LogTest, ThreadsLogWithoutLosingLines)
{
    Log log(&recordSystemLog, dates);
    log.setup(QStringLiteral("ab.cd"));
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&log, t] {
            for (int i = 0; i < 100; ++i)
                log.debug(LogCategory::general, QStringLiteral("%1-%2").arg(t).arg(i));
        });
    }
    for (auto& thread : threads)
        thread.join();
    log.close();
    EXPECT_EQ(contents().count('\n'), 400);
}

TEST(LogCategories, RawValuesAreExact)
{
    EXPECT_EQ(BaseKit::rawValue(LogCategory::menubar), QStringLiteral("Menu Bar"));
    EXPECT_EQ(BaseKit::rawValue(LogCategory::ui), QStringLiteral("UI"));
    EXPECT_EQ(BaseKit::logCategory(QStringLiteral("Menu Bar")), LogCategory::menubar);
    EXPECT_FALSE(BaseKit::logCategory(QStringLiteral("menu bar")).has_value());
    EXPECT_FALSE(BaseKit::logCategory(QString()).has_value());
}
