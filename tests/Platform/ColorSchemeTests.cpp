#include "Platform/Desktop/ColorScheme.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using Platform::ColorScheme;

namespace {

// The settings portal as the desktop serves it: Read answers the value inside one extra variant.
class FakePortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    QVariant answer; // the inner value; invalid answers with an error

public slots:
    Q_SCRIPTABLE QDBusVariant Read(const QString& nameSpace, const QString& key, const QDBusMessage& message)
    {
        if (nameSpace != QLatin1String("org.freedesktop.appearance") || key != QLatin1String("color-scheme")
            || !answer.isValid()) {
            message.setDelayedReply(true);
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-portal"))
                .send(message.createErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"),
                                               QStringLiteral("no such setting")));
            return {};
        }
        return QDBusVariant(QVariant::fromValue(QDBusVariant(answer)));
    }
};

struct ColorSchemePortal : ::testing::Test {
    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus";
        bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-portal"));
        // Each test serves its own name: the tests run in parallel on one bus.
        service = QStringLiteral("com.brannock.test.portal.")
            + QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_TRUE(bus.registerService(service));
        ASSERT_TRUE(bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                                       QDBusConnection::ExportScriptableSlots));
    }
    void TearDown() override
    {
        if (!bus.isConnected())
            return;
        bus.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
        bus.unregisterService(service);
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-portal"));
    }
    void announce(const QString& nameSpace, const QString& key, const QVariant& value)
    {
        // Signals name no destination: the observer matches on the sender's bus name.
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
                                                         QStringLiteral("org.freedesktop.portal.Settings"),
                                                         QStringLiteral("SettingChanged"));
        signal << nameSpace << key << QVariant::fromValue(QDBusVariant(value));
        bus.send(signal);
    }

    QDBusConnection bus{QString()};
    QString service;
    FakePortal portal;
};

} // namespace

TEST_F(ColorSchemePortal, ReadsThePreferenceAndFollowsItsChanges)
{
    portal.answer = QVariant::fromValue(uint(1));
    ColorScheme scheme(QDBusConnection::sessionBus(), service);
    QSignalSpy changed(&scheme, &ColorScheme::changed);
    EXPECT_EQ(scheme.current(), ColorScheme::Preference::none); // the answer comes later
    ASSERT_TRUE(changed.wait(10000));
    EXPECT_EQ(scheme.current(), ColorScheme::Preference::dark);

    announce(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"), uint(2));
    ASSERT_TRUE(changed.wait(10000));
    EXPECT_EQ(scheme.current(), ColorScheme::Preference::light);

    // Other settings of the portal are not ours.
    announce(QStringLiteral("org.gnome.desktop.interface"), QStringLiteral("color-scheme"), uint(1));
    announce(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("accent-color"), uint(1));
    announce(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"), uint(0));
    ASSERT_TRUE(changed.wait(10000));
    EXPECT_EQ(changed.count(), 3);
    EXPECT_EQ(scheme.current(), ColorScheme::Preference::none);
}

TEST_F(ColorSchemePortal, MissingSettingLeavesNoPreference)
{
    ColorScheme scheme(QDBusConnection::sessionBus(), service);
    QSignalSpy changed(&scheme, &ColorScheme::changed);
    EXPECT_FALSE(changed.wait(300));
    EXPECT_EQ(scheme.current(), ColorScheme::Preference::none);
}

TEST(ColorScheme, PortalValues)
{
    using P = ColorScheme::Preference;
    EXPECT_EQ(ColorScheme::fromPortalValue(QVariant::fromValue(uint(1))), P::dark);
    EXPECT_EQ(ColorScheme::fromPortalValue(QVariant::fromValue(uint(2))), P::light);
    EXPECT_EQ(ColorScheme::fromPortalValue(QVariant::fromValue(uint(0))), P::none);
    EXPECT_EQ(ColorScheme::fromPortalValue(QVariant::fromValue(uint(7))), P::none);
    EXPECT_EQ(ColorScheme::fromPortalValue(QVariant::fromValue(QDBusVariant(QVariant::fromValue(uint(1))))), P::dark);
    EXPECT_EQ(ColorScheme::fromPortalValue(QVariant(QStringLiteral("1"))), P::none);
    EXPECT_EQ(ColorScheme::fromPortalValue(QVariant()), P::none);
}

TEST(ColorScheme, WithoutBusThereIsNoPreference)
{
    QDBusConnection none = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                         QStringLiteral("no-portal-bus"));
    ColorScheme scheme(none);
    EXPECT_EQ(scheme.current(), ColorScheme::Preference::none);
    QDBusConnection::disconnectFromBus(QStringLiteral("no-portal-bus"));
}

#include "ColorSchemeTests.moc"
