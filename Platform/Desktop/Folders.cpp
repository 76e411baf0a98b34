#include "Platform/Desktop/Folders.h"

#include "Platform/Files/RegularFile.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace Platform {

namespace {

QString environmentFolder(const char* variable, const QString& fallbackBelowHome)
{
    const QString value = qEnvironmentVariable(variable);
    // The XDG rules ignore relative paths.
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::cleanPath(Folders::environmentHome() + QLatin1Char('/') + fallbackBelowHome);
}

// One line of user-dirs.dirs: XDG_DOCUMENTS_DIR="$HOME/Documents". Only "$HOME/..." and absolute
// paths are allowed there.
QString userDirectory(const char* key, const QString& fallbackName)
{
    const QString home = Folders::environmentHome();
    constexpr qint64 limit = 64 * 1024;
    const auto bytes = RegularFile::read(Folders::configHome() + QStringLiteral("/user-dirs.dirs"), limit);
    if (bytes && bytes->size() <= limit) {
        const QByteArray prefix = QByteArray(key) + '=';
        for (QByteArray line : bytes->split('\n')) {
            line = line.trimmed();
            if (!line.startsWith(prefix))
                continue;
            QByteArray value = line.mid(prefix.size());
            if (value.size() < 2 || !value.startsWith('"') || !value.endsWith('"'))
                continue;
            QString path = QString::fromUtf8(value.mid(1, value.size() - 2));
            if (path.startsWith(QStringLiteral("$HOME")))
                path = home + path.mid(5);
            else if (!path.startsWith(QLatin1Char('/')))
                continue;
            path = QDir::cleanPath(path);
            // A folder set to the home itself means "not set" (xdg-user-dirs' own rule).
            if (path != QDir::cleanPath(home))
                return path;
        }
    }
    return QDir::cleanPath(home + QLatin1Char('/') + fallbackName);
}

} // namespace

Folders::Account Folders::account()
{
    Account result;
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::string buffer(size > 0 ? std::size_t(size) : 16384, '\0');
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
        if (found->pw_dir && *found->pw_dir)
            result.home = QFile::decodeName(found->pw_dir);
        if (found->pw_name)
            result.login = QFile::decodeName(found->pw_name);
    }
    if (result.home.isEmpty())
        result.home = qEnvironmentVariable("HOME");
    if (result.login.isEmpty()) {
        result.login = qEnvironmentVariable("USER");
        if (result.login.isEmpty())
            result.login = qEnvironmentVariable("LOGNAME");
    }
    return result;
}

QString Folders::environmentHome()
{
    const QString home = qEnvironmentVariable("HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(home);
    return account().home;
}

QString Folders::dataHome()
{
    return environmentFolder("XDG_DATA_HOME", QStringLiteral(".local/share"));
}

QString Folders::configHome()
{
    return environmentFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
}

QString Folders::cacheHome()
{
    return environmentFolder("XDG_CACHE_HOME", QStringLiteral(".cache"));
}

QString Folders::stateHome()
{
    return environmentFolder("XDG_STATE_HOME", QStringLiteral(".local/state"));
}

QStringList Folders::dataDirectories()
{
    QStringList result;
    for (const QString& folder : qEnvironmentVariable("XDG_DATA_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder) && !result.contains(QDir::cleanPath(folder)))
            result.append(QDir::cleanPath(folder));
    }
    if (result.isEmpty())
        result = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    return result;
}

QString Folders::documents()
{
    return userDirectory("XDG_DOCUMENTS_DIR", QStringLiteral("Documents"));
}

QString Folders::downloads()
{
    return userDirectory("XDG_DOWNLOAD_DIR", QStringLiteral("Downloads"));
}

QString Folders::volumes()
{
    return volumes(account());
}

QString Folders::volumes(const Account& account)
{
    return QStringLiteral("/media/") + account.login;
}

QString Folders::systemApplications()
{
    return QStringLiteral("/usr/share/applications");
}

} // namespace Platform
