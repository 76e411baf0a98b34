// Folders of the translation tables the tests use, and a guard that gives the module's bundle another
// table for the length of one test.
#pragma once

#include "LanguageKit/LKBundle.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace LanguageKitTest {

inline QString shippedBundle()
{
    return QStringLiteral(KESTRION_BINARY_DIR "/share/kestrion/LanguageKit_LanguageKit.bundle");
}

// A German table with a few entries made for these tests (tests/fixtures/LanguageKit).
inline QString fixtureBundle()
{
    return QStringLiteral(KESTRION_BINARY_DIR "/fixtures/LanguageKit/Fixture.bundle");
}

class TableGuard
{
public:
    TableGuard(const QString& path, const QStringList& uiLanguages)
        : m_path(LanguageKit::LKBundle::bundle().path())
    {
        LanguageKit::LKBundle::bundle().load(path, uiLanguages);
    }
    ~TableGuard() { LanguageKit::LKBundle::bundle().load(m_path, QLocale::system().uiLanguages()); }
    TableGuard(const TableGuard&) = delete;
    TableGuard& operator=(const TableGuard&) = delete;

private:
    QString m_path;
};

} // namespace LanguageKitTest
