#include "LanguageKit/LKQtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

namespace LanguageKit {

namespace {

// "de-AT" gives de_AT, then de; English, whose texts Qt is written in, gives nothing to load.
QStringList languageNames(const QString& language)
{
    QString name = language;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("en")
        || name.startsWith(QLatin1String("en_")))
        return {};
    QStringList names{name};
    const qsizetype cut = name.indexOf(QLatin1Char('_'));
    if (cut > 0)
        names << name.left(cut);
    return names;
}

} // namespace

LKQtTranslations::LKQtTranslations(const QString& language, const QString& folder)
    : m_translator(std::make_unique<QTranslator>())
{
    if (folder.isEmpty() || !QCoreApplication::instance())
        return;
    const QDir dir(folder);
    for (const QString& catalogue : {QStringLiteral("qt"), QStringLiteral("qtbase")}) {
        for (const QString& name : languageNames(language)) {
            const QString file = dir.filePath(catalogue + QLatin1Char('_') + name + QStringLiteral(".qm"));
            if (QFileInfo(file).isFile() && m_translator->load(file)) {
                m_installed = QCoreApplication::installTranslator(m_translator.get());
                return;
            }
        }
    }
}

LKQtTranslations::~LKQtTranslations()
{
    if (m_installed && QCoreApplication::instance())
        QCoreApplication::removeTranslator(m_translator.get());
}

QString LKQtTranslations::fileName() const
{
    return m_installed ? m_translator->filePath() : QString();
}

QString LKQtTranslations::qtTranslationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace LanguageKit
