#pragma once

#include "BaseKit/Files/FileType.h"

#include "Platform/Desktop/Folders.h"

#include <QMimeType>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace BaseKit {

// Questions about a file or folder by its path, answered from what is on disk at the time of the call.
// Kinds come from the shared MIME database (by content and name): a PNG picture is an image, an MP3
// track audio.
class Url {
public:
    // A folder (not a link to one); false when nothing is there.
    static bool isDirectory(const QString& path);
    static QString fileName(const QString& path);
    // Resolving the links in the path gives another path.
    static bool isSymbolicLink(const QString& path);
    // The MIME type name ("image/png"); none when nothing readable is there.
    static std::optional<QString> typeIdentifier(const QString& path);
    static std::optional<QMimeType> contentType(const QString& path);

    static bool isImage(const QString& path);
    static bool isMovie(const QString& path);
    static bool isAudio(const QString& path);
    static bool isArchive(const QString& path);
    static bool isPDF(const QString& path);
    // The first kind test that passes, in the order image, movie, audio, archive, PDF; else other.
    static FileType fileType(const QString& path);

    // Size in bytes of the file, or of everything below the folder; 0 when nothing is there.
    static std::uint64_t size(const QString& path);
    // The path with the latest modification time (a path that cannot be read counts as the oldest);
    // of equal times the first. None for an empty list.
    static std::optional<QString> newestByModificationDate(const QStringList& paths);

    // The path with each component appended in turn.
    static QString appending(const QString& path, const QStringList& components);

    // The home folder of the account in the user database (not $HOME), else $HOME.
    static QString realHomeDirectoryPath();
    // The home folder of `account`, else $HOME.
    static QString realHomeDirectoryPath(const Platform::Folders::Account& account);
};

} // namespace BaseKit
