#include "ViewKit/VKStrings.h"

#include <QCoreApplication>

namespace ViewKit {

QString VKStrings::library(const char* key)
{
    return QCoreApplication::translate("ViewKit", key);
}

QString VKStrings::localized(const char* key)
{
    return QCoreApplication::translate("LanguageKit", key);
}

QString VKStrings::mainTable(const QString& key)
{
    const QByteArray utf8 = key.toUtf8();
    return QCoreApplication::translate("Kestrion", utf8.constData());
}

} // namespace ViewKit
