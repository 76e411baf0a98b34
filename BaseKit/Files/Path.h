#pragma once

#include "BaseKit/Files/PathType.h"

#include <QDateTime>
#include <QIcon>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace BaseKit {

// Small file-system functions over paths. Nothing keeps state; every function may be called from
// any thread. Walks never follow a symbolic link into a folder, so a link loop ends them.
//
// "Packages" are folders that hold one whole thing (the module bundles "<Name>.bundle", application
// folders "<Name>.app"); some walks do not enter them.
class Path {
public:
    enum Option : unsigned {
        skipsSubdirectoryDescendants = 1,
        skipsPackageDescendants = 2,
        skipsHiddenFiles = 4,
    };
    static constexpr unsigned allOptions = 7;

    static bool exists(const QString& path);
    static bool isDirectory(const QString& path);
    // invalid when nothing exists, directory for a folder (also behind a link), file for anything else.
    static PathType pathType(const QString& path);

    // The direct entries of a folder: the folders when `directories`, the other entries otherwise.
    // With skipsHiddenFiles, names starting with "." are left out. A folder that cannot be listed gives
    // an empty list and one line with the reason on standard output.
    static QStringList contents(const QString& folder, bool directories, unsigned options = allOptions);
    // Every entry below the folder whose name ends with `suffix`; enters packages, skips hidden items.
    static QStringList search(const QString& folder, const QString& suffix);
    // Every entry below the folder, files and folders; does not enter packages, skips hidden items.
    static QStringList allItems(const QString& folder);
    // The same walk: the entries that are no folders.
    static QStringList files(const QString& folder);
    static QStringList files(const QString& folder, const QString& suffix);
    // The same walk: the folders.
    static QStringList subdirectories(const QString& folder);
    // The folders in the containers folder; with `excludingApple`, those named "com.apple." are left out.
    static QStringList containers(bool excludingApple);

    // Total size in bytes of every file below the folder, hidden files and package contents included.
    static std::uint64_t folderSize(const QString& folder);
    // The size of a file in bytes; 0 when it cannot be read.
    static std::uint64_t fileSize(const QString& path);
    // Adds the number of folders below `folder` to `count`; a folder reached through a link is counted
    // but not entered.
    static void countFolders(const QString& folder, std::int64_t& count);
    // Removes the item (a folder with everything in it); true when nothing exists there afterwards. A
    // failure writes its reason as one line on standard output.
    static bool remove(const QString& path);

    static std::optional<QDateTime> creationDate(const QString& path);
    static std::optional<QDateTime> modificationDate(const QString& path);
    // When the file was last used: Linux keeps no such date (the access time is not updated on
    // every read), so there is none.
    static std::optional<QDateTime> lastUsedDate(const QString& path);

    // The icon of the file's kind in the desktop's icon theme.
    static QIcon icon(const QString& path);
    // The icon of the file's content type; none when it has no content type (it does not exist).
    static std::optional<QIcon> iconForContentType(const QString& path);

    // Whether a folder name marks a package.
    static bool isPackageName(const QString& name);
};

} // namespace BaseKit
