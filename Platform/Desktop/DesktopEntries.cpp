#include "Platform/Desktop/DesktopEntries.h"

#include "Platform/Files/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QLocale>
#include <QXmlStreamReader>

#include <algorithm>
#include <string_view>

namespace Platform {

namespace {

constexpr qint64 maxEntrySize = 1024 * 1024;
// A metainfo file is some kilobytes, a large one with many translations a few hundred.
constexpr qint64 maxMetainfoSize = 1024 * 1024;
// Qt's XML reader compares every attribute of an element with each other one, and the element's and
// every prefixed name's namespace with each declaration in scope: its cost grows with the square of
// these counts. Metainfo elements carry a handful of attributes and files declare no namespace or one.
constexpr int maxMetainfoAttributes = 32;
constexpr int maxMetainfoNamespaces = 16;

// A value of type string with its escapes decoded: \s a space, \n a line break, \t a tab, \r a
// carriage return, \\ a backslash. Any other backslash stays as written (the Exec key's quoting
// reads those).
QString unescaped(const QString& value)
{
    if (!value.contains(QLatin1Char('\\')))
        return value;
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            result.append(c);
            continue;
        }
        switch (value[i + 1].unicode()) {
        case 's': result.append(QLatin1Char(' ')); break;
        case 'n': result.append(QLatin1Char('\n')); break;
        case 't': result.append(QLatin1Char('\t')); break;
        case 'r': result.append(QLatin1Char('\r')); break;
        case '\\': result.append(QLatin1Char('\\')); break;
        default: result.append(c); continue;
        }
        ++i;
    }
    return result;
}

// The arguments of an Exec value (escapes already decoded), quoting undone: blanks separate
// arguments; an argument may be enclosed in double quotes, inside which a backslash makes the next
// '"', '`', '$' or '\\' literal; outside quotes a backslash makes the next character literal. None
// when a quote is left open or the line ends in a lone backslash.
std::optional<QStringList> execArguments(const QString& exec)
{
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                quoted = false;
            } else if (c == QLatin1Char('\\') && i + 1 < exec.size()
                       && QStringView(u"\"`$\\").contains(exec[i + 1])) {
                current.append(exec[++i]);
            } else {
                current.append(c);
            }
            continue;
        }
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (inArgument)
                arguments.append(std::exchange(current, QString()));
            inArgument = false;
            continue;
        }
        inArgument = true;
        if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char('\\')) {
            if (++i == exec.size())
                return std::nullopt;
            current.append(exec[i]);
        } else {
            current.append(c);
        }
    }
    if (quoted)
        return std::nullopt;
    if (inArgument)
        arguments.append(current);
    return arguments;
}

// Whether the XML reader may be given `xml`, checked in one pass: no element has more than
// maxMetainfoAttributes attributes, the file declares at most maxMetainfoNamespaces namespaces, and it
// holds no document type with declarations of its own (their attribute defaults are looked up at every
// element; metainfo has none) and no NUL byte (UTF-8 holds none; UTF-16 would not be read by bytes).
// A file whose markup does not end is refused too: the reader would refuse it as malformed.
bool fitsTheXmlReader(QByteArrayView xml)
{
    if (xml.contains('\0'))
        return false;
    const char* const end = xml.data() + xml.size();
    const auto skipPast = [end](const char* from, std::string_view closing) -> const char* {
        const auto at = std::search(from, end, closing.begin(), closing.end());
        return at == end ? nullptr : at + closing.size();
    };
    const auto startsWith = [end](const char* at, std::string_view text) {
        return std::size_t(end - at) >= text.size() && std::equal(text.begin(), text.end(), at);
    };
    int namespaces = 0;
    for (const char* at = xml.data(); at != end;) {
        if (*at != '<') {
            ++at;
            continue;
        }
        // Comments, character data and processing instructions are passed over whole.
        std::string_view closing;
        std::size_t opening = 0;
        if (startsWith(at, "<!--"))
            closing = "-->", opening = 4;
        else if (startsWith(at, "<![CDATA["))
            closing = "]]>", opening = 9;
        else if (startsWith(at, "<?"))
            closing = "?>", opening = 2;
        if (opening) {
            at = skipPast(at + opening, closing);
            if (!at)
                return false;
            continue;
        }
        // A tag or a declaration, up to its '>' outside quotes: one attribute per '=' and a namespace
        // per name that starts with "xmlns".
        const bool declaration = startsWith(at, "<!");
        int attributes = 0;
        char quote = 0;
        const char* name = nullptr; // where the last word outside quotes began
        bool afterBlank = true;
        for (++at;; ++at) {
            if (at == end)
                return false;
            const char c = *at;
            if (quote) {
                quote = c == quote ? 0 : quote;
                continue;
            }
            if (c == '>')
                break;
            if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '[' && declaration) {
                return false;
            } else if (c == '=') {
                if (++attributes > maxMetainfoAttributes)
                    return false;
                if (name && startsWith(name, "xmlns") && ++namespaces > maxMetainfoNamespaces)
                    return false;
                name = nullptr;
            } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
                afterBlank = true;
            } else {
                if (afterBlank)
                    name = at;
                afterBlank = false;
            }
        }
        ++at;
    }
    return true;
}

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
    const auto bytes = RegularFile::read(path, maxEntrySize);
    if (!bytes || bytes->size() > maxEntrySize)
        return std::nullopt;
    return parse(*bytes, path, identifier, dataDirectory);
}

