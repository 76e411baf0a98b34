#pragma once

#include "Platform/Desktop/Folders.h"

#include <QString>
#include <QUrl>

namespace BaseKit {

// The well-known folders of the user and of the system. On Linux they are the XDG folders: the user's
// library is $XDG_DATA_HOME, preferences $XDG_CONFIG_HOME, caches $XDG_CACHE_HOME, saved state
// $XDG_STATE_HOME, the trash $XDG_DATA_HOME/Trash, launch agents the autostart folder, documents and
// downloads the XDG user folders, applications the system and user application-entry folders.
// Folders of other vendors' programs lie below those, under the names those programs use.
enum class Directory {
    applications,
    user,
    library,
    preferences,
    caches,
    applicationSupport,
    containers,
    savedState,
    trash,
    appleMusicCache,
    safariCache,
    spotifyCache,
    mailAttachments,
    userLaunchAgents,
    userLaunchDaemons,
    xcode,
    volumes,
    documents,
    downloads,
    appDocuments,
    safari,
    appleMapsCache,
    userApplications,
    developer,
};

inline constexpr int directoryCount = 24;

// The folder's path (no trailing "/"), resolved afresh on every call.
QString directoryPath(Directory directory);
// The same for the user `account` (its home and the folder of its volumes).
QString directoryPath(Directory directory, const Platform::Folders::Account& account);
// The folder as a file URL.
QUrl directoryUrl(Directory directory);
// The folder's last path component.
QString directoryName(Directory directory);

} // namespace BaseKit
