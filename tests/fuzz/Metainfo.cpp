// An application's AppStream metainfo file as its release versions are read from it.
#include "FuzzInput.h"

#include "Platform/Desktop/DesktopEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString root = FuzzInput::scratch();
    FuzzInput::write(root, QStringLiteral("share/metainfo/org.example.Fuzz.metainfo.xml"), FuzzInput::bytes(data, size));
    Platform::DesktopEntry entry;
    entry.identifier = QStringLiteral("org.example.Fuzz");
    entry.dataDirectory = root + QStringLiteral("/share");
    Platform::DesktopEntries::releaseVersions(entry);
    return 0;
}
