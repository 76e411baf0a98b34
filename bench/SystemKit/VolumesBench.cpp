// Times one tick of the volume sampler with 12 mounted volumes on a fixture machine tree (mount
// table, sysfs disks and block-storage registry entries), and one tick that also runs the capacity
// pass (statvfs of each volume; the tree's mount points do not exist here, so "/" stands in).
#include "SystemKit/Volumes/VolumesController.h"

#include "Platform/Registry/BlockStorageRegistryAdapter.h"
#include "Platform/Volumes/DiskEjector.h"
#include "Platform/Volumes/Mounts.h"
#include "Platform/Registry/SysfsRegistry.h"

#include "../../tests/Support/VolumeTree.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <sys/statvfs.h>

namespace {

class NoEjector : public Platform::DiskEjector {
public:
    void unmountAndEject(const QString&, bool, Done) override {}
};

struct Machine {
    Machine()
    {
        tree.mountTable("1 0 8:1 / /a rw - vfat /dev/sda1 rw\n"
                        "2 0 8:2 / /b rw - ext4 /dev/sda2 rw\n"
                        "3 0 8:3 / /c rw - ext4 /dev/sda3 rw\n"
                        "4 0 8:4 / / rw - ext4 /dev/sda4 rw\n"
                        "5 0 8:5 / /e rw - ext4 /dev/sda5 rw\n"
                        "6 0 8:6 / /f rw - ext4 /dev/sda6 rw\n"
                        "7 0 259:1 / /g rw - vfat /dev/nvme0n1p1 rw\n"
                        "8 0 259:2 / /h rw - ext4 /dev/nvme0n1p2 rw\n"
                        "9 0 8:17 / /i rw - ext4 /dev/sdb1 rw\n"
                        "10 0 253:0 / /j rw - xfs /dev/mapper/j rw\n"
                        "11 0 8:33 / /k rw - vfat /dev/sdc1 rw\n"
                        "12 0 179:0 / /l rw - vfat /dev/mmcblk0 rw\n"
                        "13 0 0:20 / /dev/shm rw - tmpfs tmpfs rw\n"
                        "14 0 0:21 / /run rw - tmpfs tmpfs rw\n");
        auto mounts = std::make_shared<Platform::Mounts>(tree.root());
        mounts->setCapacityReader([](const QString&) -> std::optional<Platform::VolumeCapacity> {
            struct statvfs info {};
            if (::statvfs("/", &info) != 0)
                return std::nullopt;
            return Platform::VolumeCapacity{std::uint64_t(info.f_blocks) * info.f_frsize,
                                            std::uint64_t(info.f_bavail) * info.f_frsize, std::nullopt};
        });
        auto registry = std::make_shared<Platform::SysfsRegistry>(tree.root());
        registry->addAdapter(std::make_unique<Platform::BlockStorageRegistryAdapter>(tree.root()));
        controller = std::make_unique<SystemKit::VolumesController>(SystemKit::VolumesEnvironment{mounts, registry, std::make_shared<NoEjector>(), nullptr});
        controller->refresh();
    }
    StackedTree tree;
    std::unique_ptr<SystemKit::VolumesController> controller;
};

void VolumesTick(benchmark::State& state)
{
    Machine machine;
    machine.controller->setStorageInterval(1e12); // the capacity pass ran at the first tick only
    for (auto _ : state)
        machine.controller->refresh();
    state.counters["volumes"] = machine.controller->count();
}
BENCHMARK(VolumesTick);

void VolumesTickWithCapacityPass(benchmark::State& state)
{
    Machine machine;
    machine.controller->setStorageInterval(0);
    for (auto _ : state)
        machine.controller->refresh();
    state.counters["volumes"] = machine.controller->count();
}
BENCHMARK(VolumesTickWithCapacityPass);

} // namespace
