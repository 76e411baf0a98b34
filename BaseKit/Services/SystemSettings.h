#pragma once

#include <QIcon>

namespace BaseKit {

enum class SystemSettingsPage { privacy, sharing, fullDiskAccess };

// Pages of the system's settings application. These are the other system's deep links: on a desktop
// that has no handler for them nothing opens.
class SystemSettings {
public:
    // The deep link of a page, character for character.
    static const char* link(SystemSettingsPage page);
    static void openPage(SystemSettingsPage page);
    // Opens the settings application without a page: there is no such address here, so nothing opens.
    static void open();
    // The desktop's settings icon from the icon theme; the generic file icon without one.
    static QIcon icon();
};

} // namespace BaseKit
