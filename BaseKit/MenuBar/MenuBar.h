#pragma once

#include "BaseKit/MenuBar/StatusBar.h"

namespace BaseKit {

// Measures of a status area, in points, computed from its thickness each time they are read.
class MenuBar {
public:
    MenuBar() = delete;

    static constexpr double margin() { return 2.0; }
    static constexpr double spacing() { return 3.0; }

    static double height(const StatusBar& bar = StatusBar::system()) { return bar.thickness(); }
    static double midY(const StatusBar& bar = StatusBar::system()) { return height(bar) * 0.5; }
    static double totalHeight(const StatusBar& bar = StatusBar::system())
    {
        return (height(bar) + spacing()) + margin();
    }
    static double minY() { return 0.0; }
    static double maxY(const StatusBar& bar = StatusBar::system()) { return height(bar); }
    static double top(const StatusBar& bar = StatusBar::system()) { return midY(bar) + height(bar) * 0.5; }
    static double bottom(const StatusBar& bar = StatusBar::system()) { return midY(bar) - height(bar) * 0.5; }
};

} // namespace BaseKit
