#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace Platform {

// Module resource bundles. Each module ships its resources (translations, images, tables) as the folder
// "<Module>_<Module>.bundle". Installed, the bundles live in share/kestrion beside the program's bin
// folder; in the build tree they live in build/share/kestrion beside build/bin. The program's bundles
// are looked for in its ../share/kestrion, then in its own folder, then in its parent folder.
class Bundles {
public:
    // Bundles looked for in `searchFolders`, in order.
    explicit Bundles(QStringList searchFolders);

    // The bundles around the running program.
    static Bundles& program();
    // The program's candidate folders in search order.
    static QStringList programFolders();

    // The folder of "<module>_<module>.bundle", located once per module. When no candidate folder holds
    // it, a warning "unable to find bundle named <module>_<module>" is printed once and the result is
    // empty: every lookup in the missing bundle then falls back (keys show as themselves, tables are empty).
    QString find(const QString& module);

    // The path of a resource inside a module's bundle ("mac-devices.json", "translations"); empty when
    // the bundle is missing. Whether the file exists is the caller's to test.
    QString resourcePath(const QString& module, const QString& relativePath);

    // The folder that holds the bundles: the first candidate folder holding any "*.bundle" folder; empty
    // when none does.
    QString folder() const;

    // The names of the bundles in folder() ("BaseKit_BaseKit.bundle", ...), sorted ascending.
    QStringList moduleNames() const;

    // The candidate folders in search order.
    const QStringList& searchFolders() const { return m_folders; }

private:
    QStringList m_folders;
    QHash<QString, QString> m_found; // module -> bundle folder ("" when missing)
    QSet<QString> m_warned;
};

} // namespace Platform
