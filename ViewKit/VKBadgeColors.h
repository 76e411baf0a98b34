#pragma once

#include <QColor>

namespace ViewKit {

// Five colours shared by badges, each made once, on first use, and kept for the life of the process.
class VKBadgeColors
{
public:
    VKBadgeColors() = delete;

    static const QColor& lavender();
    static const QColor& steelBlue();
    static const QColor& amber();
    static const QColor& graphite();
    static const QColor& slate();
};

} // namespace ViewKit
