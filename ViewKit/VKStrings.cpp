#include "ViewKit/VKStrings.h"

#include "BaseKit/ModuleStrings.h"
#include "LanguageKit/LKResources.h"

#include <QCoreApplication>

namespace ViewKit {

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
    const QByteArray utf8 = key.toUtf8();
    return QCoreApplication::translate("Kestrion", utf8.constData());
}

} // namespace ViewKit
