#include "Platform/System/AssignmentFile.h"

namespace Platform {

namespace {

QString unquoted(QString value)
{
    if (value.size() < 2 || (value.front() != QLatin1Char('"') && value.front() != QLatin1Char('\''))
        || value.back() != value.front())
        return value;
    const bool doubleQuoted = value.front() == QLatin1Char('"');
    value = value.mid(1, value.size() - 2);
    if (!doubleQuoted)
        return value;
    QString unescaped;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('\\') && i + 1 < value.size())
            ++i;
        unescaped += value[i];
    }
    return unescaped;
}

} // namespace

QStringList AssignmentFile::values(const QString& text, const QString& key)
{
    QStringList result;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char('#')) || equals <= 0 || line.left(equals) != key)
            continue;
        result.append(unquoted(line.mid(equals + 1)).trimmed());
    }
    return result;
}

} // namespace Platform
