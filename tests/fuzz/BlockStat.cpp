// A block device's stat file as its statistics are read from it.
#include "FuzzInput.h"

#include "Platform/Sysfs/BlockDevices.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Platform::BlockDevices::parseStatistics(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
