#include "ViewKit/VKStrings.h"

#include "BaseKit/ModuleStrings.h"
#include "LanguageKit/LKResources.h"

namespace ViewKit {

namespace {

VKStrings::Lookup& installedMainTable()
{
    static VKStrings::Lookup lookup;
    return lookup;
}

} // namespace

QString VKStrings::library(const char* key)
{
    static const BaseKit::ModuleStrings table(QStringLiteral("ViewKit"));
    return table.text(QString::fromUtf8(key));
}

QString VKStrings::localized(const char* key)
{
    const QString raw = QString::fromUtf8(key);
    const auto found = LanguageKit::LKLocalizedString::fromRawValue(raw);
    return found ? LanguageKit::LKResources::localized(*found) : raw;
}

QString VKStrings::mainTable(const QString& key)
{
    const Lookup& lookup = installedMainTable();
    if (!lookup)
        return key;
    const QString text = lookup(key);
    return text.isEmpty() ? key : text;
}

void VKStrings::setMainTable(Lookup lookup)
{
    installedMainTable() = std::move(lookup);
}

} // namespace ViewKit
