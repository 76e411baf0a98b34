#include "Platform/Bus/UserNotifications.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>
#include <QTimer>
#include <QVariantMap>

namespace Platform {

namespace {

// Asks the bus whether the notification server runs; answers later, on the main thread. Every call
// is asynchronous: the server may live on this very thread (a test's fake), and a blocking call to it
// would never return.
void serverRuns(const QDBusConnection& bus, QObject* context, std::function<void(bool)> answer)
{
    QPointer<QObject> guard(context);
    const bool hasContext = context != nullptr;
    if (!bus.isConnected()) {
        QTimer::singleShot(0, QCoreApplication::instance(), [guard, hasContext, answer] {
            if (!hasContext || guard)
                answer(false);
        });
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    call << QString::fromLatin1(UserNotifications::service);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [guard, hasContext, answer](QDBusPendingCallWatcher* w) {
                         QDBusPendingReply<bool> reply = *w;
                         w->deleteLater();
                         if (hasContext && !guard)
                             return;
                         answer(!reply.isError() && reply.value());
                     });
}

} // namespace

UserNotifications::UserNotifications(QDBusConnection bus) : m_bus(std::move(bus)) {}

void UserNotifications::requestAuthorization(int, QObject* context, AuthorizationCompletion completion)
{
    // Nothing to ask on Linux: the answer is whether a server shows notifications at all.
    serverRuns(m_bus, context, [completion](bool runs) {
        if (completion)
            completion(runs, std::nullopt);
    });
}

void UserNotifications::getSettings(QObject* context, SettingsCompletion completion)
{
    serverRuns(m_bus, context, [completion](bool runs) {
        Settings settings;
        settings.authorizationStatus = runs ? AuthorizationStatus::Authorized : AuthorizationStatus::Denied;
        settings.alertStyle = runs ? AlertStyle::Banner : AlertStyle::None;
        if (completion)
            completion(settings);
    });
}

void UserNotifications::add(const Request& request, QObject* context, AddCompletion completion)
{
    QPointer<QObject> guard(context);
    const bool hasContext = context != nullptr;
    if (!m_bus.isConnected()) {
        QTimer::singleShot(0, QCoreApplication::instance(), [guard, hasContext, completion] {
            if ((!hasContext || guard) && completion)
                completion(QStringLiteral("No session bus"));
        });
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(service), QStringLiteral("/org/freedesktop/Notifications"),
        QString::fromLatin1(service), QStringLiteral("Notify"));
    QVariantMap hints;
    if (request.playsSound)
        hints.insert(QStringLiteral("sound-name"), QStringLiteral("message-new-instant"));
    call << QCoreApplication::applicationName() // app_name
         << uint(0)                             // replaces_id: every request is a new banner
         << QString()                           // app_icon
         << request.title << request.body
         << QStringList()                       // actions
         << hints
         << int(-1);                            // expire_timeout: the server's default
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [guard, hasContext, completion](QDBusPendingCallWatcher* w) {
                         QDBusPendingReply<uint> reply = *w;
                         w->deleteLater();
                         if ((hasContext && !guard) || !completion)
                             return;
                         if (reply.isError())
                             completion(reply.error().message().isEmpty() ? reply.error().name()
                                                                          : reply.error().message());
                         else
                             completion(std::nullopt);
                     });
}

UserNotifications& UserNotifications::current()
{
    static UserNotifications center(QDBusConnection::sessionBus());
    return center;
}

} // namespace Platform
