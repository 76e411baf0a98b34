#pragma once

#include <QString>
#include <QStringList>

namespace Platform {

// Icon files of desktop entries: the value of an entry's "Icon" key is an absolute file, or a name
// looked up in the "hicolor" theme (largest size first, scalable before fixed sizes) and then among
// the pixmaps of each share folder ($XDG_DATA_HOME, then $XDG_DATA_DIRS).
class IconFiles {
public:
    // The icon file for the value; empty when none exists.
    static QString find(const QString& iconValue);
    // The share folders searched, in order.
    static QStringList dataDirectories();
};

} // namespace Platform
