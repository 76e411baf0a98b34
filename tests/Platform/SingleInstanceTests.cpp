#include "Platform/Bus/SingleInstance.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using Platform::SingleInstance;

namespace {
QDBusConnection otherConnection(const QString& name)
{
    return QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
}
} // namespace

TEST(SingleInstance, SecondStartShowsTheFirstInstance)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus";
    const QString service = QStringLiteral("com.brannock.kestrion.test.single");

    SingleInstance first(service, QDBusConnection::sessionBus());
    ASSERT_TRUE(first.claim());
    EXPECT_TRUE(first.isPrimary());
    EXPECT_TRUE(first.claim()); // claiming again changes nothing
    QSignalSpy shown(&first, &SingleInstance::showMainWindowRequested);

    QDBusConnection otherBus = otherConnection(QStringLiteral("second-start"));
    {
        SingleInstance second(service, otherBus);
        EXPECT_FALSE(second.claim());
        EXPECT_FALSE(second.isPrimary());
        EXPECT_TRUE(second.activateRunning());
    }
    EXPECT_TRUE(shown.count() == 1 || shown.wait(10000));
    EXPECT_EQ(shown.count(), 1);
    QDBusConnection::disconnectFromBus(QStringLiteral("second-start"));
}

TEST(SingleInstance, NameIsFreedWhenTheInstanceEnds)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus";
    const QString service = QStringLiteral("com.brannock.kestrion.test.freed");
    {
        SingleInstance first(service, QDBusConnection::sessionBus());
        ASSERT_TRUE(first.claim());
    }
    QDBusConnection otherBus = otherConnection(QStringLiteral("after-end"));
    {
        SingleInstance next(service, otherBus);
        EXPECT_TRUE(next.claim());
        // Nobody else serves the name now: asking a running instance fails.
        SingleInstance probe(QStringLiteral("com.brannock.kestrion.test.nobody"), QDBusConnection::sessionBus());
        EXPECT_FALSE(probe.activateRunning(500));
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("after-end"));
}

TEST(SingleInstance, WithoutBusEveryStartRuns)
{
    QDBusConnection none = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                         QStringLiteral("no-bus"));
    ASSERT_FALSE(none.isConnected());
    SingleInstance instance(QStringLiteral("com.brannock.kestrion.test.nobus"), none);
    EXPECT_TRUE(instance.claim());
    EXPECT_FALSE(instance.activateRunning(100));
    QDBusConnection::disconnectFromBus(QStringLiteral("no-bus"));
}

TEST(SingleInstance, TheProgramsIdentifierNamesTheServiceThePathAndTheInterface)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus";
    SingleInstance one(QStringLiteral("org.example.my-app"), QDBusConnection::sessionBus());
    EXPECT_EQ(one.objectPath(), QStringLiteral("/org/example/my_app"));
    EXPECT_EQ(one.interfaceName(), QStringLiteral("org.example.my_app.Application"));
    ASSERT_TRUE(one.claim());
    QSignalSpy shown(&one, &SingleInstance::showMainWindowRequested);

    // Another program's instance is apart: it claims its own name and asks nobody.
    QDBusConnection otherBus = otherConnection(QStringLiteral("other-program"));
    {
        SingleInstance other(QStringLiteral("org.example.other"), otherBus);
        EXPECT_TRUE(other.claim());
    }

    // What a later start of the same program sends, spelled out.
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.example.my-app"),
                                                       QStringLiteral("/org/example/my_app"),
                                                       QStringLiteral("org.example.my_app.Application"),
                                                       QStringLiteral("ShowMainWindow"));
    otherBus.asyncCall(call, 2000);
    EXPECT_TRUE(shown.count() == 1 || shown.wait(10000));
    QDBusConnection::disconnectFromBus(QStringLiteral("other-program"));
}
