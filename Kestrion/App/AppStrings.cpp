#include "Kestrion/App/AppStrings.h"

#include "BaseKit/ModuleStrings.h"
#include "Platform/Bundles.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

namespace Kestrion {

namespace {
const BaseKit::ModuleStrings& table()
{
    static const BaseKit::ModuleStrings strings(QStringLiteral("Kestrion"));
    return strings;
}
} // namespace

QString AppStrings::text(const char* key)
{
    return table().text(QString::fromUtf8(key));
}

void AppStrings::install()
{
    static bool installed = false;
    if (installed || !QCoreApplication::instance())
        return;
    installed = true;
    const QString language = table().language();
    if (language.isEmpty())
        return;
    const QString folder = Platform::Bundles::resourcePath(QStringLiteral("Kestrion"), QStringLiteral("translations"));
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QDir(folder).filePath(QStringLiteral("Kestrion_") + language + QStringLiteral(".qm"))))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace Kestrion
