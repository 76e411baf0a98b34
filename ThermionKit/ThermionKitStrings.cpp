#include "ThermionKit/ThermionKitStrings.h"

#include "BaseKit/ModuleStrings.h"

namespace ThermionKit {

QString localizedString(const QString& key)
{
    static const BaseKit::ModuleStrings table(QStringLiteral("ThermionKit"));
    return table.text(key);
}

} // namespace ThermionKit
