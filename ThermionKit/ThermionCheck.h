#pragma once

#include "ThermionKit/UpdateInfo.h"

#include "BaseKit/Services/WebResult.h"
#include "BaseKit/Workspace/Workspace.h"
#include "Platform/Desktop/DesktopEntries.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <variant>

namespace ThermionKit {

// What the program knows about the companion: whether it is installed (its desktop entry exists) and
// running (it owns its session-bus name), its installed version (the newest release of its AppStream
// metainfo) and the newest published version; it starts the companion, asks it to quit and opens its
// download page. Nothing here shows a message; the only errors handed on are those of the web request.
class ThermionCheck {
public:
    static constexpr const char* fallbackVersion = "0.0.0";
    static constexpr const char* versionDocumentPath = "/files/thermion.json";

    // Where the companion is looked for and what is fetched.
    struct Environment {
        QString fixedEntryPath;        // the entry of a system-wide install
        QStringList dataDirectories;   // the share folders searched, in order
        QString versionDocumentUrl;    // the published version document
        QString downloadPage;          // the companion's page on the maker's site (https)
        // What the download page is handed to; the program gives the desktop's opener. None opens
        // nothing.
        BaseKit::Workspace::UrlOpener urlOpener;
    };
    static Environment standardEnvironment();

    // The companion as `environment` finds it.
    explicit ThermionCheck(Environment environment = standardEnvironment());

    const Environment& environment() const { return m_environment; }

    // Hands the download page to the environment's opener (the default browser); nothing when its
    // address does not parse. Returns whether the opener took the address.
    bool openDownloadPage() const;
    // Whether the companion owns its bus name, as last heard from the bus; false until the bus first
    // answered (never waits for it).
    static bool isRunning();
    // Starts following the companion's bus name now, so that its first answer is in before
    // isRunning is first asked.
    static void watchPresence();
    // The entry at the fixed location exists, or the search finds one.
    bool isInstalled() const;
    // The newest release version of the installed entry's metainfo (the entry found, or else the one at
    // the fixed location); none when not installed or none is given.
    std::optional<QString> installedVersion() const;
    // Starts the installed companion when it is not running (once the bus has told whether it runs);
    // a failed start goes unnoticed.
    void start() const;
    // Posts "TerminateThermion".
    static void terminate();

    using VersionResult = std::variant<QString, BaseKit::WebError>;
    using VersionCompletion = std::function<void(const VersionResult&)>;
    // The published version text, fallbackVersion when the answer is no success (a status outside
    // 200...299) or the document cannot be decoded; a failed request hands on its error. The
    // completion comes later on the main thread, never when `context` is gone.
    void fetchServerVersion(QObject* context, VersionCompletion completion) const;
    void serverVersion(QObject* context, VersionCompletion completion) const;

    using UpdateResult = std::variant<UpdateInfo, BaseKit::WebError>;
    // Whether the published version is greater than the installed one; without an installed version
    // no update, with the version "0.0.0".
    void checkForUpdate(QObject* context, std::function<void(const UpdateResult&)> completion) const;

private:
    std::optional<Platform::DesktopEntry> installedEntry() const;

    Environment m_environment;
};

} // namespace ThermionKit
