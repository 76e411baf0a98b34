#include "BaseKit/Services/SystemSettings.h"

#include "BaseKit/Workspace/Workspace.h"

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

void SystemSettings::openPage(SystemSettingsPage page)
{
    Workspace::openUrlString(QString::fromLatin1(link(page)));
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
