#include "BaseKit/Apps/AppRunnerMonitor.h"

#include <QDBusConnection>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using BaseKit::AppRunnerMonitor;

namespace {

class Answers : public BaseKit::AppRunnerMonitorDelegate {
public:
    void appRunnerMonitorDidRefresh(const QString& identifier, bool isRunning) override
    {
        calls.emplace_back(identifier, isRunning);
    }
    std::vector<std::pair<QString, bool>> calls;
};

// Owns a name on the test's own session bus for as long as it lives.
class OwnedName {
public:
    explicit OwnedName(QString name)
        : m_name(std::move(name))
    {
        m_owned = QDBusConnection::sessionBus().registerService(m_name);
    }
    ~OwnedName() { QDBusConnection::sessionBus().unregisterService(m_name); }
    bool owned() const { return m_owned; }

private:
    QString m_name;
    bool m_owned = false;
};

} // namespace

TEST(AppRunnerMonitor, EachCheckReportsEveryIdentifierInOrder)
{
    OwnedName running(QStringLiteral("org.example.RunningApp"));
    ASSERT_TRUE(running.owned());
    AppRunnerMonitor monitor({QStringLiteral("org.example.Stopped"), QStringLiteral("org.example.RunningApp"),
                              QStringLiteral("org.example.Stopped"), QString()},
                             1.0);
    auto answers = std::make_shared<Answers>();
    monitor.setDelegate(answers);
    monitor.refresh();
    const std::vector<std::pair<QString, bool>> expected{{QStringLiteral("org.example.Stopped"), false},
                                                          {QStringLiteral("org.example.RunningApp"), true},
                                                          {QStringLiteral("org.example.Stopped"), false},
                                                          {QString(), false}};
    EXPECT_EQ(answers->calls, expected);
    monitor.refresh();
    EXPECT_EQ(answers->calls.size(), 8u);
}

TEST(AppRunnerMonitor, TheTimerChecksAfterOneIntervalAndStopsForGood)
{
    AppRunnerMonitor monitor({QStringLiteral("org.example.A")}, 0.05);
    auto answers = std::make_shared<Answers>();
    monitor.setDelegate(answers);
    monitor.stop(); // nothing to stop
    EXPECT_FALSE(monitor.isRunning());
    monitor.start();
    monitor.start();
    EXPECT_TRUE(answers->calls.empty()); // not at start
    EXPECT_TRUE(QTest::qWaitFor([&] { return answers->calls.size() >= 2; }, 20000));
    monitor.stop();
    EXPECT_FALSE(monitor.isRunning());
    const std::size_t calls = answers->calls.size();
    QTest::qWait(150);
    EXPECT_EQ(answers->calls.size(), calls);
}

TEST(AppRunnerMonitor, ADelegateThatWentAwayOrAnEmptyListGetsNothing)
{
    AppRunnerMonitor monitor({QStringLiteral("org.example.A")}, 1.0);
    {
        auto answers = std::make_shared<Answers>();
        monitor.setDelegate(answers);
    }
    EXPECT_EQ(monitor.delegate(), nullptr);
    monitor.refresh();
    auto answers = std::make_shared<Answers>();
    monitor.setDelegate(answers);
    monitor.identifiers.clear();
    monitor.refresh();
    EXPECT_TRUE(answers->calls.empty());
}
