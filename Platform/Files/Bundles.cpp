#include "Platform/Files/Bundles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QtGlobal>

namespace Platform {

namespace {

QString programFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    const QFileInfo exe(QStringLiteral("/proc/self/exe"));
    const QString target = exe.canonicalFilePath();
    return target.isEmpty() ? QString() : QFileInfo(target).absolutePath();
}

QString bundleName(const QString& module)
{
    return module + QLatin1Char('_') + module + QStringLiteral(".bundle");
}

} // namespace

Bundles::Bundles(QStringList searchFolders)
    : m_folders(std::move(searchFolders))
{
}

Bundles& Bundles::program()
{
    static Bundles bundles(programFolders());
    return bundles;
}

QStringList Bundles::programFolders()
{
    const QString program = programFolder();
    if (program.isEmpty())
        return {};
    const QDir dir(program);
    return {QDir::cleanPath(dir.absoluteFilePath(QStringLiteral("../share/kestrion"))), QDir::cleanPath(program),
            QDir::cleanPath(dir.absoluteFilePath(QStringLiteral("..")))};
}

QString Bundles::find(const QString& module)
{
    const auto cached = m_found.constFind(module);
    if (cached != m_found.constEnd())
        return *cached;

    QString result;
    if (!module.isEmpty()) {
        const QString name = bundleName(module);
        for (const QString& candidate : m_folders) {
            const QFileInfo info(QDir(candidate).filePath(name));
            if (info.isDir()) {
                result = info.absoluteFilePath();
                break;
            }
        }
    }
    if (result.isEmpty() && !m_warned.contains(module)) {
        m_warned.insert(module);
        qWarning("unable to find bundle named %s_%s", qUtf8Printable(module), qUtf8Printable(module));
    }
    m_found.insert(module, result);
    return result;
}

QString Bundles::resourcePath(const QString& module, const QString& relativePath)
{
    const QString bundle = find(module);
    if (bundle.isEmpty())
        return {};
    return QDir(bundle).filePath(relativePath);
}

QString Bundles::folder() const
{
    for (const QString& candidate : m_folders) {
        const QDir dir(candidate);
        if (!dir.entryList({QStringLiteral("*.bundle")}, QDir::Dirs | QDir::NoDotAndDotDot).isEmpty())
            return dir.absolutePath();
    }
    return {};
}

QStringList Bundles::moduleNames() const
{
    const QString where = folder();
    if (where.isEmpty())
        return {};
    return QDir(where).entryList({QStringLiteral("*_*.bundle")}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace Platform
