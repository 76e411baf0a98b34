#include "BaseKit/Files/FileType.h"

#include "BaseKit/BaseKitStrings.h"

namespace BaseKit {

QString localizedName(FileType type)
{
    switch (type) {
    case FileType::other:
        return localizedString(QStringLiteral("OTHER"));
    case FileType::video:
        return localizedString(QStringLiteral("VIDEO"));
    case FileType::photo:
        return localizedString(QStringLiteral("PHOTO"));
    case FileType::archive:
        return localizedString(QStringLiteral("ARCHIVE"));
    case FileType::audio:
        return localizedString(QStringLiteral("AUDIO"));
    case FileType::document:
        return localizedString(QStringLiteral("DOCUMENT"));
    }
    return localizedString(QStringLiteral("OTHER"));
}

} // namespace BaseKit
