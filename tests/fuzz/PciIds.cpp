// The PCI id database as a device's name is looked up in it: the first four bytes choose the vendor
// and device looked for, the rest is the database.
#include "FuzzInput.h"

#include "Platform/Sysfs/PciIds.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const auto vendor = std::uint16_t(data[0] << 8 | data[1]);
    const auto device = std::uint16_t(data[2] << 8 | data[3]);
    // A copy of its own, so that a read past the end is caught.
    const std::vector<char> database(data + 4, data + size);
    Platform::PciIds::find(database.data(), database.size(), vendor, device);
    return 0;
}