std::optional<DesktopEntry> DesktopEntries::parse(QByteArrayView bytes, const QString& path, const QString& identifier,
                                                  const QString& dataDirectory)
{
    if (bytes.size() > maxEntrySize)
        return std::nullopt;
    DesktopEntry entry;
    entry.identifier = identifier;
    entry.path = path;
    entry.dataDirectory = dataDirectory;
    bool inMainGroup = false;
    bool sawMainGroup = false;
    QString type;
    bool hidden = false;
    // Name[xx_YY] and Name[xx] of the current language, found in any order.
    const QString language = QLocale().name(); // "de_DE"
    const QString shortLanguage = language.section(QLatin1Char('_'), 0, 0);
    QString nameForLanguage;
    QString nameForShortLanguage;
    const QString text = QString::fromUtf8(bytes);
    for (const QStringView rawLine : QStringView(text).split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed().toString();
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
        const QString value = unescaped(line.mid(equals + 1).trimmed());
        if (key == QStringLiteral("Name"))
            entry.name = value;
        else if (key == QStringLiteral("Exec"))
            entry.exec = value;
        else if (key == QStringLiteral("Type"))
            type = value;
        else if (key == QStringLiteral("Hidden"))
            hidden = value == QStringLiteral("true");
        else if (key == QStringLiteral("Icon"))
            entry.icon = value;
        else if (key == QStringLiteral("DBusActivatable"))
            entry.dbusActivatable = value == QStringLiteral("true");
        else if (key == QStringLiteral("Name[") + language + QLatin1Char(']'))
            nameForLanguage = value;
        else if (key == QStringLiteral("Name[") + shortLanguage + QLatin1Char(']'))
            nameForShortLanguage = value;
    }
    entry.localizedName = !nameForLanguage.isEmpty() ? nameForLanguage
                          : !nameForShortLanguage.isEmpty() ? nameForShortLanguage
                                                            : entry.name;
    if (!sawMainGroup || hidden || (!type.isEmpty() && type != QStringLiteral("Application")))
        return std::nullopt;
    return entry;
}

std::vector<std::pair<QString, QString>> DesktopEntries::entryFiles(const QString& applicationsFolder)
{
    std::vector<std::pair<QString, QString>> files;
    const QString root = QDir::cleanPath(applicationsFolder);
    // Depth-first below the folder, links to folders not entered, so a link loop cannot trap the scan.
    std::vector<QString> folders{root};
    while (!folders.empty()) {
        const QString folder = folders.back();
        folders.pop_back();
        const QFileInfoList items = QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                                              QDir::Name);
        for (const QFileInfo& item : items) {
            if (item.isDir()) {
                if (!item.isSymLink())
                    folders.push_back(item.filePath());
                continue;
            }
            const QString name = item.fileName();
            if (!name.endsWith(QStringLiteral(".desktop")) || name.size() == 8)
                continue;
            QString identifier = item.filePath().mid(root.size() + 1);
            identifier.chop(8);
            identifier.replace(QLatin1Char('/'), QLatin1Char('-'));
            files.emplace_back(identifier, item.filePath());
        }
    }
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return files;
}

std::vector<DesktopEntry> DesktopEntries::scan() const
{
    std::vector<DesktopEntry> entries;
    QStringList seen;
    for (const QString& directory : m_directories) {
        for (const auto& [identifier, path] : entryFiles(directory + QStringLiteral("/applications"))) {
            if (seen.contains(identifier))
                continue;
            seen.append(identifier);
            if (auto entry = read(path, identifier, directory))
                entries.push_back(std::move(*entry));
        }
    }
    return entries;
}

QStringList DesktopEntries::releaseVersions(const DesktopEntry& entry)
{
    QStringList versions;
    for (const char* suffix : {".metainfo.xml", ".appdata.xml"}) {
        const QString path = entry.dataDirectory + QStringLiteral("/metainfo/") + entry.identifier + QLatin1String(suffix);
        if (!QFile::exists(path))
            continue;
        const auto bytes = RegularFile::read(path, maxMetainfoSize);
        if (!bytes || bytes->size() > maxMetainfoSize || !fitsTheXmlReader(*bytes))
            return {};
        QXmlStreamReader xml(*bytes);
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
    const auto arguments = execArguments(entry.exec);
    if (!arguments)
        return {};
    QStringList result;
    for (const QString& argument : *arguments) {
        // Codes that stand for files or URLs expand to nothing here (none are passed), the deprecated
        // ones are dropped; "%i" alone is the icon option.
        static const QStringList dropped{QStringLiteral("%f"), QStringLiteral("%F"), QStringLiteral("%u"),
                                         QStringLiteral("%U"), QStringLiteral("%d"), QStringLiteral("%D"),
                                         QStringLiteral("%n"), QStringLiteral("%N"), QStringLiteral("%v"),
                                         QStringLiteral("%m")};
        if (dropped.contains(argument))
            continue;
        if (argument == QStringLiteral("%i")) {
            if (!entry.icon.isEmpty())
                result << QStringLiteral("--icon") << entry.icon;
            continue;
        }
        // One pass from left to right, so that "%%" gives a "%" that no later code takes.
        QString expanded;
        expanded.reserve(argument.size());
        for (qsizetype i = 0; i < argument.size(); ++i) {
            if (argument[i] != QLatin1Char('%')) {
                expanded.append(argument[i]);
                continue;
            }
            if (++i == argument.size())
                return {};
            switch (argument[i].unicode()) {
            case '%': expanded.append(QLatin1Char('%')); break;
            case 'c': expanded.append(entry.localizedName.isEmpty() ? entry.name : entry.localizedName); break;
            case 'k': expanded.append(entry.path); break;
            case 'f': case 'F': case 'u': case 'U': case 'd': case 'D': case 'n': case 'N': case 'v': case 'm':
            case 'i':
                break;
            default:
                return {}; // an unknown code makes the whole line invalid
            }
        }
        result.append(expanded);
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
