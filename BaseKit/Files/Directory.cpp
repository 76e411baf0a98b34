#include "BaseKit/Files/Directory.h"

#include "BaseKit/Files/Url.h"

#include "Platform/Desktop/Folders.h"

#include <QFileInfo>

namespace BaseKit {

namespace {

QString below(const QString& folder, std::initializer_list<const char*> components)
{
    QString path = folder;
    for (const char* component : components)
        path += QLatin1Char('/') + QString::fromUtf8(component);
    return path;
}

} // namespace

QString directoryPath(Directory directory)
{
    using Platform::Folders;
    switch (directory) {
    case Directory::applications:
        return Folders::systemApplications();
    case Directory::user:
        return Url::realHomeDirectoryPath();
    case Directory::library:
    case Directory::applicationSupport:
        return Folders::dataHome();
    case Directory::preferences:
        return Folders::configHome();
    case Directory::caches:
        return Folders::cacheHome();
    case Directory::containers:
        return below(directoryPath(Directory::library), {"Containers"});
    case Directory::savedState:
        return Folders::stateHome();
    case Directory::trash:
        return below(Folders::dataHome(), {"Trash"});
    case Directory::appleMusicCache:
        return below(directoryPath(Directory::caches), {"com.apple.Music"});
    case Directory::safariCache:
        return below(directoryPath(Directory::containers), {"com.apple.safari"});
    case Directory::spotifyCache:
        return below(directoryPath(Directory::caches), {"com.spotify.client"});
    case Directory::mailAttachments:
        return below(directoryPath(Directory::library),
                     {"Containers", "com.apple.mail", "Data", "Library", "Mail Downloads"});
    case Directory::userLaunchAgents:
        return below(Folders::configHome(), {"autostart"});
    case Directory::userLaunchDaemons:
        return below(directoryPath(Directory::library), {"LaunchDaemons"});
    case Directory::xcode:
        return below(directoryPath(Directory::library), {"Developer", "Xcode"});
    case Directory::volumes:
        return Folders::volumes();
    case Directory::documents:
    case Directory::appDocuments:
        return Folders::documents();
    case Directory::downloads:
        return Folders::downloads();
    case Directory::safari:
        return below(directoryPath(Directory::library), {"Safari"});
    case Directory::appleMapsCache:
        return below(directoryPath(Directory::containers), {"com.apple.Maps"});
    case Directory::userApplications:
        return below(Folders::dataHome(), {"applications"});
    case Directory::developer:
        return below(directoryPath(Directory::library), {"Developer"});
    }
    return {};
}

QUrl directoryUrl(Directory directory)
{
    return QUrl::fromLocalFile(directoryPath(directory));
}

QString directoryName(Directory directory)
{
    return QFileInfo(directoryPath(directory)).fileName();
}

} // namespace BaseKit
