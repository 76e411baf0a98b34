// Qt's own texts in the language of the program's tables: the key names of shortcuts ("Strg+," in
// German), the standard buttons of dialogs, the context menus of text fields.
#pragma once

#include <QString>

#include <memory>

class QTranslator;

namespace LanguageKit {

class LKQtTranslations
{
public:
    // Loads Qt's catalogue for `language` ("de", "de-AT") from `folder` and installs it in the
    // application: "qt_<language>.qm", which brings the parts it names ("qtbase_<language>.qm", ...)
    // along, else "qtbase_<language>.qm" alone; a regional name falls back to its language. Without a
    // catalogue for the language, or without an application object, nothing is installed and Qt's
    // texts stay English, the language they are written in.
    explicit LKQtTranslations(const QString& language, const QString& folder = qtTranslationsFolder());
    // Removes the catalogue from the application again.
    ~LKQtTranslations();
    LKQtTranslations(const LKQtTranslations&) = delete;
    LKQtTranslations& operator=(const LKQtTranslations&) = delete;

    // Whether a catalogue was found and is installed.
    bool isInstalled() const { return m_installed; }
    // The file the catalogue was loaded from; empty when none was.
    QString fileName() const;

    // The folder Qt's catalogues are installed in (QLibraryInfo::TranslationsPath).
    static QString qtTranslationsFolder();

private:
    std::unique_ptr<QTranslator> m_translator;
    bool m_installed = false;
};

} // namespace LanguageKit
