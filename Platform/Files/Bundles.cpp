#include "Platform/Files/Bundles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QtGlobal>

namespace Platform {

namespace {

struct BundleState {
    QStringList folders;           // injected search folders; empty means the program's own
    QHash<QString, QString> found; // module -> bundle folder ("" when missing)
    QSet<QString> warned;
};

BundleState& state()
{
    static BundleState s;
    return s;
}

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

QStringList Bundles::searchFolders()
{
    if (!state().folders.isEmpty())
        return state().folders;
    const QString program = programFolder();
    if (program.isEmpty())
        return {};
    const QDir dir(program);
    return {QDir::cleanPath(dir.absoluteFilePath(QStringLiteral("../share/kestrion"))), QDir::cleanPath(program),
            QDir::cleanPath(dir.absoluteFilePath(QStringLiteral("..")))};
}

void Bundles::setSearchFolders(const QStringList& folders)
{
    state().folders = folders;
    state().found.clear();
    state().warned.clear();
}

QString Bundles::find(const QString& module)
{
    auto& s = state();
    const auto cached = s.found.constFind(module);
    if (cached != s.found.constEnd())
        return *cached;

    QString result;
    if (!module.isEmpty()) {
        const QString name = bundleName(module);
        for (const QString& candidate : searchFolders()) {
            const QFileInfo info(QDir(candidate).filePath(name));
            if (info.isDir()) {
                result = info.absoluteFilePath();
                break;
            }
        }
    }
    if (result.isEmpty() && !s.warned.contains(module)) {
        s.warned.insert(module);
        qWarning("unable to find bundle named %s_%s", qUtf8Printable(module), qUtf8Printable(module));
    }
    s.found.insert(module, result);
    return result;
}

QString Bundles::resourcePath(const QString& module, const QString& relativePath)
{
    const QString bundle = find(module);
    if (bundle.isEmpty())
        return {};
    return QDir(bundle).filePath(relativePath);
}

QString Bundles::folder()
{
    for (const QString& candidate : searchFolders()) {
        const QDir dir(candidate);
        if (!dir.entryList({QStringLiteral("*.bundle")}, QDir::Dirs | QDir::NoDotAndDotDot).isEmpty())
            return dir.absolutePath();
    }
    return {};
}

QStringList Bundles::moduleNames()
{
    const QString where = folder();
    if (where.isEmpty())
        return {};
    return QDir(where).entryList({QStringLiteral("*_*.bundle")}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace Platform
