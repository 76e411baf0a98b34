#include "BaseKit/Apps/FileIconManager.h"

#include "BaseKit/Files/Path.h"

#include "Platform/Desktop/DesktopEntries.h"
#include "Platform/Desktop/IconFiles.h"

#include <QFileInfo>
#include <QImage>
#include <QPixmap>

namespace BaseKit {

namespace {

std::optional<QIcon> loadIcon(const QString& file)
{
    if (file.isEmpty())
        return std::nullopt;
    QImage image(file);
    if (image.isNull())
        return std::nullopt;
    return QIcon(QPixmap::fromImage(image));
}

// The entry's icon: its file, else the desktop's theme.
std::optional<QIcon> entryIcon(const Platform::DesktopEntry& entry)
{
    if (auto icon = loadIcon(Platform::IconFiles::find(entry.icon)))
        return icon;
    if (!entry.icon.isEmpty() && !entry.icon.contains(QLatin1Char('/'))) {
        const QIcon themed = QIcon::fromTheme(entry.icon);
        if (!themed.isNull())
            return themed;
    }
    return std::nullopt;
}

std::optional<Platform::DesktopEntry> entryNamed(const QString& name)
{
    const Platform::DesktopEntries entries;
    if (!name.contains(QLatin1Char('/'))) {
        if (auto entry = entries.find(name))
            return entry;
    }
    for (auto& entry : entries.scan()) {
        if (entry.name == name || entry.localizedName == name)
            return entry;
    }
    return std::nullopt;
}

} // namespace

FileIconManager& FileIconManager::shared()
{
    static FileIconManager manager;
    return manager;
}

QIcon FileIconManager::genericApplicationIcon()
{
    return QIcon::fromTheme(QStringLiteral("application-x-executable"));
}

QIcon FileIconManager::icon(const QString& applicationName)
{
    if (const auto cached = m_cache.constFind(applicationName); cached != m_cache.constEnd())
        return *cached;
    if (const auto entry = entryNamed(applicationName)) {
        if (auto found = entryIcon(*entry)) {
            m_cache.insert(applicationName, *found);
            return *found;
        }
    }
    return genericApplicationIcon();
}

std::optional<QIcon> FileIconManager::iconForBundleIdentifier(const QString& bundleIdentifier)
{
    if (const auto cached = m_cache.constFind(bundleIdentifier); cached != m_cache.constEnd())
        return *cached;
    const auto entry = Platform::DesktopEntries().find(bundleIdentifier);
    if (!entry)
        return std::nullopt;
    if (auto found = entryIcon(*entry)) {
        m_cache.insert(bundleIdentifier, *found);
        return found;
    }
    return genericApplicationIcon();
}

std::optional<QString> FileIconManager::iconFile(const QString& entryPath)
{
    const QFileInfo info(entryPath);
    QString identifier = info.fileName();
    identifier.chop(8);
    const auto entry = Platform::DesktopEntries::read(entryPath, identifier, info.path());
    if (!entry)
        return std::nullopt;
    const QString file = Platform::IconFiles::find(entry->icon);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<QIcon> FileIconManager::iconForApplication(const QString& entryPath)
{
    if (!entryPath.endsWith(QStringLiteral(".desktop")))
        return std::nullopt;
    if (const auto cached = m_cache.constFind(entryPath); cached != m_cache.constEnd())
        return *cached;
    const auto file = iconFile(entryPath);
    if (!file)
        return std::nullopt;
    auto found = loadIcon(*file);
    if (found)
        m_cache.insert(entryPath, *found);
    return found;
}

QIcon FileIconManager::iconForPath(const QString& path)
{
    const qsizetype marker = path.indexOf(QStringLiteral(".desktop"));
    if (marker >= 0) {
        if (auto found = shared().iconForApplication(path.left(marker + 8)))
            return *found;
    }
    return Path::icon(path);
}

} // namespace BaseKit
