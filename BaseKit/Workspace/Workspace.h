#pragma once

#include "Platform/Desktop/Workspace.h"

#include <QString>

namespace BaseKit {

// Opening files and addresses with the user's preferred application, through the opener the caller
// was given (the desktop's, made at start-up).
class Workspace {
public:
    using UrlOpener = Platform::Workspace::UrlOpener;

    // Opens a file or folder.
    static void open(const QString& path, const UrlOpener& opener);
    // Opens the text as an address; nothing happens when it is no absolute address (a text with
    // blanks in it, for example). Returns whether the opener took it (false: no program to open it).
    static bool openUrlString(const QString& text, const UrlOpener& opener);
    // For addresses that came from outside (a downloaded document): opens only http, https and mailto
    // addresses and refuses every other scheme (file:, custom schemes). Returns whether it was opened.
    static bool openNetworkUrlString(const QString& text, const UrlOpener& opener);
};

} // namespace BaseKit
