#include "BaseKit/Services/Notifications.h"

#include "Platform/Bus/DistributedCenter.h"
#include "Platform/Bus/UserNotifications.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QTest>
#include <QUuid>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

using BaseKit::Notifications;
using Platform::UserNotifications;

namespace {

QString uniqueName(const char* base)
{
    // The suite's processes share one session bus.
    static const QString prefix = QStringLiteral("T") + QUuid::createUuid().toString(QUuid::Id128) + QLatin1Char('.');
    return prefix + QLatin1String(base);
}

TEST(DistributedNotificationsTest, PostsReachObserversOfOtherConnectionsWithTheirObjectFilter)
{
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
    // A bus connection starts handing on messages once the event loop has run.
    QCoreApplication::processEvents();
    const QString connectionName = QStringLiteral("companion");
    {
        // The companion's side: a connection of its own.
        Platform::DistributedCenter companion(QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName));
        QObject companionObserver;
        std::vector<QString> companionGot;
        const QString request = uniqueName("RequestFans");
        companion.addObserver(&companionObserver, request, std::nullopt,
                              [&companionGot](const QString& name, const QString& object) {
                                  companionGot.push_back(name + QLatin1Char('|') + object);
                              });

        QObject model;
        std::vector<QString> any, filtered;
        const QString response = uniqueName("ResponseFans");
        Notifications::Distributed::addObserver(&model, response, [&any](const QString&, const QString& object) {
            any.push_back(object);
        });
        Notifications::Distributed::addObserver(&model, response, QStringLiteral("fan0"),
                                                [&filtered](const QString&, const QString& object) {
                                                    filtered.push_back(object);
                                                });

        Notifications::Distributed::post(request);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !companionGot.empty(); }, 10000));
        EXPECT_EQ(companionGot, std::vector<QString>{request + QLatin1Char('|')});

        companion.post(response, QStringLiteral("fan1"));
        companion.post(response, QStringLiteral("fan0"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return any.size() == 2 && filtered.size() == 1; }, 10000));
        EXPECT_EQ(any, (std::vector<QString>{QStringLiteral("fan1"), QStringLiteral("fan0")}));
        EXPECT_EQ(filtered, std::vector<QString>{QStringLiteral("fan0")});

        QObject witness;
        std::vector<QString> witnessGot;
        Notifications::Distributed::addObserver(&witness, response, [&witnessGot](const QString&, const QString& object) {
            witnessGot.push_back(object);
        });
        Notifications::Distributed::removeObserver(&model, response);
        companion.post(response, QStringLiteral("after"));
        // The same signal reaches the witness on the same connection: once it has it, so would the model.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !witnessGot.empty(); }, 10000));
        EXPECT_EQ(any.size(), 2u);
        EXPECT_EQ(filtered.size(), 1u);
    }
    QDBusConnection::disconnectFromBus(connectionName);
}

TEST(LocalNotificationsTest, DeliveryOrderFilterAndRemoval)
{
    QObject first, second, sender, otherSender;
    std::vector<QString> log;
    Notifications::Apps::addObserver(&first, QStringLiteral("Changed"), [&log](const QString&, QObject* object) {
        log.push_back(QStringLiteral("first:") + (object ? object->objectName() : QStringLiteral("none")));
    });
    Notifications::Apps::addObserver(&second, QStringLiteral("Changed"), &sender, [&log](const QString&, QObject* object) {
        log.push_back(QStringLiteral("second:") + object->objectName());
    });
    sender.setObjectName(QStringLiteral("sender"));
    otherSender.setObjectName(QStringLiteral("other"));

    Notifications::Apps::post(QStringLiteral("Changed"));
    Notifications::Apps::post(QStringLiteral("Changed"), &otherSender);
    Notifications::Apps::post(QStringLiteral("Changed"), &sender);
    Notifications::Apps::post(QStringLiteral("Unrelated"), &sender);
    EXPECT_EQ(log, (std::vector<QString>{QStringLiteral("first:none"), QStringLiteral("first:other"),
                                         QStringLiteral("first:sender"), QStringLiteral("second:sender")}));

    log.clear();
    Notifications::Apps::removeObserver(&first, QStringLiteral("Changed"));
    Notifications::Apps::post(QStringLiteral("Changed"), &sender);
    EXPECT_EQ(log, std::vector<QString>{QStringLiteral("second:sender")});
    Notifications::Apps::removeObserver(&second, QStringLiteral("Changed"));
}

TEST(LocalNotificationsTest, ObserversThatGoAwayDuringOrBeforeAPost)
{
    int calls = 0;
    {
        QObject gone;
        Notifications::Apps::addObserver(&gone, QStringLiteral("Tick"), [&calls](const QString&, QObject*) { ++calls; });
    }
    Notifications::Apps::post(QStringLiteral("Tick"));
    EXPECT_EQ(calls, 0);

    // A handler that removes the next observer: that one is not called any more in the same post.
    QObject a, b;
    int bCalls = 0;
    Notifications::Apps::addObserver(&a, QStringLiteral("Tick"), [&b](const QString& name, QObject*) {
        Notifications::Apps::removeObserver(&b, name);
    });
    Notifications::Apps::addObserver(&b, QStringLiteral("Tick"), [&bCalls](const QString&, QObject*) { ++bCalls; });
    Notifications::Apps::post(QStringLiteral("Tick"));
    EXPECT_EQ(bCalls, 0);
    Notifications::Apps::removeObserver(&a, QStringLiteral("Tick"));
}

