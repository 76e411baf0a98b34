#pragma once

#include <QString>
#include <QStringList>

namespace Platform {

// Module resource bundles. Each module ships its resources (translations, images, tables) as the folder
// "<Module>_<Module>.bundle". Installed, the bundles live in share/kestrion beside the program's bin
// folder; in the build tree they live in build/share/kestrion beside build/bin. A bundle is looked for in
// the program's ../share/kestrion, then in the program's own folder, then in its parent folder.
class Bundles {
public:
    // The folder of "<module>_<module>.bundle", located once per module. When no candidate folder holds
    // it, a warning "unable to find bundle named <module>_<module>" is printed once and the result is
    // empty: every lookup in the missing bundle then falls back (keys show as themselves, tables are empty).
    static QString find(const QString& module);

    // The path of a resource inside a module's bundle ("mac-devices.json", "translations"); empty when
    // the bundle is missing. Whether the file exists is the caller's to test.
    static QString resourcePath(const QString& module, const QString& relativePath);

    // The folder that holds the bundles: the first candidate folder holding any "*.bundle" folder; empty
    // when none does.
    static QString folder();

    // The names of the bundles in folder() ("BaseKit_BaseKit.bundle", ...), sorted ascending.
    static QStringList moduleNames();

    // The candidate folders in search order.
    static QStringList searchFolders();

    // Replaces the candidate folders (tests) and forgets every located bundle; an empty list restores
    // the folders around the program.
    static void setSearchFolders(const QStringList& folders);
};

} // namespace Platform
