#pragma once

#include <QUrl>

#include <functional>

namespace Platform {

// The desktop's workspace: opening addresses and files with the user's preferred application.
class Workspace {
public:
    // Hands a URL to the desktop (xdg-open or the OpenURI portal through QDesktopServices). An invalid
    // or empty URL opens nothing. Returns whether the desktop accepted it.
    static bool openUrl(const QUrl& url);

    // Replaces what openUrl hands the URL to (tests observe it there); an empty function restores
    // the desktop.
    using UrlOpener = std::function<bool(const QUrl&)>;
    static void setUrlOpener(UrlOpener opener);
};

} // namespace Platform
