#pragma once

namespace BaseKit {

// Measures of the status area, in points, computed from its thickness each time they are read.
class MenuBar {
public:
    MenuBar() = delete;

    static double margin();
    static void setMargin(double margin);
    static double spacing();
    static void setSpacing(double spacing);

    static double height();
    static double midY() { return height() * 0.5; }
    static double totalHeight() { return (height() + spacing()) + margin(); }
    static double minY() { return 0.0; }
    static double maxY() { return height(); }
    static double top() { return midY() + height() * 0.5; }
    static double bottom() { return midY() - height() * 0.5; }
};

} // namespace BaseKit
