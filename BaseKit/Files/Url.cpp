#include "BaseKit/Files/Url.h"

#include "BaseKit/Files/Path.h"

#include "Platform/Desktop/Folders.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>

#include <algorithm>
#include <limits>
#include <vector>

namespace BaseKit {

namespace {

bool isArchiveType(const QMimeType& type)
{
    static const char* const archives[] = {
        "application/zip", "application/x-tar", "application/gzip", "application/x-bzip2",
        "application/x-xz", "application/x-7z-compressed", "application/vnd.rar", "application/x-rar",
        "application/zstd", "application/x-cpio", "application/x-archive", "application/x-lzma",
        "application/x-lzip", "application/x-compressed-tar", "application/x-java-archive",
    };
    for (const char* name : archives) {
        if (type.inherits(QString::fromLatin1(name)))
            return true;
    }
    return false;
}

} // namespace

bool Url::isDirectory(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink();
}

QString Url::fileName(const QString& path)
{
    QString clean = path;
    while (clean.size() > 1 && clean.endsWith(QLatin1Char('/')))
        clean.chop(1);
    return QFileInfo(clean).fileName();
}

bool Url::isSymbolicLink(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() && canonical != QDir::cleanPath(QDir(path).absolutePath());
}

std::optional<QMimeType> Url::contentType(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return std::nullopt;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(info);
    if (!type.isValid())
        return std::nullopt;
    return type;
}

std::optional<QString> Url::typeIdentifier(const QString& path)
{
    if (const auto type = contentType(path))
        return type->name();
    return std::nullopt;
}

bool Url::isImage(const QString& path)
{
    const auto type = contentType(path);
    return type && type->name().startsWith(QStringLiteral("image/"));
}

bool Url::isMovie(const QString& path)
{
    const auto type = contentType(path);
    return type && type->name().startsWith(QStringLiteral("video/"));
}

bool Url::isAudio(const QString& path)
{
    const auto type = contentType(path);
    return type && type->name().startsWith(QStringLiteral("audio/"));
}

bool Url::isArchive(const QString& path)
{
    const auto type = contentType(path);
    return type && isArchiveType(*type);
}

bool Url::isPDF(const QString& path)
{
    const auto type = contentType(path);
    return type && type->inherits(QStringLiteral("application/pdf"));
}

FileType Url::fileType(const QString& path)
{
    if (isImage(path))
        return FileType::photo;
    if (isMovie(path))
        return FileType::video;
    if (isAudio(path))
        return FileType::audio;
    if (isArchive(path))
        return FileType::archive;
    if (isPDF(path))
        return FileType::document;
    return FileType::other;
}

std::uint64_t Url::size(const QString& path)
{
    switch (Path::pathType(path)) {
    case PathType::file:
        return Path::fileSize(path);
    case PathType::directory:
        return Path::folderSize(path);
    case PathType::invalid:
        break;
    }
    return 0;
}

std::optional<QString> Url::newestByModificationDate(const QStringList& paths)
{
    if (paths.isEmpty())
        return std::nullopt;
    std::vector<std::pair<qint64, QString>> dated;
    dated.reserve(paths.size());
    for (const QString& path : paths) {
        const auto date = Path::modificationDate(path);
        dated.emplace_back(date ? date->toMSecsSinceEpoch() : std::numeric_limits<qint64>::min(), path);
    }
    std::stable_sort(dated.begin(), dated.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    return dated.front().second;
}

QString Url::appending(const QString& path, const QStringList& components)
{
    QString result = path;
    for (const QString& component : components) {
        if (!result.endsWith(QLatin1Char('/')))
            result += QLatin1Char('/');
        result += component;
    }
    return result;
}

QString Url::realHomeDirectoryPath()
{
    return realHomeDirectoryPath(Platform::Folders::account());
}

QString Url::realHomeDirectoryPath(const Platform::Folders::Account& account)
{
    return account.home.isEmpty() ? QDir::homePath() : account.home;
}

} // namespace BaseKit
