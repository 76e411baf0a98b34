#pragma once

#include "BaseKit/System/MacSystem.h"
#include "Platform/Registry/InMemoryRegistry.h"
#include "Platform/Sysfs/Machine.h"

#include <memory>

// The machine's identity from a captured laptop and an empty registry instead of this machine; handed
// to what shows the machine.
struct FixtureMachine {
    FixtureMachine()
    {
        BaseKit::MacSystem::Sources sources = BaseKit::MacSystem::defaultSources();
        sources.machine = std::make_shared<Platform::Machine>(QStringLiteral(KESTRION_FIXTURES "/BaseKit/laptop-xps13"));
        sources.computerName = [] { return QStringLiteral("Studio"); };
        sources.bootTime = [] { return std::optional<std::int64_t>(1700000000); };
        sources.registry = std::make_shared<Platform::InMemoryRegistry>();
        system = std::make_shared<const BaseKit::MacSystem>(sources);
    }

    std::shared_ptr<const BaseKit::MacSystem> system;
};