// A notification centre whose answers the test sets, and which records what it is asked.
class FakeUserNotifications : public UserNotifications {
public:
    FakeUserNotifications() : UserNotifications(QDBusConnection(QStringLiteral("kestrion-none"))) {}

    void requestAuthorization(int options, QObject*, AuthorizationCompletion completion) override
    {
        requestedOptions.push_back(options);
        if (completion)
            completion(granted, authorizationError);
    }
    void getSettings(QObject*, SettingsCompletion completion) override { completion(settings); }
    void add(const Request& request, QObject*, AddCompletion completion) override
    {
        added.push_back(request);
        if (completion)
            completion(addError);
    }

    Settings settings;
    bool granted = false;
    std::optional<QString> authorizationError;
    std::optional<QString> addError;
    std::vector<int> requestedOptions;
    std::vector<Request> added;
};

class UserNotificationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake = std::make_shared<FakeUserNotifications>();
    }

    void allow(UserNotifications::AuthorizationStatus status, UserNotifications::AlertStyle style)
    {
        fake->settings = {status, style};
    }
    std::optional<bool> enabled()
    {
        std::optional<bool> answer;
        Notifications::Apps::isEnabled(*fake, [&answer](bool e) { answer = e; });
        return answer;
    }

    std::shared_ptr<FakeUserNotifications> fake;
};

using Status = UserNotifications::AuthorizationStatus;
using Style = UserNotifications::AlertStyle;

TEST_F(UserNotificationsTest, AuthorisationAsksForAlertSoundAndBadge)
{
    fake->granted = true;
    Notifications::Apps::requestAuthorization(*fake);
    ASSERT_EQ(fake->requestedOptions, std::vector<int>{7});

    std::optional<Notifications::Apps::AuthorizationResult> result;
    Notifications::Apps::requestAuthorization(*fake, [&result](const auto& r) { result = r; });
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(std::get<bool>(*result), true);

    fake->authorizationError = QStringLiteral("refused");
    Notifications::Apps::requestAuthorization(*fake, [&result](const auto& r) { result = r; });
    EXPECT_EQ(std::get<QString>(*result), QStringLiteral("refused"));
}

TEST_F(UserNotificationsTest, EnabledNeedsPermissionAndAVisibleStyle)
{
    allow(Status::Authorized, Style::Banner);
    EXPECT_EQ(enabled(), true);
    allow(Status::Provisional, Style::Alert);
    EXPECT_EQ(enabled(), true);
    allow(Status::Authorized, Style::None);
    EXPECT_EQ(enabled(), false);
    allow(Status::Ephemeral, Style::Banner);
    EXPECT_EQ(enabled(), false);
    allow(Status::Denied, Style::Banner);
    EXPECT_EQ(enabled(), false);
    allow(Status::NotDetermined, Style::Banner);
    EXPECT_EQ(enabled(), false);
}

TEST_F(UserNotificationsTest, WithoutPermissionNothingIsShownAndTheCallerHearsSo)
{
    for (const Status status : {Status::Denied, Status::NotDetermined, Status::Ephemeral}) {
        allow(status, Style::Banner);
        std::optional<std::optional<QString>> answer;
        Notifications::Apps::showNotification(*fake, QStringLiteral("t"), QStringLiteral("b"),
                                              [&answer](const std::optional<QString>& e) { answer = e; });
        ASSERT_TRUE(answer.has_value());
        EXPECT_EQ(*answer, QString::fromLatin1(Notifications::Apps::notShownError));
    }
    EXPECT_TRUE(fake->added.empty());
}

TEST_F(UserNotificationsTest, EveryShowAddsItsOwnRequest)
{
    // The style is not consulted when showing: permission alone decides.
    allow(Status::Authorized, Style::None);
    std::vector<std::optional<QString>> answers;
    Notifications::Apps::showNotification(*fake, QStringLiteral("Fan"), QStringLiteral("stopped"),
                                          [&answers](const std::optional<QString>& e) { answers.push_back(e); });
    Notifications::Apps::showNotification(*fake, QStringLiteral("Fan"), QStringLiteral("stopped"));
    fake->addError = QStringLiteral("server gone");
    Notifications::Apps::showNotification(*fake, QStringLiteral("Fan"), QStringLiteral("stopped"),
                                          [&answers](const std::optional<QString>& e) { answers.push_back(e); });

    ASSERT_EQ(fake->added.size(), 3u);
    EXPECT_EQ(fake->added[0].title, QStringLiteral("Fan"));
    EXPECT_EQ(fake->added[0].body, QStringLiteral("stopped"));
    EXPECT_TRUE(fake->added[0].playsSound);
    EXPECT_NE(fake->added[0].identifier, fake->added[1].identifier);
    EXPECT_EQ(fake->added[0].identifier.size(), 36);
    EXPECT_EQ(answers, (std::vector<std::optional<QString>>{std::nullopt, QStringLiteral("server gone")}));
}

} // namespace
