#include "SystemKit/SystemKitStrings.h"

#include "BaseKit/ModuleStrings.h"

namespace SystemKit {

QString localizedString(const QString& key)
{
    static const BaseKit::ModuleStrings table(QStringLiteral("SystemKit"));
    return table.text(key);
}

} // namespace SystemKit
