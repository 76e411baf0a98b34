#pragma once

#include <QString>

namespace BaseKit {

// Shows an item in the desktop's file manager: its folder, with the item selected.
class Finder {
public:
    static void reveal(const QString& path);
};

} // namespace BaseKit
