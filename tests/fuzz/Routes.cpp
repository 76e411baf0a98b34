// The IPv4 route table (/proc/net/route) as the primary interface is found in it.
#include "FuzzInput.h"

#include "Platform/Bus/DynamicStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Platform::DynamicStore::primaryInterfaceInRoutes(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
