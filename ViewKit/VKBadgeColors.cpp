#include "ViewKit/VKBadgeColors.h"

#include "ViewKit/VKColors.h"

namespace ViewKit {

// Function-local statics: made once, under the language's once-only guard.
const QColor& VKBadgeColors::lavender()
{
    static const QColor color = VKColors::fromBytes(116, 115, 166);
    return color;
}

const QColor& VKBadgeColors::steelBlue()
{
    static const QColor color = VKColors::fromBytes(74, 124, 172);
    return color;
}

const QColor& VKBadgeColors::amber()
{
    static const QColor color = VKColors::fromBytes(242, 169, 80);
    return color;
}

const QColor& VKBadgeColors::graphite()
{
    static const QColor color = VKColors::fromBytes(75, 75, 75);
    return color;
}

const QColor& VKBadgeColors::slate()
{
    static const QColor color = VKColors::fromBytes(94, 94, 130);
    return color;
}

} // namespace ViewKit
