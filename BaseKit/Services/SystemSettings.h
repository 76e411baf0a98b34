#pragma once

#include <QIcon>

namespace BaseKit {

enum class SystemSettingsPage { privacy, sharing, fullDiskAccess };

// Pages of the system's settings application. The links are another system's deep links, which no
// Linux desktop handles: opening a page or the application opens nothing.
class SystemSettings {
public:
    // The deep link of a page, character for character.
    static const char* link(SystemSettingsPage page);
    // Opens nothing: the link is not handed to the desktop's URL opener.
    static void openPage(SystemSettingsPage page);
    // Opens the settings application without a page: there is no such address here, so nothing opens.
    static void open();
    // The desktop's settings icon from the icon theme; the generic file icon without one.
    static QIcon icon();
};

} // namespace BaseKit
