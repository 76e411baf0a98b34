#include "ThermionKit/ThermionCheck.h"

#include "ThermionKit/ThermionNotifications.h"

#include "Support/LoopbackServer.h"
#include "BaseKit/Services/WebRequest.h"
#include "Platform/Bus/DistributedCenter.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

using namespace ThermionKit;

namespace {

QString fixture(const char* name)
{
    return QStringLiteral(KESTRION_FIXTURES "/ThermionKit/") + QLatin1String(name);
}

class ThermionCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        environment.fixedEntryPath = QStringLiteral("/nonexistent/applications/com.brannock.thermion.desktop");
        environment.dataDirectories = {};
    }
    void TearDown() override
    {
        // A name a test owned is released at once, but the presence watch learns it from the bus's
        // signal: the next test starts only once the watch has seen it go.
        EXPECT_TRUE(QTest::qWaitFor([] { return !ThermionCheck::isRunning(); }, 5000));
    }

    void use(QStringList directories, QString fixed = {})
    {
        environment.dataDirectories = std::move(directories);
        if (!fixed.isEmpty())
            environment.fixedEntryPath = fixed;
    }
    // The companion as the test's environment finds it.
    ThermionCheck check() const { return ThermionCheck(environment); }

    ThermionCheck::Environment environment = ThermionCheck::standardEnvironment();
};

// Owns the companion's bus name on a connection of its own while it lives.
class CompanionName {
public:
    CompanionName()
        : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("companion-name")))
    {
        owned = m_bus.registerService(QStringLiteral("com.brannock.thermion"));
    }
    ~CompanionName()
    {
        m_bus.unregisterService(QStringLiteral("com.brannock.thermion"));
        QDBusConnection::disconnectFromBus(QStringLiteral("companion-name"));
        // The watch of the name learns of its release from the bus a moment later.
        if (owned) {
            EXPECT_TRUE(QTest::qWaitFor([] { return !ThermionCheck::isRunning(); }, 10000));
        }
    }
    bool owned = false;

private:
    QDBusConnection m_bus;
};

// Stops this test process's own session-bus daemon while it lives, as a daemon that no longer
// answers would be; it goes on when the guard ends. Only a daemon this process started is stopped.
class StoppedSessionBus {
public:
    StoppedSessionBus()
    {
        const QDBusReply<uint> pid = QDBusConnection::sessionBus().interface()->servicePid(
            QStringLiteral("org.freedesktop.DBus"));
        if (!pid.isValid() || pid.value() <= 1)
            return;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid.value()));
        if (!stat.open(QIODevice::ReadOnly))
            return;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 2 || fields[1].toLongLong() != qint64(::getpid()))
            return;
        m_pid = pid_t(pid.value());
        ::kill(m_pid, SIGSTOP);
    }
    ~StoppedSessionBus()
    {
        if (m_pid > 0)
            ::kill(m_pid, SIGCONT);
    }
    bool stopped() const { return m_pid > 0; }

private:
    pid_t m_pid = 0;
};

} // namespace

TEST_F(ThermionCheckTest, PresenceAndVersionBelongToTheEntryFound)
{
    EXPECT_FALSE(check().isInstalled());
    EXPECT_FALSE(check().installedVersion());

    use({fixture("system")});
    EXPECT_TRUE(check().isInstalled());
    // The newest release, compared as versions: 1.10.0 after 1.9.3.
    EXPECT_EQ(check().installedVersion(), QStringLiteral("1.10.0"));

    // A per-user install comes first and brings its own version.
    use({fixture("user"), fixture("system")});
    EXPECT_EQ(check().installedVersion(), QStringLiteral("2.0.1"));

    // A hidden per-user entry uninstalls the application for that user...
    use({fixture("hidden"), fixture("system")});
    EXPECT_FALSE(check().isInstalled());
    // ...unless it stands at the fixed location, whose own metainfo then gives the version.
    use({fixture("hidden")}, fixture("system/applications/com.brannock.thermion.desktop"));
    EXPECT_TRUE(check().isInstalled());
    EXPECT_EQ(check().installedVersion(), QStringLiteral("1.10.0"));

    use({fixture("broken")}, QStringLiteral("/nonexistent"));
    EXPECT_TRUE(check().isInstalled());
    EXPECT_FALSE(check().installedVersion());
}

