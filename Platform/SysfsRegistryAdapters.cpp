#include "Platform/SysfsRegistry.h"

namespace Platform {

// The adapters of the live registry, in registry order; each reads below root().
void SysfsRegistry::addStandardAdapters()
{
}

} // namespace Platform
