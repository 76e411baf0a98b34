// A bus daemon that stops answering (stopped here with SIGSTOP, as a daemon stuck on a full queue
// would be) must not stop the event loop of the program that asks it.
#include "Platform/Bus/BusNameWatch.h"
#include "Platform/Bus/DistributedCenter.h"
#include "Platform/Bus/SingleInstance.h"
#include "Platform/Desktop/Workspace.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/prctl.h>

namespace {

// A session bus of the test's own, with one client connection and one that owns a name, which can be
// made to stop answering and to go on again.
class UnansweringBus {
public:
    UnansweringBus()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (program.isEmpty())
            return;
        m_daemon.setProgram(program);
        m_daemon.setArguments({QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                               QStringLiteral("--print-address=1")});
        m_daemon.setStandardErrorFile(QProcess::nullDevice());
        m_daemon.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_daemon.start();
        QByteArray address;
        while (!address.contains('\n') && m_daemon.waitForReadyRead(5000))
            address += m_daemon.readAllStandardOutput();
        address = address.trimmed();
        if (address.isEmpty())
            return;
        static int serial = 0;
        ++serial;
        m_client = QStringLiteral("unanswering-client-%1").arg(serial);
        m_owner = QStringLiteral("unanswering-owner-%1").arg(serial);
        QDBusConnection::connectToBus(QString::fromUtf8(address), m_client);
        QDBusConnection owner = QDBusConnection::connectToBus(QString::fromUtf8(address), m_owner);
        owner.registerService(QStringLiteral("org.example.Owned"));
    }
    ~UnansweringBus()
    {
        resume();
        QDBusConnection::disconnectFromBus(m_client);
        QDBusConnection::disconnectFromBus(m_owner);
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }

    bool isReady() const { return !m_client.isEmpty() && client().isConnected(); }
    QDBusConnection client() const { return QDBusConnection(m_client); }

    void stop()
    {
        ::kill(pid_t(m_daemon.processId()), SIGSTOP);
        m_stopped = true;
    }
    void resume()
    {
        if (m_stopped)
            ::kill(pid_t(m_daemon.processId()), SIGCONT);
        m_stopped = false;
    }

private:
    QProcess m_daemon;
    QString m_client;
    QString m_owner;
    bool m_stopped = false;
};

// A call that waited for the stopped bus would wait the bus's whole default timeout, 25 s. The calls
// here wait for nothing or for their own short timeouts (two of 250 ms at most): under the sanitizers,
// beside a busy loop per processor, each stretch below took at most 0.55 s. Ten seconds is far more than
// ten times that, and still far less than the default.
constexpr int briefMs = 10'000;

// Counts the turns of the event loop's timers while it lives.
struct Ticker {
    Ticker()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] { ++ticks; });
        timer.start(10);
    }
    QTimer timer;
    int ticks = 0;
};

} // namespace

TEST(UnansweringBus, NameWatchAnswersAtOnceAndTakesTheLateAnswer)
{
    UnansweringBus bus;
    ASSERT_TRUE(bus.isReady());
    bus.stop();
    QElapsedTimer clock;
    clock.start();
    Platform::BusNameWatch watch(QStringLiteral("org.example.Owned"), bus.client());
    EXPECT_FALSE(watch.hasOwner().has_value());
    RecordProperty("question_ms", int(clock.elapsed()));
    EXPECT_LT(clock.elapsed(), briefMs);

    // The event loop goes on while the question waits for its answer.
    Ticker ticker;
    EXPECT_TRUE(QTest::qWaitFor([&ticker] { return ticker.ticks > 5; }, 5000));
    EXPECT_FALSE(watch.hasOwner().has_value());

    // The answer that comes once the bus goes on is taken.
    bus.resume();
    EXPECT_TRUE(QTest::qWaitFor([&watch] { return watch.hasOwner() == true; }, 5000));
}

TEST(UnansweringBus, QuestionsAndRegistrationsWaitOnlyBriefly)
{
    UnansweringBus bus;
    ASSERT_TRUE(bus.isReady());
    bus.stop();
    Ticker ticker;
    QElapsedTimer clock;

    clock.start();
    EXPECT_FALSE(Platform::Workspace::isBusNameOwned(QStringLiteral("org.example.Owned"), bus.client()));
    EXPECT_TRUE(Platform::Workspace::runningBundleIds(bus.client()).isEmpty());
    RecordProperty("questions_ms", int(clock.elapsed()));
    EXPECT_LT(clock.elapsed(), briefMs);

    clock.restart();
    Platform::DistributedCenter center(bus.client());
    QObject observer;
    EXPECT_TRUE(center.addObserver(&observer, QStringLiteral("org.example.Ping"), std::nullopt, {}));
    RecordProperty("registration_ms", int(clock.elapsed()));
    EXPECT_LT(clock.elapsed(), briefMs);

    // Without an answer the program runs on its own rather than not at all, and gives the name back
    // without waiting long either.
    clock.restart();
    {
        Platform::SingleInstance instance(QStringLiteral("org.example.Single"), bus.client());
        EXPECT_TRUE(instance.claim());
    }
    RecordProperty("claim_ms", int(clock.elapsed()));
    EXPECT_LT(clock.elapsed(), briefMs);

    // After the questions the timers go on.
    EXPECT_TRUE(QTest::qWaitFor([&ticker] { return ticker.ticks > 3; }, 5000));
}
