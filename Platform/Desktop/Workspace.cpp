#include "Platform/Desktop/Workspace.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusReply>
#include <QDesktopServices>
#include <QFileInfo>

namespace Platform {

namespace {

QDBusMessage busDaemonCall(const QString& method)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                          QStringLiteral("org.freedesktop.DBus"), method);
}

} // namespace

Workspace::UrlOpener Workspace::desktopOpener()
{
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

bool Workspace::openUrl(const QUrl& url, const UrlOpener& opener)
{
    if (url.isEmpty() || !url.isValid() || !opener)
        return false;
    return opener(url);
}

void Workspace::reveal(const QString& path, const UrlOpener& opener)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString manager = QStringLiteral("org.freedesktop.FileManager1");
    if (isBusNameOwned(manager)) {
        QDBusMessage call = QDBusMessage::createMethodCall(manager, QStringLiteral("/org/freedesktop/FileManager1"),
                                                           manager, QStringLiteral("ShowItems"));
        call << QStringList{QUrl::fromLocalFile(absolute).toString(QUrl::FullyEncoded)} << QString();
        // Never waits: the file manager may be slow to start.
        QDBusConnection::sessionBus().asyncCall(call);
        return;
    }
    openUrl(QUrl::fromLocalFile(QFileInfo(absolute).path()), opener);
}

bool Workspace::hasSessionBus()
{
    return QDBusConnection::sessionBus().isConnected();
}

bool Workspace::isBusNameOwned(const QString& name, const QDBusConnection& connection)
{
    QDBusConnection bus = connection;
    if (name.isEmpty() || !bus.isConnected())
        return false;
    QDBusMessage question = busDaemonCall(QStringLiteral("NameHasOwner"));
    question << name;
    const QDBusReply<bool> reply = bus.call(question, QDBus::Block, busTimeoutMs);
    return reply.isValid() && reply.value();
}

QStringList Workspace::runningBundleIds(const QDBusConnection& connection)
{
    QDBusConnection bus = connection;
    if (!bus.isConnected())
        return {};
    const QDBusReply<QStringList> reply = bus.call(busDaemonCall(QStringLiteral("ListNames")), QDBus::Block, busTimeoutMs);
    if (!reply.isValid())
        return {};
    QStringList names;
    for (const QString& name : reply.value()) {
        if (name.startsWith(QLatin1Char(':')) || !name.contains(QLatin1Char('.'))
            || name == QStringLiteral("org.freedesktop.DBus"))
            continue;
        names.append(name);
    }
    return names;
}

} // namespace Platform
