#include "BaseKit/Apps/Apps.h"

#include "BaseKit/Apps/FileIconManager.h"
#include "BaseKit/Files/Path.h"
#include "BaseKit/Version.h"

#include "Platform/Desktop/DesktopEntries.h"
#include "Platform/Proc/ProcessTable.h"
#include "Platform/Desktop/Workspace.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <set>

namespace BaseKit {

namespace {

const QString applePrefix = QStringLiteral("com.apple.");

std::optional<QString> newestVersion(const Platform::DesktopEntry& entry)
{
    std::optional<QString> newest;
    for (const QString& version : Platform::DesktopEntries::releaseVersions(entry)) {
        if (!newest || Version(version) > Version(*newest))
            newest = version;
    }
    return newest;
}

std::shared_ptr<App> makeApp(const Platform::DesktopEntry& entry, bool skipApple)
{
    if (entry.identifier.isEmpty() || entry.localizedName.isEmpty())
        return nullptr;
    if (skipApple && entry.identifier.startsWith(applePrefix))
        return nullptr;
    auto app = std::make_shared<App>(entry.path, entry.localizedName, entry.identifier);
    app->version = newestVersion(entry);
    return app;
}

std::optional<Platform::DesktopEntry> entryAt(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.fileName().endsWith(QStringLiteral(".desktop")))
        return std::nullopt;
    QString identifier = info.fileName();
    identifier.chop(8);
    // The share folder is the parent of the applications folder the entry lies in.
    QString share = info.absolutePath();
    const qsizetype applications = share.lastIndexOf(QStringLiteral("/applications"));
    share = applications > 0 ? share.left(applications) : QFileInfo(share).path();
    return Platform::DesktopEntries::read(info.absoluteFilePath(), identifier, share);
}

std::optional<Platform::DesktopEntry> entryFor(const QString& pathOrIdentifier)
{
    if (pathOrIdentifier.contains(QLatin1Char('/')))
        return entryAt(pathOrIdentifier);
    return Platform::DesktopEntries().find(pathOrIdentifier);
}

} // namespace

bool Apps::nameLess(const QString& lhs, const QString& rhs)
{
    const QList<uint> left = lhs.normalized(QString::NormalizationForm_C).toUcs4();
    const QList<uint> right = rhs.normalized(QString::NormalizationForm_C).toUcs4();
    return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end());
}

void Apps::openApplication(const QString& path)
{
    const auto entry = entryFor(path);
    if (!entry)
        return;
    if (entry->dbusActivatable && Platform::Workspace::hasSessionBus()) {
        // The Application interface: the bus starts the program if it is not running.
        QString objectPath = QLatin1Char('/') + entry->identifier;
        objectPath.replace(QLatin1Char('.'), QLatin1Char('/')).replace(QLatin1Char('-'), QLatin1Char('_'));
        QDBusMessage call = QDBusMessage::createMethodCall(entry->identifier, objectPath,
                                                           QStringLiteral("org.freedesktop.Application"),
                                                           QStringLiteral("Activate"));
        call << QVariantMap();
        QDBusConnection::sessionBus().asyncCall(call);
        return;
    }
    Platform::DesktopEntries::launch(*entry);
}

bool Apps::isRunning(const QString& bundleIdentifier)
{
    if (bundleIdentifier.isEmpty())
        return false;
    if (Platform::Workspace::isBusNameOwned(bundleIdentifier))
        return true;
    const auto entry = Platform::DesktopEntries().find(bundleIdentifier);
    if (!entry)
        return false;
    const QStringList command = Platform::DesktopEntries::command(*entry);
    if (command.isEmpty())
        return false;
    // The kernel keeps the first 15 bytes of the program's file name.
    const QString program = QFileInfo(command.first()).fileName();
    const QString commandName = QString::fromUtf8(program.toUtf8().left(15));
    return !commandName.isEmpty() && isProcessRunning(commandName);
}

bool Apps::isInstalled(const QString& name)
{
    if (name.isEmpty())
        return false;
    for (const auto& entry : Platform::DesktopEntries().scan()) {
        if (entry.name == name || entry.localizedName == name || entry.identifier == name)
            return true;
    }
    return false;
}

bool Apps::isInstalledBundleIdentifier(const QString& bundleIdentifier)
{
    return !bundleIdentifier.isEmpty() && Platform::DesktopEntries().find(bundleIdentifier).has_value();
}

std::optional<std::pair<QString, QIcon>> Apps::productApplication(const QString& folder)
{
    for (const QString& path : Path::search(folder + QStringLiteral("/Products"), QStringLiteral(".desktop"))) {
        const auto entry = entryAt(path);
        if (!entry)
            continue;
        if (const auto icon = FileIconManager::shared().iconForApplication(path))
            return std::make_pair(entry->localizedName, *icon);
    }
    return std::nullopt;
}

std::vector<RunningProcess> Apps::runningProcesses()
{
    std::vector<RunningProcess> result;
    for (auto& [pid, name] : Platform::ProcessTable::commandNames()) {
        if (pid != 0)
            result.push_back(RunningProcess{std::move(name), pid});
    }
    return result;
}

bool Apps::isProcessRunning(const QString& name)
{
    const auto processes = Platform::ProcessTable::commandNames();
    return std::any_of(processes.begin(), processes.end(),
                       [&](const auto& process) { return process.first != 0 && process.second == name; });
}

std::vector<std::shared_ptr<App>> Apps::installedApplications(bool skipApple)
{
    std::vector<std::shared_ptr<App>> apps;
    for (const auto& entry : Platform::DesktopEntries().scan()) {
        if (auto app = makeApp(entry, skipApple))
            apps.push_back(std::move(app));
    }
    std::stable_sort(apps.begin(), apps.end(), [](const auto& a, const auto& b) { return nameLess(a->name, b->name); });
    return apps;
}

std::shared_ptr<App> Apps::application(const QString& entryPath, bool includeChildren, bool skipApple)
{
    const auto entry = entryAt(entryPath);
    if (!entry)
        return nullptr;
    auto app = makeApp(*entry, skipApple);
    if (app && includeChildren)
        app->children = childApplications(entryPath, skipApple);
    return app;
}

std::vector<std::shared_ptr<App>> Apps::childApplications(const QString&, bool)
{
    return {};
}

std::optional<QString> Apps::bundleIdentifier(const QString& entryPath)
{
    const auto entry = entryAt(entryPath);
    if (!entry)
        return std::nullopt;
    return entry->identifier;
}

std::optional<QString> Apps::executableUrl(std::uint32_t processIdentifier)
{
    if (processIdentifier == 0 || processIdentifier > std::uint32_t(std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    const QString path = Platform::ProcessTable::executablePath(processIdentifier);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

QStringList Apps::bundleModuleNames(const std::optional<QString>& folder)
{
    if (!folder || folder->isEmpty())
        return {};
    std::set<QString> names;
    for (QString item : Path::search(*folder, QStringLiteral(".bundle"))) {
        while (item.size() > 1 && item.endsWith(QLatin1Char('/')))
            item.chop(1);
        const QStringList pieces = QFileInfo(item).fileName().split(QLatin1Char('_'), Qt::SkipEmptyParts);
        if (!pieces.isEmpty())
            names.insert(pieces.first());
    }
    QStringList result(names.begin(), names.end());
    std::sort(result.begin(), result.end(), nameLess);
    return result;
}

} // namespace BaseKit
