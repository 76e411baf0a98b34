#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace Platform {

// The user's well-known folders: the account's home and login name from the user database, the XDG
// base folders from the environment (with their defaults below $HOME) and the XDG user folders
// (documents, downloads) from $XDG_CONFIG_HOME/user-dirs.dirs.
class Folders {
public:
    struct Account {
        QString home;
        QString login;
    };

    // The account of the process's real user: getpwuid(getuid()); when the database has no entry,
    // $HOME and $USER (or $LOGNAME).
    static Account account();

    // The home folder that programs are given ($HOME, else the account's home).
    static QString environmentHome();

    static QString dataHome();   // $XDG_DATA_HOME, else ~/.local/share
    static QString configHome(); // $XDG_CONFIG_HOME, else ~/.config
    static QString cacheHome();  // $XDG_CACHE_HOME, else ~/.cache
    static QString stateHome();  // $XDG_STATE_HOME, else ~/.local/state
    // $XDG_DATA_DIRS, else /usr/local/share and /usr/share.
    static QStringList dataDirectories();

    // The XDG user folders, from user-dirs.dirs; the home's "Documents" and "Downloads" when the file
    // names none.
    static QString documents();
    static QString downloads();
    // The folder where removable volumes of this user (of `account`) are mounted (/media/<login>).
    static QString volumes();
    static QString volumes(const Account& account);
    // The folder of the system-wide application entries.
    static QString systemApplications();
};

} // namespace Platform
