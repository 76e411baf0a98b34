// The files that say what the machine is (processor, processor lists and topology, operating system,
// firmware names, devicetree, thermal zones, memory, kernel) in a tree of their own, read through
// everything the machine readers give. The input holds the files in the order below, separated by the
// record separator.
#include "FuzzInput.h"

#include "Platform/Registry/ProcessorRegistryAdapter.h"
#include "Platform/Sysfs/Machine.h"

namespace {

const char* const files[] = {
    "proc/cpuinfo",
    "sys/devices/system/cpu/online",
    "sys/devices/system/cpu/present",
    "sys/devices/cpu_core/cpus",
    "sys/devices/cpu_atom/cpus",
    "sys/devices/system/cpu/cpu0/topology/core_cpus_list",
    "sys/devices/system/cpu/cpu1/topology/thread_siblings_list",
    "sys/devices/system/cpu/cpu0/cpu_capacity",
    "sys/devices/system/cpu/cpu1/cpu_capacity",
    "etc/os-release",
    "sys/class/dmi/id/product_name",
    "sys/class/dmi/id/sys_vendor",
    "sys/class/dmi/id/product_serial",
    "sys/firmware/devicetree/base/compatible",
    "sys/firmware/devicetree/base/model",
    "sys/firmware/devicetree/base/serial-number",
    "sys/class/thermal/thermal_zone0/temp",
    "sys/class/thermal/thermal_zone0/trip_point_0_type",
    "sys/class/thermal/thermal_zone0/trip_point_0_temp",
    "proc/meminfo",
    "proc/version",
    "sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq",
    "sys/devices/system/cpu/cpu0/of_node/compatible",
    "sys/devices/system/cpu/cpu0/of_node/clock-frequency",
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString root = FuzzInput::scratch() + QStringLiteral("/machine");
    const auto parts = FuzzInput::parts(data, size, std::size(files));
    for (std::size_t i = 0; i < parts.size(); ++i)
        FuzzInput::write(root, QLatin1String(files[i]), parts[i]);

    const Platform::Machine machine(root, Platform::KernelIdentity::captured(root));
    machine.hardwareDetails(); // processor name, marketing name, model
    machine.serialNumber();
    machine.compatible();
    machine.processorVendor();
    machine.coreKinds();
    machine.osName();
    machine.osVersionString(); // product version
    machine.thermalState();
    machine.hostBasicInfo(); // processor and core counts, memory

    const Platform::ProcessorRegistryAdapter processors(root);
    processors.stamp();
    const auto entries = processors.entries();
    for (std::size_t i = 0; i < std::min<std::size_t>(entries.size(), 2); ++i)
        processors.properties(entries[i].path);
    return 0;
}
