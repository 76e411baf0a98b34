// Shared main of every test binary: private XDG folders, then the QApplication, then GoogleTest.
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <memory>
#include <utility>
#include <sys/prctl.h>

namespace {

// Every test process gets a session bus of its own, so tests that own names or post signals on
// the bus never see another test running in parallel. The daemon ends with the process, also
// when the process dies. Without dbus-daemon the inherited bus (if any) stays in use.
std::unique_ptr<QProcess> startPrivateSessionBus()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        return nullptr;
    auto bus = std::make_unique<QProcess>();
    bus->setProgram(daemon);
    bus->setArguments({QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                       QStringLiteral("--print-address=1")});
    bus->setProcessChannelMode(QProcess::SeparateChannels);
    bus->setStandardErrorFile(QProcess::nullDevice());
    bus->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    bus->start();
    if (!bus->waitForStarted(5000))
        return nullptr;
    QByteArray address;
    while (!address.contains('\n') && bus->waitForReadyRead(5000))
        address += bus->readAllStandardOutput();
    address = address.trimmed();
    if (address.isEmpty()) {
        bus->kill();
        bus->waitForFinished(1000);
        return nullptr;
    }
    setenv("DBUS_SESSION_BUS_ADDRESS", address.constData(), 1);
    return bus;
}

// Empties the private home before every test, so that each test starts from empty settings suites
// and caches, whatever ran before it in this process. The XDG folders themselves stay (only their
// contents go): suites that are open for the whole process keep their path and their folder watch,
// and read the missing file as an empty suite.
class CleanHome : public ::testing::EmptyTestEventListener {
public:
    explicit CleanHome(QString root) : m_root(std::move(root)) {}

    void OnTestStart(const ::testing::TestInfo&) override { clean(); }

    void clean() const
    {
        const QDir root(m_root);
        const QStringList kept = {QStringLiteral("config"), QStringLiteral("data"), QStringLiteral("cache"),
                                  QStringLiteral("state")};
        for (const QFileInfo& entry : root.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden
                                                         | QDir::System)) {
            if (kept.contains(entry.fileName()) && entry.isDir() && !entry.isSymLink())
                removeContents(entry.absoluteFilePath());
            else
                remove(entry);
        }
        for (const QString& sub : kept)
            root.mkpath(sub);
    }

private:
    static void removeContents(const QString& folder)
    {
        for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot
                                                                 | QDir::Hidden | QDir::System))
            remove(entry);
    }
    static void remove(const QFileInfo& entry)
    {
        if (entry.isDir() && !entry.isSymLink()) {
            QFile::setPermissions(entry.absoluteFilePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QDir(entry.absoluteFilePath()).removeRecursively();
        } else {
            QFile::remove(entry.absoluteFilePath());
        }
    }

    QString m_root;
};

// Web exchanges a test left open are ended while the event loop can still run: Qt's network thread lets
// go of what it holds for an exchange (the request, its proxy, its connection) only when the exchange
// ends, and LeakSanitizer looks at the process right after main returns. Replies are found by class
// name, so that test binaries of modules without Qt Network need not link it.
void endOpenExchanges()
{
    QCoreApplication* app = QCoreApplication::instance();
    for (int round = 0; round < 200; ++round) {
        bool open = false;
        for (QObject* object : app->findChildren<QObject*>()) {
            if (object->inherits("QNetworkReply")) {
                open = true;
                QMetaObject::invokeMethod(object, "abort", Qt::DirectConnection);
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (!open)
            break;
    }
}

} // namespace

int main(int argc, char** argv)
{
    // No test may touch the real home: every XDG folder points into a temporary tree that is
    // removed when the binary ends.
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/kestrion-test-XXXXXX"));
    if (!home.isValid())
        return 2;
    const QByteArray root = home.path().toUtf8();
    for (const char* sub : {"config", "data", "cache", "state"}) {
        QDir().mkpath(home.path() + QLatin1Char('/') + QLatin1String(sub));
    }
    setenv("HOME", root.constData(), 1);
    setenv("XDG_CONFIG_HOME", (root + "/config").constData(), 1);
    setenv("XDG_DATA_HOME", (root + "/data").constData(), 1);
    setenv("XDG_CACHE_HOME", (root + "/cache").constData(), 1);
    setenv("XDG_STATE_HOME", (root + "/state").constData(), 1);
    if (!getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);

    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new CleanHome(home.path()));
    const std::unique_ptr<QProcess> bus = startPrivateSessionBus();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrion"));
    QApplication::setOrganizationDomain(QStringLiteral("brannock.com"));
    const int result = RUN_ALL_TESTS();
    endOpenExchanges();
    return result;
}
