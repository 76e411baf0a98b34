#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

#include <optional>

namespace BaseKit {

// Icons of applications (by name or identifier, by entry file) and of any file, kept for the life of
// the process once found. An application's own icon comes from its desktop entry ("Icon": a file or
// a name in the icon folders, then the desktop's icon theme). A generic icon that stands in for a
// missing one is never kept, so an application installed later gets its own icon at the next lookup.
// Used on the main thread.
class FileIconManager {
public:
    static FileIconManager& shared();

    // The icon of the installed application with this id or name; the generic application icon when
    // there is none.
    QIcon icon(const QString& applicationName);
    // The icon of the installed application with this id; none when no such application is installed.
    std::optional<QIcon> iconForBundleIdentifier(const QString& bundleIdentifier);
    // The icon of the application of a desktop entry file; none when the path is no entry or its icon
    // cannot be loaded.
    std::optional<QIcon> iconForApplication(const QString& entryPath);
    // The icon file named by a desktop entry; none when it names none or the file does not exist.
    static std::optional<QString> iconFile(const QString& entryPath);
    // A file inside an application's entry path shows the application's icon; any other path the icon
    // of its kind (not kept).
    static QIcon iconForPath(const QString& path);

    // Whether an image is kept under this key (tests).
    bool isCached(const QString& key) const { return m_cache.contains(key); }
    void clear() { m_cache.clear(); }

    // The icon that stands in for an application without one.
    static QIcon genericApplicationIcon();

private:
    QHash<QString, QIcon> m_cache;
};

} // namespace BaseKit
