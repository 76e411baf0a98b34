#include "Platform/Bus/DynamicStore.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Platform::DynamicStore;

namespace {

void write(const QTemporaryDir& dir, const QString& relative, const QByteArray& content)
{
    const QString path = dir.filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

// A stand-in for hostnamed, served on its own connection to the test's private bus.
class FakeHostnamed : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.hostname1")
    Q_PROPERTY(QString PrettyHostname READ prettyHostname)
public:
    explicit FakeHostnamed(QString name) : m_name(std::move(name)) {}
    QString prettyHostname() const { return m_name; }

private:
    QString m_name;
};

TEST(DynamicStore, FileNameThenHostName)
{
    QTemporaryDir root;
    write(root, QStringLiteral("proc/sys/kernel/hostname"), "builder-7\n");
    EXPECT_EQ(DynamicStore(root.path()).computerName(), QStringLiteral("builder-7"));
    write(root, QStringLiteral("etc/machine-info"), "CHASSIS=laptop\nPRETTY_HOSTNAME=\"Anna's \\\"Work\\\" Laptop\"\n");
    EXPECT_EQ(DynamicStore(root.path()).computerName(), QStringLiteral("Anna's \"Work\" Laptop"));
    write(root, QStringLiteral("etc/machine-info"), "PRETTY_HOSTNAME=\n");
    EXPECT_EQ(DynamicStore(root.path()).computerName(), QStringLiteral("builder-7"));
}

TEST(DynamicStore, NothingKnownGivesEmpty)
{
    QTemporaryDir root;
    DynamicStore store(root.path());
    store.requestComputerName(); // no bus: nothing is asked
    EXPECT_EQ(store.computerName(), QString());
}

TEST(DynamicStore, TheBusAnswerWinsOnceItCame)
{
    QDBusConnection client = QDBusConnection::sessionBus();
    if (!client.isConnected())
        GTEST_SKIP() << "no private bus";
    QDBusConnection server = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("hostnamed"));
    FakeHostnamed service(QStringLiteral("Kitchen Computer"));
    ASSERT_TRUE(server.registerObject(QStringLiteral("/org/freedesktop/hostname1"), &service,
                                      QDBusConnection::ExportAllProperties));
    ASSERT_TRUE(server.registerService(QStringLiteral("org.freedesktop.hostname1")));

    QTemporaryDir root;
    write(root, QStringLiteral("etc/machine-info"), "PRETTY_HOSTNAME=Old Name\n");
    DynamicStore store(root.path(), client);
    EXPECT_EQ(store.computerName(), QStringLiteral("Old Name"));
    QSignalSpy changed(&store, &DynamicStore::computerNameChanged);
    store.requestComputerName();
    ASSERT_TRUE(changed.wait(5000));
    EXPECT_EQ(store.computerName(), QStringLiteral("Kitchen Computer"));

    server.unregisterService(QStringLiteral("org.freedesktop.hostname1"));
    server.unregisterObject(QStringLiteral("/org/freedesktop/hostname1"));
    QDBusConnection::disconnectFromBus(QStringLiteral("hostnamed"));
}

TEST(DynamicStore, NoServiceLeavesTheFileName)
{
    QDBusConnection client = QDBusConnection::sessionBus();
    if (!client.isConnected())
        GTEST_SKIP() << "no private bus";
    QTemporaryDir root;
    write(root, QStringLiteral("etc/machine-info"), "PRETTY_HOSTNAME=Desk\n");
    DynamicStore store(root.path(), client);
    QSignalSpy changed(&store, &DynamicStore::computerNameChanged);
    store.requestComputerName();
    EXPECT_FALSE(changed.wait(1000));
    EXPECT_EQ(store.computerName(), QStringLiteral("Desk"));
}

#include "DynamicStoreTests.moc"
