#include "Platform/Bus/UserNotifications.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QTest>
#include <QVariantMap>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

using Platform::UserNotifications;

namespace {

// A notification server of the desktop's kind, served on a connection of the test's own.
class FakeNotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString appName;
        uint replacesId = 0;
        QString summary;
        QString body;
        QVariantMap hints;
        int timeout = 0;
    };
    std::vector<Call> calls;

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString&, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap& hints, int timeout)
    {
        calls.push_back({appName, replacesId, summary, body, hints, timeout});
        return uint(calls.size());
    }
};

UserNotifications::Settings settingsOf(UserNotifications& center)
{
    std::optional<UserNotifications::Settings> settings;
    center.getSettings(nullptr, [&settings](const UserNotifications::Settings& s) { settings = s; });
    EXPECT_TRUE(QTest::qWaitFor([&settings] { return settings.has_value(); }, 10000));
    return settings.value_or(UserNotifications::Settings{});
}

std::optional<QString> add(UserNotifications& center, const QString& title, const QString& body)
{
    std::optional<std::optional<QString>> answer;
    center.add({QStringLiteral("ID"), title, body, true}, nullptr,
               [&answer](const std::optional<QString>& error) { answer = error; });
    EXPECT_TRUE(QTest::qWaitFor([&answer] { return answer.has_value(); }, 10000));
    return answer.value_or(QStringLiteral("no answer"));
}

// One test for everything that depends on the server's name: the suite's processes share the bus,
// and only this test owns that name.
TEST(UserNotificationsTest, AuthorisedExactlyWhileAServerRunsAndBannersReachIt)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.isConnected());
    UserNotifications center(bus);
    const QString service = QString::fromLatin1(UserNotifications::service);
    ASSERT_FALSE(bus.interface()->isServiceRegistered(service).value()) << "no notification server on the test bus";

    const auto without = settingsOf(center);
    EXPECT_EQ(without.authorizationStatus, UserNotifications::AuthorizationStatus::Denied);
    EXPECT_EQ(without.alertStyle, UserNotifications::AlertStyle::None);
    EXPECT_TRUE(add(center, QStringLiteral("t"), QStringLiteral("b")).has_value()) << "no server, no banner";

    const QString connectionName = QStringLiteral("notification-server");
    {
        QDBusConnection serverBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName);
        FakeNotificationServer server;
        ASSERT_TRUE(serverBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &server,
                                             QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(serverBus.registerService(service));

        const auto with = settingsOf(center);
        EXPECT_EQ(with.authorizationStatus, UserNotifications::AuthorizationStatus::Authorized);
        EXPECT_EQ(with.alertStyle, UserNotifications::AlertStyle::Banner);

        std::optional<bool> granted;
        center.requestAuthorization(UserNotifications::Alert | UserNotifications::Sound | UserNotifications::Badge,
                                    nullptr, [&granted](bool g, const std::optional<QString>&) { granted = g; });
        ASSERT_TRUE(QTest::qWaitFor([&granted] { return granted.has_value(); }, 10000));
        EXPECT_TRUE(*granted);

        EXPECT_FALSE(add(center, QStringLiteral("Fan"), QStringLiteral("Fan 1 stopped")).has_value());
        EXPECT_FALSE(add(center, QStringLiteral("Fan"), QStringLiteral("Fan 1 stopped")).has_value());
        ASSERT_EQ(server.calls.size(), 2u);
        EXPECT_EQ(server.calls[0].summary, QStringLiteral("Fan"));
        EXPECT_EQ(server.calls[0].body, QStringLiteral("Fan 1 stopped"));
        // Each request is a banner of its own, with the default sound.
        EXPECT_EQ(server.calls[0].replacesId, 0u);
        EXPECT_EQ(server.calls[1].replacesId, 0u);
        EXPECT_TRUE(server.calls[0].hints.contains(QStringLiteral("sound-name")));

        serverBus.unregisterService(service);
    }
    QDBusConnection::disconnectFromBus(connectionName);
}

TEST(UserNotificationsTest, NoCompletionForADestroyedContext)
{
    UserNotifications center{QDBusConnection::sessionBus()};
    bool called = false;
    auto* context = new QObject;
    center.getSettings(context, [&called](const UserNotifications::Settings&) { called = true; });
    delete context;
    std::optional<UserNotifications::Settings> later;
    center.getSettings(nullptr, [&later](const UserNotifications::Settings& s) { later = s; });
    ASSERT_TRUE(QTest::qWaitFor([&later] { return later.has_value(); }, 10000));
    EXPECT_FALSE(called);
}

} // namespace

#include "UserNotificationsTests.moc"
