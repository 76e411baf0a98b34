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
    // What a URL is handed to; returns whether it was taken. The program makes the desktop's opener
    // once at start-up and passes it to whatever opens addresses.
    using UrlOpener = std::function<bool(const QUrl&)>;
    // The desktop's opener: xdg-open or the OpenURI portal, through QDesktopServices.
    static UrlOpener desktopOpener();

    // Hands a URL to `opener`. An invalid or empty URL, or no opener, opens nothing. Returns whether the
    // opener took it.
    static bool openUrl(const QUrl& url, const UrlOpener& opener);

    // Shows the item in the file manager with the item selected (org.freedesktop.FileManager1 on the
    // session bus); without a file manager on the bus, hands the item's folder to `opener`.
    static void reveal(const QString& path, const UrlOpener& opener);

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
