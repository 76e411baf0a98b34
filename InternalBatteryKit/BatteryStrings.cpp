#include "InternalBatteryKit/BatteryStrings.h"

#include "BaseKit/ModuleStrings.h"
#include "LanguageKit/LKResources.h"

namespace InternalBatteryKit {

QString BatteryStrings::battery(const char* key)
{
    static const BaseKit::ModuleStrings table(QStringLiteral("InternalBatteryKit"));
    return table.text(QString::fromUtf8(key));
}

QString BatteryStrings::shared(LanguageKit::LKLocalizedString key)
{
    return LanguageKit::LKResources::localized(key);
}

} // namespace InternalBatteryKit
