#pragma once

#include <QtGlobal>

namespace Kestrion {

// Amounts of the main window that follow the screen-size class.
class ViewConstants
{
public:
    ViewConstants() = delete;

    // The screen-size class, 0, 1 or 2: computed from the attached screens at the first read and kept
    // for the life of the process.
    static int sizeClass();
    // The spacing of a size class: 4 × 2^class points.
    static qreal spacing(int sizeClass);
    // The ideal height of the system-information row: 96, 152 or 180 points.
    static qreal systemInfoHeight(int sizeClass);
};

} // namespace Kestrion
