#include "Kestrion/App/ViewConstants.h"

#include "Kestrion/App/Utilities.h"

#include <algorithm>

namespace Kestrion {

int ViewConstants::sizeClass()
{
    static const int value = Utilities::screenSizeClass();
    return value;
}

qreal ViewConstants::spacing(int sizeClass)
{
    return 4.0 * qreal(1 << std::clamp(sizeClass, 0, 2));
}

qreal ViewConstants::systemInfoHeight(int sizeClass)
{
    switch (std::clamp(sizeClass, 0, 2)) {
    case 0:
        return 96;
    case 1:
        return 152;
    default:
        return 180;
    }
}

} // namespace Kestrion
