#include "Platform/SingleInstance.h"

#include <QDBusConnection>
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

    SingleInstance first(QDBusConnection::sessionBus(), service);
    ASSERT_TRUE(first.claim());
    EXPECT_TRUE(first.isPrimary());
    EXPECT_TRUE(first.claim()); // claiming again changes nothing
    QSignalSpy shown(&first, &SingleInstance::showMainWindowRequested);

    QDBusConnection otherBus = otherConnection(QStringLiteral("second-start"));
    {
        SingleInstance second(otherBus, service);
        EXPECT_FALSE(second.claim());
        EXPECT_FALSE(second.isPrimary());
        EXPECT_TRUE(second.activateRunning());
    }
    EXPECT_TRUE(shown.count() == 1 || shown.wait(2000));
    EXPECT_EQ(shown.count(), 1);
    QDBusConnection::disconnectFromBus(QStringLiteral("second-start"));
}

TEST(SingleInstance, NameIsFreedWhenTheInstanceEnds)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus";
    const QString service = QStringLiteral("com.brannock.kestrion.test.freed");
    {
        SingleInstance first(QDBusConnection::sessionBus(), service);
        ASSERT_TRUE(first.claim());
    }
    QDBusConnection otherBus = otherConnection(QStringLiteral("after-end"));
    {
        SingleInstance next(otherBus, service);
        EXPECT_TRUE(next.claim());
        // Nobody else serves the name now: asking a running instance fails.
        SingleInstance probe(QDBusConnection::sessionBus(), QStringLiteral("com.brannock.kestrion.test.nobody"));
        EXPECT_FALSE(probe.activateRunning(500));
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("after-end"));
}

TEST(SingleInstance, WithoutBusEveryStartRuns)
{
    QDBusConnection none = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                         QStringLiteral("no-bus"));
    ASSERT_FALSE(none.isConnected());
    SingleInstance instance(none);
    EXPECT_TRUE(instance.claim());
    EXPECT_FALSE(instance.activateRunning(100));
    QDBusConnection::disconnectFromBus(QStringLiteral("no-bus"));
}
