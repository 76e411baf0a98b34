#include "BaseKit/Bundle.h"

#include "BaseKit/BaseKitStrings.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>

#include <algorithm>

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

QString Bundle::identifier()
{
    QString identifier = QGuiApplication::desktopFileName();
    if (identifier.endsWith(QStringLiteral(".desktop")))
        identifier.chop(8);
    if (!identifier.isEmpty())
        return identifier;
    QStringList parts = QCoreApplication::organizationDomain().split(QLatin1Char('.'), Qt::SkipEmptyParts);
    const QString name = QCoreApplication::applicationName().toLower().remove(QLatin1Char(' '));
    if (parts.isEmpty() || name.isEmpty())
        return {};
    std::reverse(parts.begin(), parts.end());
    return parts.join(QLatin1Char('.')) + QLatin1Char('.') + name;
}

} // namespace BaseKit
