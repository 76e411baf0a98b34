#include "BaseKit/Services/SystemSettings.h"

#include <QFileIconProvider>
#include <QString>

namespace BaseKit {

const char* SystemSettings::link(SystemSettingsPage page)
{
    switch (page) {
    case SystemSettingsPage::privacy:
        return "x-apple.systempreferences:com.apple.settings.PrivacySecurity.extension";
    case SystemSettingsPage::sharing:
        return "x-apple.systempreferences:com.apple.Sharing-Settings.extension";
    case SystemSettingsPage::fullDiskAccess:
        return "x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles";
    }
    return "";
}

void SystemSettings::openPage(SystemSettingsPage)
{
    // The links name pages of another system's settings application. No desktop here knows their
    // scheme: handed to the URL opener they would only fail (or ask the user for a handler), so
    // nothing opens.
}

void SystemSettings::open()
{
    // A file path made of a URL scheme names no file; opening it would only fail.
}

QIcon SystemSettings::icon()
{
    const QIcon themed = QIcon::fromTheme(QStringLiteral("preferences-system"));
    if (!themed.isNull())
        return themed;
    return QFileIconProvider().icon(QFileIconProvider::File);
}

} // namespace BaseKit
