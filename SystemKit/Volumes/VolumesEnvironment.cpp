#include "SystemKit/Volumes/VolumesEnvironment.h"

#include "Platform/Registry/Registry.h"
#include "Platform/Time/Clock.h"
#include "Platform/Bus/UDisks2Ejector.h"
#include "Platform/Volumes/Mounts.h"

namespace SystemKit {

VolumesEnvironment VolumesEnvironment::completed() const
{
    VolumesEnvironment result = *this;
    if (!result.mounts)
        result.mounts = std::make_shared<Platform::Mounts>();
    if (!result.registry)
        result.registry = Platform::Registry::live();
    if (!result.ejector)
        result.ejector = std::make_shared<Platform::UDisks2Ejector>();
    if (!result.clock)
        result.clock = Platform::Clock::system();
    return result;
}

} // namespace SystemKit
