#include "BaseKit/Files/Path.h"

#include "BaseKit/Files/Directory.h"
#include "BaseKit/Files/Url.h"
#include "Platform/Files/FileTimes.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QTextStream>

#include <cstdio>
#include <filesystem>
#include <functional>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace BaseKit {

namespace {

fs::path fsPath(const QString& path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

QString qPath(const fs::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

void printLine(const QString& text)
{
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

bool isHidden(const fs::path& path)
{
    const std::string name = path.filename().native();
    return !name.empty() && name.front() == '.';
}

// A depth-first walk below `folder`, never through links into folders. `visit` gets each entry and
// whether it is a folder; hidden entries (with `skipHidden`) are neither visited nor entered, and
// packages (with `skipPackages`) are visited but not entered.
void walk(const QString& folder, bool skipHidden, bool skipPackages,
          const std::function<void(const fs::directory_entry&, bool isFolder)>& visit)
{
    std::error_code error;
    fs::recursive_directory_iterator it(fsPath(folder), fs::directory_options::skip_permission_denied, error);
    if (error)
        return;
    const fs::recursive_directory_iterator end;
    while (it != end) {
        const fs::directory_entry& entry = *it;
        std::error_code statusError;
        const bool isFolder = entry.is_directory(statusError) && !entry.is_symlink(statusError);
        if (skipHidden && isHidden(entry.path())) {
            if (isFolder)
                it.disable_recursion_pending();
        } else {
            visit(entry, isFolder);
            if (isFolder && skipPackages && Path::isPackageName(qPath(entry.path().filename())))
                it.disable_recursion_pending();
        }
        it.increment(error);
        if (error)
            break;
    }
}

std::optional<QDateTime> fromTimespec(std::int64_t seconds, std::int64_t nanoseconds)
{
    return QDateTime::fromMSecsSinceEpoch(seconds * 1000 + nanoseconds / 1000000);
}

} // namespace

bool Path::isPackageName(const QString& name)
{
    return name.endsWith(QStringLiteral(".bundle")) || name.endsWith(QStringLiteral(".app"));
}

bool Path::exists(const QString& path)
{
    std::error_code error;
    return !path.isEmpty() && fs::exists(fs::symlink_status(fsPath(path), error));
}

bool Path::isDirectory(const QString& path)
{
    std::error_code error;
    return !path.isEmpty() && fs::is_directory(fsPath(path), error);
}

PathType Path::pathType(const QString& path)
{
    if (!exists(path))
        return PathType::invalid;
    return isDirectory(path) ? PathType::directory : PathType::file;
}

QStringList Path::contents(const QString& folder, bool directories, unsigned options)
{
    QStringList result;
    std::error_code error;
    fs::directory_iterator it(fsPath(folder), error);
    if (error) {
        printLine(QStringLiteral("The folder \"%1\" cannot be listed: %2")
                      .arg(folder, QString::fromLocal8Bit(error.message().c_str())));
        return result;
    }
    for (const fs::directory_iterator end; it != end; it.increment(error)) {
        if (error)
            break;
        if ((options & skipsHiddenFiles) && isHidden(it->path()))
            continue;
        std::error_code statusError;
        const bool isFolder = it->is_directory(statusError);
        if (isFolder == directories)
            result.append(qPath(it->path()));
    }
    return result;
}

QStringList Path::search(const QString& folder, const QString& suffix)
{
    QStringList result;
    walk(folder, true, false, [&](const fs::directory_entry& entry, bool) {
        if (qPath(entry.path().filename()).endsWith(suffix))
            result.append(qPath(entry.path()));
    });
    return result;
}

QStringList Path::allItems(const QString& folder)
{
    QStringList result;
    walk(folder, true, true, [&](const fs::directory_entry& entry, bool) { result.append(qPath(entry.path())); });
    return result;
}

QStringList Path::files(const QString& folder)
{
    QStringList result;
    walk(folder, true, true, [&](const fs::directory_entry& entry, bool isFolder) {
        if (!isFolder)
            result.append(qPath(entry.path()));
    });
    return result;
}

QStringList Path::files(const QString& folder, const QString& suffix)
{
    QStringList result;
    for (const QString& file : files(folder)) {
        if (QFileInfo(file).fileName().endsWith(suffix))
            result.append(file);
    }
    return result;
}

QStringList Path::subdirectories(const QString& folder)
{
    QStringList result;
    walk(folder, true, true, [&](const fs::directory_entry& entry, bool isFolder) {
        if (isFolder)
            result.append(qPath(entry.path()));
    });
    return result;
}

QStringList Path::containers(bool excludingApple)
{
    QStringList result;
    for (const QString& folder : contents(directoryPath(Directory::containers), true, allOptions)) {
        if (excludingApple && QFileInfo(folder).fileName().startsWith(QStringLiteral("com.apple.")))
            continue;
        result.append(folder);
    }
    return result;
}

std::uint64_t Path::folderSize(const QString& folder)
{
    std::uint64_t total = 0;
    walk(folder, false, false, [&](const fs::directory_entry& entry, bool) {
        std::error_code error;
        if (entry.is_regular_file(error) && !entry.is_symlink(error)) {
            const std::uintmax_t size = entry.file_size(error);
            if (!error)
                total += size;
        }
    });
    return total;
}

std::uint64_t Path::fileSize(const QString& path)
{
    struct stat info {};
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return S_ISREG(info.st_mode) || S_ISLNK(info.st_mode) ? std::uint64_t(info.st_size) : 0;
}

void Path::countFolders(const QString& folder, std::int64_t& count)
{
    const QStringList folders = contents(folder, true, allOptions);
    count += folders.size();
    for (const QString& sub : folders) {
        if (!Url::isSymbolicLink(sub))
            countFolders(sub, count);
    }
}

bool Path::remove(const QString& path)
{
    std::error_code error;
    fs::remove_all(fsPath(path), error);
    if (error)
        printLine(QStringLiteral("\"%1\" cannot be removed: %2").arg(path, QString::fromLocal8Bit(error.message().c_str())));
    return !exists(path);
}

std::optional<QDateTime> Path::creationDate(const QString& path)
{
    const auto birth = Platform::FileTimes::birth(path);
    if (!birth)
        return std::nullopt;
    return fromTimespec(birth->seconds, birth->nanoseconds);
}

std::optional<QDateTime> Path::modificationDate(const QString& path)
{
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return fromTimespec(info.st_mtim.tv_sec, info.st_mtim.tv_nsec);
}

std::optional<QDateTime> Path::lastUsedDate(const QString&)
{
    return std::nullopt;
}

QIcon Path::icon(const QString& path)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
}

std::optional<QIcon> Path::iconForContentType(const QString& path)
{
    if (!Url::contentType(path))
        return std::nullopt;
    return icon(path);
}

} // namespace BaseKit
