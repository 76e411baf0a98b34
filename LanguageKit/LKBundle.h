// The module's resource bundle, LanguageKit_LanguageKit.bundle: its folder and the translation table
// chosen for the user's UI languages.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <shared_mutex>

namespace BaseKit {
class ModuleStrings;
}

namespace LanguageKit {

class LKBundle
{
public:
    // The module's bundle, found (Platform::Bundles) and loaded once, on first use, for
    // QLocale::system()'s UI languages. A missing bundle stops nothing: every lookup then gives its key.
    static LKBundle& bundle();

    // A bundle at `path` with the table for `uiLanguages` (most preferred first).
    LKBundle(const QString& path, const QStringList& uiLanguages);
    ~LKBundle();
    LKBundle(const LKBundle&) = delete;
    LKBundle& operator=(const LKBundle&) = delete;

    // The bundle folder; empty when no bundle was found.
    QString path() const;
    // The language of the table in use ("de", "en"); empty when there is none.
    QString language() const;
    // The translation of `key`; the key itself when the table has none, or there is no table.
    QString localizedString(const QString& key) const;

    // Reloads the table from `path` for `uiLanguages`: the first UI language with a table of its own
    // (a regional name such as "de-AT" falls back to "de"), else English, in which the texts are
    // written. Lookups running on other threads see the old or the new table, whole.
    void load(const QString& path, const QStringList& uiLanguages);

    // The module's name, which is the translation context and the prefix of the table files.
    static constexpr const char* moduleName = "LanguageKit";

private:
    mutable std::shared_mutex m_lock;
    QString m_path;
    std::shared_ptr<const BaseKit::ModuleStrings> m_table;
};

} // namespace LanguageKit
