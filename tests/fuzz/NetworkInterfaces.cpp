// An interface's sysfs files (flags, byte counters, type, address, uevent) as the interface list and
// the interface facts read them.
#include "FuzzInput.h"

#include "Platform/Sysfs/SysfsInterfaceList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const char* const names[] = {"flags", "statistics/rx_bytes", "statistics/tx_bytes", "type",
                                        "address", "uevent", "operstate"};
    const auto files = FuzzInput::parts(data, size, std::size(names));
    const QString root = FuzzInput::scratch();
    for (std::size_t i = 0; i < std::size(names); ++i)
        FuzzInput::write(root, QStringLiteral("sys/class/net/eth0/") + QLatin1String(names[i]), files[i]);
    Platform::SysfsInterfaceList interfaces(root);
    std::vector<Platform::InterfaceEntry> entries;
    interfaces.list(entries);
    interfaces.interfaces();
    Platform::NetworkInterfaces::hardwareAddressBytes(QString::fromUtf8(files[4]));
    return 0;
}
