#include "Platform/Workspace.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusReply>
#include <QDesktopServices>
#include <QFileInfo>

namespace Platform {

namespace {

Workspace::UrlOpener& installedOpener()
{
    static Workspace::UrlOpener opener;
    return opener;
}

} // namespace

bool Workspace::openUrl(const QUrl& url)
{
    if (url.isEmpty() || !url.isValid())
        return false;
    if (const auto& opener = installedOpener())
        return opener(url);
    return QDesktopServices::openUrl(url);
}

void Workspace::setUrlOpener(UrlOpener opener)
{
    installedOpener() = std::move(opener);
}

void Workspace::reveal(const QString& path)
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
    openUrl(QUrl::fromLocalFile(QFileInfo(absolute).path()));
}

bool Workspace::hasSessionBus()
{
    return QDBusConnection::sessionBus().isConnected();
}

bool Workspace::isBusNameOwned(const QString& name)
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (name.isEmpty() || !bus.isConnected() || !bus.interface())
        return false;
    const QDBusReply<bool> reply = bus.interface()->isServiceRegistered(name);
    return reply.isValid() && reply.value();
}

QStringList Workspace::runningBundleIds()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return {};
    const QDBusReply<QStringList> reply = bus.interface()->registeredServiceNames();
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
