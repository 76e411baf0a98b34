#pragma once

#include <QDBusConnection>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace Platform {

// The desktop's workspace: opening addresses and files with the user's preferred application.
class Workspace {
public:
    // Hands a URL to the desktop (xdg-open or the OpenURI portal through QDesktopServices). An invalid
    // or empty URL opens nothing. Returns whether the desktop accepted it.
    static bool openUrl(const QUrl& url);

    // Replaces what openUrl hands the URL to (tests observe it there); an empty function restores
    // the desktop.
    using UrlOpener = std::function<bool(const QUrl&)>;
    static void setUrlOpener(UrlOpener opener);

    // Shows the item in the file manager with the item selected (org.freedesktop.FileManager1 on the
    // session bus); without a file manager on the bus, opens the item's folder.
    static void reveal(const QString& path);

    // How long a question to the session bus waits for its answer, at most: the questions below are
    // asked on the main thread, so a bus that does not answer may slow the window, never stop it.
    static constexpr int busTimeoutMs = 100;

    // Whether a running program owns this name on the session bus (applications own their reverse-DNS
    // identifier there). False without a session bus, or when the bus does not answer in time.
    static bool isBusNameOwned(const QString& name, const QDBusConnection& bus = QDBusConnection::sessionBus());
    // Whether there is a session bus to ask.
    static bool hasSessionBus();
    // The names in reverse-DNS form that a running program owns on the session bus, in the bus's order
    // (the bus daemon's own name left out). Empty without a session bus, or when it does not answer in
    // time.
    static QStringList runningBundleIds(const QDBusConnection& bus = QDBusConnection::sessionBus());
};

} // namespace Platform
