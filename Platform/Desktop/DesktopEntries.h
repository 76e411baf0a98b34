#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace Platform {

// One installed application: an XDG desktop entry.
struct DesktopEntry {
    QString identifier; // the desktop-file id: the file name without ".desktop"
    QString name;       // "Name"
    QString exec;       // "Exec" with its escapes decoded, quoting and field codes as written
    QString path;       // the entry file
    QString dataDirectory; // the share folder that holds it ("/usr/share"), where its metainfo lies too
    QString localizedName; // "Name[<language>]" of the current language, else "Name"
    QString icon;          // "Icon": a theme icon name or an absolute file
    bool dbusActivatable = false; // "DBusActivatable=true"
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
    // The same for the bytes of an entry file read from `path`. Values have their escapes (\s, \n,
    // \t, \r, \\) decoded.
    static std::optional<DesktopEntry> parse(QByteArrayView bytes, const QString& path, const QString& identifier,
                                             const QString& dataDirectory);

    // Every installed application entry, folder by folder in search order and within a folder in the
    // order of their ids; an id already met in an earlier folder is passed over (also when that
    // earlier entry is hidden), entries below sub-folders get ids joined with "-".
    std::vector<DesktopEntry> scan() const;

    // The <release version="..."> texts of the entry's AppStream metainfo ("<id>.metainfo.xml", else
    // "<id>.appdata.xml", in the metainfo folder of the entry's own share folder), in file order. Empty
    // when there is no such file or it is malformed.
    static QStringList releaseVersions(const DesktopEntry& entry);

    // The program and arguments of the entry's Exec line: quoting undone, then field codes expanded
    // ("%%" a percent sign, "%c" the name, "%k" the entry file, "%i" alone "--icon" and the icon; the
    // file and URL codes and the deprecated ones give nothing). Empty when the line cannot be split
    // or holds an unknown field code.
    static QStringList command(const DesktopEntry& entry);
    // Starts the entry's program detached from this process. Returns whether it was started.
    static bool launch(const DesktopEntry& entry);

private:
    // Ids and entry files of one applications folder, sorted by file name, hidden ones included.
    static std::vector<std::pair<QString, QString>> entryFiles(const QString& applicationsFolder);

    QStringList m_directories;
};

} // namespace Platform
