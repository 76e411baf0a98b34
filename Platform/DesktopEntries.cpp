#include "Platform/DesktopEntries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QXmlStreamReader>

namespace Platform {

namespace {

constexpr qint64 maxEntrySize = 1024 * 1024;
constexpr qint64 maxMetainfoSize = 4 * 1024 * 1024;

} // namespace

QStringList DesktopEntries::dataDirectories()
{
    QStringList directories;
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty())
        home = QDir::homePath() + QStringLiteral("/.local/share");
    directories.append(home);
    QString system = qEnvironmentVariable("XDG_DATA_DIRS");
    if (system.isEmpty())
        system = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString& directory : system.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (!directories.contains(directory))
            directories.append(directory);
    }
    return directories;
}

DesktopEntries::DesktopEntries(QStringList directories)
    : m_directories(std::move(directories))
{
}

std::optional<DesktopEntry> DesktopEntries::find(const QString& identifier) const
{
    if (identifier.isEmpty() || identifier.contains(QLatin1Char('/')))
        return std::nullopt;
    for (const QString& directory : m_directories) {
        const QString path = directory + QStringLiteral("/applications/") + identifier + QStringLiteral(".desktop");
        if (!QFileInfo(path).isFile())
            continue;
        // The first folder that holds the id decides, also when its entry is hidden.
        return read(path, identifier, directory);
    }
    return std::nullopt;
}

std::optional<DesktopEntry> DesktopEntries::read(const QString& path, const QString& identifier,
                                                 const QString& dataDirectory)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxEntrySize)
        return std::nullopt;
    const QByteArray bytes = file.read(maxEntrySize);
    DesktopEntry entry;
    entry.identifier = identifier;
    entry.path = path;
    entry.dataDirectory = dataDirectory;
    bool inMainGroup = false;
    bool sawMainGroup = false;
    QString type;
    bool hidden = false;
    for (const QByteArray& rawLine : bytes.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QStringLiteral("[Desktop Entry]");
            sawMainGroup = sawMainGroup || inMainGroup;
            continue;
        }
        if (!inMainGroup)
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QStringLiteral("Name"))
            entry.name = value;
        else if (key == QStringLiteral("Exec"))
            entry.exec = value;
        else if (key == QStringLiteral("Type"))
            type = value;
        else if (key == QStringLiteral("Hidden"))
            hidden = value == QStringLiteral("true");
    }
    if (!sawMainGroup || hidden || (!type.isEmpty() && type != QStringLiteral("Application")))
        return std::nullopt;
    return entry;
}

QStringList DesktopEntries::releaseVersions(const DesktopEntry& entry)
{
    QStringList versions;
    for (const char* suffix : {".metainfo.xml", ".appdata.xml"}) {
        QFile file(entry.dataDirectory + QStringLiteral("/metainfo/") + entry.identifier + QLatin1String(suffix));
        if (!file.exists())
            continue;
        if (!file.open(QIODevice::ReadOnly) || file.size() > maxMetainfoSize)
            return {};
        QXmlStreamReader xml(file.read(maxMetainfoSize));
        int depth = 0;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::StartElement) {
                if (++depth > 64)
                    return {};
                if (xml.name() == QStringLiteral("release")) {
                    const QString version = xml.attributes().value(QStringLiteral("version")).toString().trimmed();
                    if (!version.isEmpty())
                        versions.append(version);
                }
            } else if (token == QXmlStreamReader::EndElement) {
                --depth;
            }
        }
        if (xml.hasError())
            return {};
        return versions;
    }
    return versions;
}

QStringList DesktopEntries::command(const DesktopEntry& entry)
{
    QStringList result;
    for (const QString& part : QProcess::splitCommand(entry.exec)) {
        // "%%" is a percent sign; any other "%" and the letter after it is a field code, which stands
        // for files or addresses that are not passed here.
        QString argument;
        for (qsizetype i = 0; i < part.size(); ++i) {
            if (part[i] != QLatin1Char('%')) {
                argument.append(part[i]);
                continue;
            }
            if (i + 1 < part.size() && part[i + 1] == QLatin1Char('%'))
                argument.append(QLatin1Char('%'));
            ++i;
        }
        // An argument that was only a field code goes away.
        if (argument.isEmpty() && !part.isEmpty())
            continue;
        result.append(argument);
    }
    return result;
}

bool DesktopEntries::launch(const DesktopEntry& entry)
{
    QStringList parts = command(entry);
    if (parts.isEmpty() || parts.first().isEmpty())
        return false;
    const QString program = parts.takeFirst();
    return QProcess::startDetached(program, parts);
}

} // namespace Platform
