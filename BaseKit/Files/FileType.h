#pragma once

#include <QString>

namespace BaseKit {

// Kinds of file.
enum class FileType {
    other = 0,
    video = 1,
    photo = 2,
    archive = 3,
    audio = 4,
    document = 5,
};

// The kind's display name from the foundation library's string table ("OTHER", "VIDEO", "PHOTO",
// "ARCHIVE", "AUDIO", "DOCUMENT"; a key without a translation shows as itself).
QString localizedName(FileType type);

} // namespace BaseKit
