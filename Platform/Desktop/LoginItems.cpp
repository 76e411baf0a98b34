#include "Platform/Desktop/LoginItems.h"

#include "Platform/Desktop/DesktopEntries.h"
#include "Platform/Desktop/Folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Platform {

namespace {

bool usableIdentifier(const QString& identifier)
{
    return !identifier.isEmpty() && !identifier.contains(QLatin1Char('/')) && !identifier.startsWith(QLatin1Char('.'));
}

// Values of a desktop entry keep to one line.
QString oneLine(QString value)
{
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    value.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return value;
}

} // namespace

QString LoginItems::folder()
{
    return Folders::configHome() + QStringLiteral("/autostart");
}

QString LoginItems::entryPath(const QString& identifier)
{
    return folder() + QLatin1Char('/') + identifier + QStringLiteral(".desktop");
}

LoginItems::Status LoginItems::status(const QString& identifier)
{
    if (!usableIdentifier(identifier))
        return Status::notFound;
    const QString path = entryPath(identifier);
    if (!QFileInfo(path).isFile())
        return Status::notRegistered;
    // read() leaves hidden entries out.
    return DesktopEntries::read(path, identifier, folder()) ? Status::enabled : Status::notRegistered;
}

bool LoginItems::registerItem(const QString& identifier, const QString& name, const QString& command)
{
    if (!usableIdentifier(identifier) || command.isEmpty() || !QDir().mkpath(folder()))
        return false;
    QSaveFile file(entryPath(identifier));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2\nX-GNOME-Autostart-enabled=true\n")
                             .arg(oneLine(name.isEmpty() ? identifier : name), oneLine(command));
    file.write(text.toUtf8());
    return file.commit();
}

bool LoginItems::unregisterItem(const QString& identifier, const Remover& remove)
{
    if (!usableIdentifier(identifier))
        return false;
    const QString path = entryPath(identifier);
    if (remove)
        remove(path);
    else
        QFile::remove(path);
    return !QFileInfo::exists(path);
}

} // namespace Platform