TEST_F(ThermionCheckTest, EntryCommandsDropFieldCodesAndKeepQuotedPaths)
{
    const auto entry = Platform::DesktopEntries({fixture("user")}).find(QStringLiteral("com.brannock.thermion"));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, QStringLiteral("Thermion"));
    EXPECT_EQ(Platform::DesktopEntries::command(*entry),
              (QStringList{QStringLiteral("/home/user/Thermion Apps/thermion"), QStringLiteral("--quiet")}));
    const auto system = Platform::DesktopEntries({fixture("system")}).find(QStringLiteral("com.brannock.thermion"));
    ASSERT_TRUE(system);
    EXPECT_EQ(Platform::DesktopEntries::command(*system), QStringList{QStringLiteral("thermion")});
    Platform::DesktopEntry written = *system;
    written.exec = QStringLiteral("run --level=100%% %F --name=x%c");
    EXPECT_EQ(Platform::DesktopEntries::command(written),
              (QStringList{QStringLiteral("run"), QStringLiteral("--level=100%"), QStringLiteral("--name=xThermion")}));
}

TEST_F(ThermionCheckTest, RunningFollowsTheCompanionsBusName)
{
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
    EXPECT_FALSE(ThermionCheck::isRunning());
    {
        CompanionName name;
        ASSERT_TRUE(name.owned);
        EXPECT_TRUE(QTest::qWaitFor([] { return ThermionCheck::isRunning(); }, 5000));
    }
    EXPECT_TRUE(QTest::qWaitFor([] { return !ThermionCheck::isRunning(); }, 5000));
}

TEST_F(ThermionCheckTest, PresenceIsAnsweredAtOnceWhileTheBusDoesNotAnswer)
{
    CompanionName name;
    ASSERT_TRUE(name.owned);
    {
        StoppedSessionBus stopped;
        if (!stopped.stopped())
            GTEST_SKIP() << "the session bus is not this process's own";
        // A question that waited for the stopped bus would wait its whole default timeout, 25 s. Five
        // that wait for nothing took under 10 ms under the sanitizers beside a busy loop per processor:
        // ten seconds is far more than ten times that, and still far less than one such wait.
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 5; ++i)
            (void)ThermionCheck::isRunning();
        RecordProperty("questions_ms", int(clock.elapsed()));
        EXPECT_LT(clock.elapsed(), 10'000);
    }
    // Once the bus goes on, its answer is taken.
    EXPECT_TRUE(QTest::qWaitFor([] { return ThermionCheck::isRunning(); }, 5000));
}

TEST_F(ThermionCheckTest, StartLaunchesTheInstalledCompanionOnlyWhenItIsNotRunning)
{
    QTemporaryDir share;
    ASSERT_TRUE(share.isValid());
    const QString marker = share.filePath(QStringLiteral("started"));
    const QString program = share.filePath(QStringLiteral("fake thermion"));
    {
        QFile script(program);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho \"$@\" >> \"" + marker.toUtf8() + "\"\n");
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QDir().mkpath(share.filePath(QStringLiteral("applications")));
        QFile entry(share.filePath(QStringLiteral("applications/com.brannock.thermion.desktop")));
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nType=Application\nName=Thermion\nExec=\"" + program.toUtf8()
                    + "\" --background %U\n");
    }
    const auto lines = [&marker] {
        QFile file(marker);
        return file.open(QIODevice::ReadOnly) ? file.readAll().split('\n').size() - 1 : 0;
    };

    check().start(); // not installed: nothing
    QTest::qWait(200);
    EXPECT_EQ(lines(), 0);

    use({share.path()});
    check().start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return lines() == 1; }, 5000));
    QFile file(marker);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("--background\n"));

    CompanionName name;
    ASSERT_TRUE(QTest::qWaitFor([] { return ThermionCheck::isRunning(); }, 5000));
    check().start();
    QTest::qWait(300);
    EXPECT_EQ(lines(), 1);
}

TEST_F(ThermionCheckTest, TerminatePostsTheQuitRequest)
{
    Platform::DistributedCenter observer(
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("terminate-observer")));
    QObject receiver;
    int received = 0;
    ASSERT_TRUE(observer.addObserver(&receiver, QString::fromLatin1(ThermionNotifications::terminate), std::nullopt,
                                     [&received](const QString&, const QString&) { ++received; }));
    QCoreApplication::processEvents();
    ThermionCheck::terminate();
    EXPECT_TRUE(QTest::qWaitFor([&] { return received == 1; }, 5000));
    observer.removeObserver(&receiver, QString::fromLatin1(ThermionNotifications::terminate));
    QDBusConnection::disconnectFromBus(QStringLiteral("terminate-observer"));
}

