#pragma once

#include <QString>

namespace BaseKit {

// Opening files and addresses with the user's preferred application.
class Workspace {
public:
    // Opens a file or folder.
    static void open(const QString& path);
    // Opens the text as an address; nothing happens when it is no absolute address (a text with
    // blanks in it, for example). Returns whether the desktop took it (false: no program to open it).
    static bool openUrlString(const QString& text);
    // For addresses that came from outside (a downloaded document): opens only http, https and mailto
    // addresses and refuses every other scheme (file:, custom schemes). Returns whether it was opened.
    static bool openNetworkUrlString(const QString& text);
};

} // namespace BaseKit
