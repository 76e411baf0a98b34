#include "BaseKit/ModuleStrings.h"

#include "Platform/Files/Bundles.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

namespace BaseKit {

ModuleStrings::ModuleStrings(const QString& module)
    : m_context(module.toUtf8()), m_module(module), m_translator(std::make_unique<QTranslator>())
{
    QStringList languages = QLocale::system().uiLanguages();
    languages << QStringLiteral("en");
    load(Platform::Bundles::program().resourcePath(module, QStringLiteral("translations")), languages);
}

ModuleStrings::ModuleStrings(const QString& module, const QString& folder, const QStringList& languages)
    : m_context(module.toUtf8()), m_module(module), m_translator(std::make_unique<QTranslator>())
{
    load(folder, languages);
}

ModuleStrings::~ModuleStrings() = default;

void ModuleStrings::load(const QString& folder, const QStringList& languages)
{
    if (folder.isEmpty())
        return;
    const QDir dir(folder);
    for (const QString& language : languages) {
        // "de-DE" tries de_DE, then de; "C" and other non-languages find no file.
        QString name = language;
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        QStringList tries{name};
        const qsizetype cut = name.indexOf(QLatin1Char('_'));
        if (cut > 0)
            tries << name.left(cut);
        for (const QString& candidate : tries) {
            const QString file = dir.filePath(m_module + QLatin1Char('_') + candidate + QStringLiteral(".qm"));
            if (QFileInfo(file).isFile() && m_translator->load(file)) {
                m_language = candidate;
                return;
            }
        }
    }
}

QString ModuleStrings::text(const QString& key) const
{
    if (m_language.isEmpty())
        return key;
    const QString found = m_translator->translate(m_context.constData(), key.toUtf8().constData());
    return found.isEmpty() ? key : found;
}

} // namespace BaseKit
