#include "BaseKit/Bundle.h"

#include "BaseKit/BaseKitStrings.h"

#include <QCoreApplication>

namespace BaseKit {

QString Bundle::name()
{
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? localizedString(QStringLiteral("UNKNOWN_APP")) : name;
}

QString Bundle::version()
{
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? localizedString(QStringLiteral("UNKNOWN_VERSION")) : version;
}

} // namespace BaseKit
