#pragma once

#include "BaseKit/Workspace/Workspace.h"

#include <QString>

namespace BaseKit {

// Shows an item in the desktop's file manager: its folder, with the item selected. Without a file
// manager, the folder goes to `opener`.
class Finder {
public:
    static void reveal(const QString& path, const Workspace::UrlOpener& opener);
};

} // namespace BaseKit
