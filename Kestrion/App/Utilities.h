#pragma once

#include <QList>
#include <QSizeF>

namespace Kestrion {

// Helpers of the application's views.
class Utilities
{
public:
    Utilities() = delete;

    // The screen-size class, 0, 1 or 2, of the smallest attached screen.
    static int screenSizeClass();
    // The class of the smallest of the given screen sizes (points): the first screen of the least area
    // decides; 2 without a screen; 0 when it is at most 1368 wide or 720 high, 1 when at most 1440 wide
    // or 900 high, else 2.
    static int screenSizeClass(const QList<QSizeF>& screens);
};

} // namespace Kestrion
