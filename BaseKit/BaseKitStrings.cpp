#include "BaseKit/BaseKitStrings.h"

#include "BaseKit/ModuleStrings.h"

namespace BaseKit {

QString localizedString(const QString& key)
{
    static const ModuleStrings table(QStringLiteral("BaseKit"));
    return table.text(key);
}

} // namespace BaseKit
