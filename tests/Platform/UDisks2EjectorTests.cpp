#include "Platform/Bus/UDisks2Ejector.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

using Platform::UDisks2Ejector;

namespace {

const QString kService = QStringLiteral("org.freedesktop.UDisks2");

// A disk service of the test's own on the private session bus of the test run: it records every call
// and answers as the test set it up.
class FakeUDisks : public QDBusVirtualObject {
public:
    FakeUDisks() : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-udisks")))
    {
        registered = m_bus.isConnected()
                     && m_bus.registerVirtualObject(QStringLiteral("/org/freedesktop/UDisks2"), this,
                                                    QDBusConnection::SubPath)
                     && m_bus.registerService(kService);
    }
    ~FakeUDisks() override
    {
        m_bus.unregisterService(kService);
        m_bus.unregisterObject(QStringLiteral("/org/freedesktop/UDisks2"), QDBusConnection::UnregisterTree);
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-udisks"));
    }

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        const QString member = message.member();
        calls << message.path().section(QLatin1Char('/'), -1) + QLatin1Char('.') + member;
        QDBusMessage reply;
        if (member == QLatin1String("Unmount")) {
            reply = unmountError.isEmpty()
                        ? message.createReply()
                        : message.createErrorReply(QStringLiteral("org.freedesktop.UDisks2.Error.DeviceBusy"), unmountError);
        } else if (member == QLatin1String("Get")) {
            reply = message.createReply(QVariant::fromValue(QDBusVariant(QVariant::fromValue(QDBusObjectPath(drive)))));
        } else if (member == QLatin1String("GetAll")) {
            QVariantMap properties{{QStringLiteral("Ejectable"), ejectable}, {QStringLiteral("CanPowerOff"), canPowerOff}};
            reply = message.createReply(QVariant::fromValue(properties));
        } else {
            reply = message.createReply();
        }
        connection.send(reply);
        return true;
    }

    bool registered = false;
    QStringList calls;
    QString unmountError;
    QString drive = QStringLiteral("/org/freedesktop/UDisks2/drives/Stick");
    bool ejectable = true;
    bool canPowerOff = true;

private:
    QDBusConnection m_bus;
};

// Runs the event loop until `done` is set or five seconds pass.
void waitFor(const bool& done)
{
    const QDeadlineTimer deadline(5000);
    while (!done && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

class UDisks2EjectorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no private session bus (run under dbus-run-session)";
        client = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("ejector-client")));
    }
    void TearDown() override
    {
        client.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("ejector-client"));
    }

    // Ejects `device` and gives the error text, or "(no answer)".
    QString eject(const QString& device, bool removable = true)
    {
        UDisks2Ejector ejector(*client);
        bool finished = false;
        QString result = QStringLiteral("(no answer)");
        ejector.unmountAndEject(device, removable, [&](const QString& error) {
            result = error;
            finished = true;
        });
        EXPECT_FALSE(finished); // never answered within the call
        waitFor(finished);
        return result;
    }

    std::unique_ptr<QDBusConnection> client;
};

} // namespace

TEST(UDisks2Ejector, BlockObjectPaths)
{
    EXPECT_EQ(UDisks2Ejector::blockObjectPath(QStringLiteral("sdb1")), QStringLiteral("/org/freedesktop/UDisks2/block_devices/sdb1"));
    EXPECT_EQ(UDisks2Ejector::blockObjectPath(QStringLiteral("dm-0")), QStringLiteral("/org/freedesktop/UDisks2/block_devices/dm_2d0"));
    EXPECT_EQ(UDisks2Ejector::blockObjectPath(QStringLiteral("a.b_c")), QStringLiteral("/org/freedesktop/UDisks2/block_devices/a_2eb_5fc"));
}

TEST_F(UDisks2EjectorTest, UnmountsThenEjectsOrPowersOff)
{
    FakeUDisks udisks;
    ASSERT_TRUE(udisks.registered);
    EXPECT_EQ(eject(QStringLiteral("sdc1")), QString());
    EXPECT_EQ(udisks.calls, QStringList({"sdc1.Unmount", "sdc1.Get", "Stick.GetAll", "Stick.Eject"}));

    udisks.calls.clear();
    udisks.ejectable = false;
    EXPECT_EQ(eject(QStringLiteral("sdc1")), QString());
    EXPECT_EQ(udisks.calls.last(), QStringLiteral("Stick.PowerOff"));

    // Neither: unmounted is all that can be done.
    udisks.calls.clear();
    udisks.canPowerOff = false;
    EXPECT_EQ(eject(QStringLiteral("sdc1")), QString());
    EXPECT_EQ(udisks.calls.size(), 3);

    // No drive behind the block device.
    udisks.calls.clear();
    udisks.drive = QStringLiteral("/");
    EXPECT_EQ(eject(QStringLiteral("loop0")), QString());
    EXPECT_EQ(udisks.calls, QStringList({"loop0.Unmount", "loop0.Get"}));
}

TEST_F(UDisks2EjectorTest, FailuresAndRefusals)
{
    {
        FakeUDisks udisks;
        ASSERT_TRUE(udisks.registered);
        udisks.unmountError = QStringLiteral("target is busy");
        EXPECT_EQ(eject(QStringLiteral("sdc1")), QStringLiteral("target is busy"));
        EXPECT_EQ(udisks.calls, QStringList({"sdc1.Unmount"}));

        udisks.calls.clear();
        EXPECT_EQ(eject(QStringLiteral("sda4"), false), UDisks2Ejector::notRemovableError());
        EXPECT_TRUE(udisks.calls.isEmpty());
    }
    // Nobody serves the disk service.
    const QDeadlineTimer deadline(5000);
    while (client->interface()->isServiceRegistered(kService) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(eject(QStringLiteral("sdc1")), UDisks2Ejector::notSupportedError());

    // No bus at all.
    UDisks2Ejector offline(QDBusConnection(QStringLiteral("no-such-connection")));
    bool finished = false;
    QString result;
    offline.unmountAndEject(QStringLiteral("sdc1"), true, [&](const QString& error) {
        result = error;
        finished = true;
    });
    waitFor(finished);
    EXPECT_EQ(result, UDisks2Ejector::notSupportedError());
}