TEST_F(ThermionCheckTest, TheDownloadPageIsASecurePage)
{
    EXPECT_TRUE(ThermionCheck::standardEnvironment().downloadPage.startsWith(QStringLiteral("https://")));
    EXPECT_TRUE(ThermionCheck::standardEnvironment().versionDocumentUrl.startsWith(QStringLiteral("https://")));
    EXPECT_TRUE(ThermionCheck::standardEnvironment().versionDocumentUrl.endsWith(QStringLiteral("/files/thermion.json")));
    QUrl opened;
    environment.urlOpener = [&opened](const QUrl& url) {
        opened = url;
        return true;
    };
    check().openDownloadPage();
    EXPECT_EQ(opened, QUrl(ThermionCheck::standardEnvironment().downloadPage));
}

namespace {

struct Outcome {
    bool done = false;
    ThermionCheck::UpdateResult result = BaseKit::WebError{};
};

Outcome checkAgainst(ThermionCheck::Environment environment, const QString& url)
{
    environment.versionDocumentUrl = url;
    Outcome outcome;
    QObject context;
    ThermionCheck(environment).checkForUpdate(&context, [&outcome](const ThermionCheck::UpdateResult& result) {
        outcome.result = result;
        outcome.done = true;
    });
    (void)QTest::qWaitFor([&outcome] { return outcome.done; }, 10000);
    return outcome;
}

} // namespace

TEST_F(ThermionCheckTest, UpdateCheckComparesThePublishedVersionWithTheInstalledOne)
{
    use({fixture("system")}); // 1.10.0 installed
    LoopbackServer server;
    ASSERT_TRUE(server.isListening());
    const QString url = server.url(QStringLiteral("/files/thermion.json"));
    const auto info = [](const Outcome& outcome) {
        EXPECT_TRUE(outcome.done);
        const auto* update = std::get_if<UpdateInfo>(&outcome.result);
        return update ? *update : UpdateInfo{true, QStringLiteral("error")};
    };

    server.reply.body = R"({"version": "1.10.1", "notes": "ignored"})";
    EXPECT_EQ(info(checkAgainst(environment, url)), (UpdateInfo{true, QStringLiteral("1.10.1")}));
    ASSERT_FALSE(server.requests.empty());
    EXPECT_EQ(server.requests.back().target, QByteArray("/files/thermion.json"));

    server.reply.body = R"({"version": "1.10.0"})";
    EXPECT_EQ(info(checkAgainst(environment, url)), (UpdateInfo{false, QStringLiteral("1.10.0")}));
    server.reply.body = R"({"version": "1.9.9"})";
    EXPECT_EQ(info(checkAgainst(environment, url)), (UpdateInfo{false, QStringLiteral("1.9.9")}));
    // Undecodable documents give "0.0.0", never newer, and so does an error page, whatever it holds.
    server.reply.body = R"({"name": "Thermion"})";
    EXPECT_EQ(info(checkAgainst(environment, url)), (UpdateInfo{false, QStringLiteral("0.0.0")}));
    server.reply.body = "<html>not json</html>";
    server.reply.status = "404 Not Found";
    EXPECT_EQ(info(checkAgainst(environment, url)), (UpdateInfo{false, QStringLiteral("0.0.0")}));
    server.reply.body = R"({"version": "9.0", "error": "moved"})";
    for (const char* status : {"404 Not Found", "500 Internal Server Error", "403 Forbidden"}) {
        server.reply.status = status;
        EXPECT_EQ(info(checkAgainst(environment, url)), (UpdateInfo{false, QStringLiteral("0.0.0")})) << status;
    }

    // Nothing installed: no update, whatever is published.
    server.reply.status = "200 OK";
    server.reply.body = R"({"version": "9.0"})";
    use({});
    EXPECT_EQ(info(checkAgainst(environment, url)), (UpdateInfo{false, QStringLiteral("0.0.0")}));
}

TEST_F(ThermionCheckTest, ARefusedRequestHandsOnItsError)
{
    use({fixture("system")});
    quint16 port = 0;
    {
        LoopbackServer closed;
        port = closed.port();
    }
    const Outcome outcome = checkAgainst(environment, QStringLiteral("http://127.0.0.1:%1/files/thermion.json").arg(port));
    ASSERT_TRUE(outcome.done);
    const auto* error = std::get_if<BaseKit::WebError>(&outcome.result);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, BaseKit::WebError::Code::CannotConnectToHost);

    bool done = false;
    QString version;
    QObject context;
    environment.versionDocumentUrl = QStringLiteral("not an address");
    check().serverVersion(&context, [&](const ThermionCheck::VersionResult& result) {
        done = true;
        version = std::holds_alternative<QString>(result) ? std::get<QString>(result) : QStringLiteral("error");
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 5000));
    EXPECT_EQ(version, QStringLiteral("error"));
}
