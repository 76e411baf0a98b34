// A route lookup's reply from the kernel's routing socket as its output interface is read from it.
#include "FuzzInput.h"

#include "Platform/Netlink/NetlinkPathMonitor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Platform::NetlinkPathMonitor::outputInterface(FuzzInput::bytes(data, size));
    return 0;
}
