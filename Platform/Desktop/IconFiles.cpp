#include "Platform/Desktop/IconFiles.h"

#include "Platform/Desktop/Folders.h"

#include <QDir>
#include <QFileInfo>

namespace Platform {

QStringList IconFiles::dataDirectories()
{
    QStringList folders{Folders::dataHome()};
    for (const QString& folder : Folders::dataDirectories()) {
        if (!folders.contains(folder))
            folders.append(folder);
    }
    return folders;
}

QString IconFiles::find(const QString& iconValue)
{
    if (iconValue.isEmpty())
        return {};
    if (QDir::isAbsolutePath(iconValue))
        return QFileInfo(iconValue).isFile() ? iconValue : QString();
    if (iconValue.contains(QLatin1Char('/')))
        return {};
    static const char* const sizes[] = {"scalable", "512x512", "256x256", "128x128", "96x96", "64x64",
                                        "48x48", "32x32", "24x24", "22x22", "16x16"};
    static const char* const extensions[] = {".png", ".svg", ".xpm"};
    const QStringList folders = dataDirectories();
    for (const QString& folder : folders) {
        for (const char* size : sizes) {
            for (const char* extension : extensions) {
                const QString path = folder + QStringLiteral("/icons/hicolor/") + QLatin1String(size) + QStringLiteral("/apps/")
                                     + iconValue + QLatin1String(extension);
                if (QFileInfo(path).isFile())
                    return path;
            }
        }
    }
    for (const QString& folder : folders) {
        for (const char* extension : extensions) {
            const QString path = folder + QStringLiteral("/pixmaps/") + iconValue + QLatin1String(extension);
            if (QFileInfo(path).isFile())
                return path;
        }
    }
    return {};
}

} // namespace Platform
