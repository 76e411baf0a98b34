#pragma once

#include "BaseKit/System/MacSystem.h"
#include "Platform/Registry/InMemoryRegistry.h"
#include "Platform/Sysfs/Machine.h"

#include <memory>

// While it lives, the machine's identity comes from a captured laptop and an empty registry instead of
// this machine.
struct FixtureMachine {
    FixtureMachine()
    {
        BaseKit::MacSystem::Sources sources = BaseKit::MacSystem::defaultSources();
        sources.machine = std::make_shared<Platform::Machine>(QStringLiteral(KESTRION_FIXTURES "/BaseKit/laptop-xps13"));
        sources.computerName = [] { return QStringLiteral("Studio"); };
        sources.bootTime = [] { return std::optional<std::int64_t>(1700000000); };
        sources.registry = std::make_shared<Platform::InMemoryRegistry>();
        BaseKit::MacSystem::setSources(sources);
    }
    ~FixtureMachine() { BaseKit::MacSystem::setSources(BaseKit::MacSystem::defaultSources()); }
};
