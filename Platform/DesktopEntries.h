#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace Platform {

// One installed application: an XDG desktop entry.
struct DesktopEntry {
    QString identifier; // the desktop-file id: the file name without ".desktop"
    QString name;       // "Name"
    QString exec;       // "Exec", as written
    QString path;       // the entry file
    QString dataDirectory; // the share folder that holds it ("/usr/share"), where its metainfo lies too
};

// Installed applications as the desktop lists them: desktop entries in the applications folders of
// $XDG_DATA_HOME, then of each $XDG_DATA_DIRS folder (the first folder holding an id decides; an entry
// with "Hidden=true" there means the application is not installed). Every look-up costs a stat(2) per
// folder and one read of the entry found, so it may be repeated every second.
class DesktopEntries {
public:
    // The share folders in search order, from the environment with the XDG defaults.
    static QStringList dataDirectories();

    explicit DesktopEntries(QStringList dataDirectories = DesktopEntries::dataDirectories());

    const QStringList& directories() const { return m_directories; }

    // The entry of that id, or none.
    std::optional<DesktopEntry> find(const QString& identifier) const;
    // Reads one entry file; none when it is no readable application entry or it is hidden.
    static std::optional<DesktopEntry> read(const QString& path, const QString& identifier,
                                            const QString& dataDirectory);

    // The <release version="..."> texts of the entry's AppStream metainfo ("<id>.metainfo.xml", else
    // "<id>.appdata.xml", in the metainfo folder of the entry's own share folder), in file order. Empty
    // when there is no such file or it is malformed.
    static QStringList releaseVersions(const DesktopEntry& entry);

    // The program and arguments of the entry's Exec line with the field codes (%f, %U, ...) removed;
    // empty when the line cannot be split.
    static QStringList command(const DesktopEntry& entry);
    // Starts the entry's program detached from this process. Returns whether it was started.
    static bool launch(const DesktopEntry& entry);

private:
    QStringList m_directories;
};

} // namespace Platform
