// A temporary home with XDG folders of its own, set in the environment for one test and restored
// afterwards, and small helpers that write files into it.
#pragma once

#include "Platform/Desktop/Folders.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

class XdgScope {
public:
    // With `setEnvironment` false only the temporary tree is made: the kind tests need the machine's
    // MIME database, which lives in the share folders of $XDG_DATA_DIRS.
    explicit XdgScope(bool setEnvironment = true)
    {
        QDir().mkpath(root() + QStringLiteral("/home"));
        if (!setEnvironment)
            return;
        for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                                 "XDG_DATA_DIRS"}) {
            const char* value = std::getenv(name);
            m_saved[name] = value ? std::optional<std::string>(value) : std::nullopt;
        }
        set("HOME", root() + QStringLiteral("/home"));
        set("XDG_DATA_HOME", root() + QStringLiteral("/home/.local/share"));
        set("XDG_CONFIG_HOME", root() + QStringLiteral("/home/.config"));
        set("XDG_CACHE_HOME", root() + QStringLiteral("/home/.cache"));
        set("XDG_STATE_HOME", root() + QStringLiteral("/home/.local/state"));
        set("XDG_DATA_DIRS", root() + QStringLiteral("/usr/local/share:") + root() + QStringLiteral("/usr/share"));
        linkMachineMimeDatabase();
    }
    ~XdgScope()
    {
        for (const auto& [name, value] : m_saved) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }
    XdgScope(const XdgScope&) = delete;
    XdgScope& operator=(const XdgScope&) = delete;

    QString root() const { return m_dir.path(); }

    static void set(const char* name, const QString& value) { ::setenv(name, value.toUtf8().constData(), 1); }
    static void unset(const char* name) { ::unsetenv(name); }

    // Writes `text` to root()/relative, making the folders on the way; returns the full path.
    QString write(const QString& relative, const QByteArray& text) const
    {
        const QString path = root() + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
        return path;
    }

private:
    // Qt reads the MIME database from the share folders of $XDG_DATA_DIRS and keeps what it found for
    // a few seconds, for the whole process. Were the temporary share folders without one, a test
    // that looks up a file's type here would leave the process with no types for the next tests
    // (Qt builds without a database of its own have none to fall back on). The temporary share
    // folder therefore holds a link to the machine's database: the types are facts of the
    // release, not of the tests' trees.
    void linkMachineMimeDatabase() const
    {
        const std::optional<std::string>& saved = m_saved.at("XDG_DATA_DIRS");
        const QString dirs = saved && !saved->empty() ? QString::fromStdString(*saved)
                                                      : QStringLiteral("/usr/local/share:/usr/share");
        for (const QString& dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            const QString mime = dir + QStringLiteral("/mime");
            if (QFileInfo::exists(mime + QStringLiteral("/mime.cache"))) {
                QDir().mkpath(root() + QStringLiteral("/usr/share"));
                QFile::link(mime, root() + QStringLiteral("/usr/share/mime"));
                return;
            }
        }
    }

    QTemporaryDir m_dir;
    std::map<std::string, std::optional<std::string>> m_saved;
};
