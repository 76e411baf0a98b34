#include "SystemKit/SystemKitStrings.h"

#include "BaseKit/ModuleStrings.h"

namespace SystemKit {

QString SystemKitStrings::text(const char* key)
{
    static const BaseKit::ModuleStrings table(QStringLiteral("SystemKit"));
    return table.text(QString::fromUtf8(key));
}

} // namespace SystemKit
