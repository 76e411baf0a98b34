#pragma once

#include "BaseKit/Apps/App.h"
#include "BaseKit/Apps/RunningProcess.h"

#include <QIcon>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace BaseKit {

// Installed and running applications and processes. Installed applications are the desktop entries of
// the XDG applications folders ($XDG_DATA_HOME, then $XDG_DATA_DIRS): an application's identifier is
// its desktop-file id, its version the newest release in its AppStream metainfo. Nothing is cached:
// every call reads the folders or the process table again.
class Apps {
public:
    // Starts the application of a desktop entry (a path to the entry file, or its id).
    static void openApplication(const QString& path);
    // Whether the application with this identifier runs: it owns its identifier on the session bus,
    // or a process runs the program of its entry.
    static bool isRunning(const QString& bundleIdentifier);
    // Whether an installed application has this name (in any language of its entry) or this id.
    static bool isInstalled(const QString& name);
    static bool isInstalledBundleIdentifier(const QString& bundleIdentifier);
    // The first application entry below `folder`/Products that has an icon: its name and icon.
    static std::optional<std::pair<QString, QIcon>> productApplication(const QString& folder);

    static std::vector<RunningProcess> runningProcesses();
    // A process with exactly this command name runs.
    static bool isProcessRunning(const QString& name);

    // Every installed application, sorted by name (case-sensitive, code point order, equal names in
    // scan order). With `skipApple`, identifiers starting with "com.apple." are left out.
    static std::vector<std::shared_ptr<App>> installedApplications(bool skipApple);
    // The application of one entry file; none when it is no readable, shown application entry.
    static std::shared_ptr<App> application(const QString& entryPath, bool includeChildren, bool skipApple);
    // Applications nested in an application: desktop entries have none.
    static std::vector<std::shared_ptr<App>> childApplications(const QString& entryPath, bool skipApple);
    static std::optional<QString> bundleIdentifier(const QString& entryPath);
    // The executable of a running process; none when it is gone or not readable.
    static std::optional<QString> executableUrl(std::uint32_t processIdentifier);
    // The module names ("LanguageKit") of the "<Module>_<Name>.bundle" folders below `folder`, once
    // each, sorted.
    static QStringList bundleModuleNames(const std::optional<QString>& folder);

    // The text order of application names: code point by code point of the canonical (NFC) forms.
    static bool nameLess(const QString& lhs, const QString& rhs);
};

} // namespace BaseKit
