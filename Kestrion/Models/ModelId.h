#pragma once

#include <QUuid>

namespace Kestrion {

// A new random identifier (version 4) for one line of a list model. The companion's lists are rebuilt
// every second, so the numbers come from the process's seeded generator instead of one system call each.
class ModelId
{
public:
    ModelId() = delete;
    static QUuid make();
};

} // namespace Kestrion
