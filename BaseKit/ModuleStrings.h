#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace BaseKit {

// The string table of one module: the compiled translations in "<Module>_<Module>.bundle/translations"
// ("<Module>_<language>.qm"), loaded once for the user's interface languages
// (QLocale::system().uiLanguages()), English when none of them has a table. The key is the source
// text and the module name the context; a key without a translation comes back as the key itself.
class ModuleStrings {
public:
    explicit ModuleStrings(const QString& module);
    // Loads the table of the first of `languages` ("de-DE", "de", "en") that has one, from `folder`.
    ModuleStrings(const QString& module, const QString& folder, const QStringList& languages);
    ~ModuleStrings();
    ModuleStrings(const ModuleStrings&) = delete;
    ModuleStrings& operator=(const ModuleStrings&) = delete;

    QString text(const QString& key) const;
    // The language of the loaded table ("en", "de"); empty when none was loaded.
    QString language() const { return m_language; }

private:
    void load(const QString& folder, const QStringList& languages);

    QByteArray m_context;
    QString m_module;
    QString m_language;
    std::unique_ptr<QTranslator> m_translator;
};

} // namespace BaseKit
