// /proc/self/mountinfo as the mount table reads it, and what is asked of each entry.
#include "FuzzInput.h"

#include "Platform/Volumes/MountEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (const Platform::MountEntry& entry : Platform::MountEntry::parse(QByteArrayView(data, qsizetype(size)))) {
        entry.isBlockDevice();
        entry.isReadOnly();
        entry.superOption(QStringLiteral("subvol"));
        entry.deviceNumber();
    }
    return 0;
}
