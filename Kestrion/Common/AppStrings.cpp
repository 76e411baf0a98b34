#include "Kestrion/Common/AppStrings.h"

#include "BaseKit/ModuleStrings.h"
#include "ViewKit/VKStrings.h"

namespace Kestrion {

namespace {
const BaseKit::ModuleStrings& table()
{
    static const BaseKit::ModuleStrings strings(QStringLiteral("Kestrion"));
    return strings;
}
} // namespace

QString AppStrings::text(const char* key)
{
    return table().text(QString::fromUtf8(key));
}

QString AppStrings::text(const QString& key)
{
    return table().text(key);
}

void AppStrings::install()
{
    ViewKit::VKStrings::setMainTable([](const QString& key) { return table().text(key); });
}

} // namespace Kestrion
