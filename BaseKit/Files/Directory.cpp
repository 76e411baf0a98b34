#include "BaseKit/Files/Directory.h"

#include "BaseKit/Files/Url.h"

#include "Platform/Desktop/Folders.h"

#include <QFileInfo>

#include <functional>

namespace BaseKit {

namespace {

QString below(const QString& folder, std::initializer_list<const char*> components)
{
    QString path = folder;
    for (const char* component : components)
        path += QLatin1Char('/') + QString::fromUtf8(component);
    return path;
}

// `account` is asked for only by the folders that depend on the user's account.
QString pathOf(Directory directory, const std::function<Platform::Folders::Account()>& account)
{
    using Platform::Folders;
    switch (directory) {
    case Directory::applications:
        return Folders::systemApplications();
    case Directory::user:
        return Url::realHomeDirectoryPath(account());
    case Directory::library:
    case Directory::applicationSupport:
        return Folders::dataHome();
    case Directory::preferences:
        return Folders::configHome();
    case Directory::caches:
        return Folders::cacheHome();
    case Directory::containers:
        return below(pathOf(Directory::library, account), {"Containers"});
    case Directory::savedState:
        return Folders::stateHome();
    case Directory::trash:
        return below(Folders::dataHome(), {"Trash"});
    case Directory::appleMusicCache:
        return below(pathOf(Directory::caches, account), {"com.apple.Music"});
    case Directory::safariCache:
        return below(pathOf(Directory::containers, account), {"com.apple.safari"});
    case Directory::spotifyCache:
        return below(pathOf(Directory::caches, account), {"com.spotify.client"});
    case Directory::mailAttachments:
        return below(pathOf(Directory::library, account),
                     {"Containers", "com.apple.mail", "Data", "Library", "Mail Downloads"});
    case Directory::userLaunchAgents:
        return below(Folders::configHome(), {"autostart"});
    case Directory::userLaunchDaemons:
        return below(pathOf(Directory::library, account), {"LaunchDaemons"});
    case Directory::xcode:
        return below(pathOf(Directory::library, account), {"Developer", "Xcode"});
    case Directory::volumes:
        return Folders::volumes(account());
    case Directory::documents:
    case Directory::appDocuments:
        return Folders::documents();
    case Directory::downloads:
        return Folders::downloads();
    case Directory::safari:
        return below(pathOf(Directory::library, account), {"Safari"});
    case Directory::appleMapsCache:
        return below(pathOf(Directory::containers, account), {"com.apple.Maps"});
    case Directory::userApplications:
        return below(Folders::dataHome(), {"applications"});
    case Directory::developer:
        return below(pathOf(Directory::library, account), {"Developer"});
    }
    return {};
}

} // namespace

QString directoryPath(Directory directory)
{
    return pathOf(directory, [] { return Platform::Folders::account(); });
}

QString directoryPath(Directory directory, const Platform::Folders::Account& account)
{
    return pathOf(directory, [&account] { return account; });
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
