// A desktop entry file as an application's entry is read from it, and its Exec line split into the
// command that starts it.
#include "FuzzInput.h"

#include "Platform/Desktop/DesktopEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString root = FuzzInput::scratch();
    const QString path = root + QStringLiteral("/share/applications/org.example.Fuzz.desktop");
    FuzzInput::write(root, QStringLiteral("share/applications/org.example.Fuzz.desktop"), FuzzInput::bytes(data, size));
    if (const auto entry = Platform::DesktopEntries::read(path, QStringLiteral("org.example.Fuzz"),
                                                          root + QStringLiteral("/share")))
        Platform::DesktopEntries::command(*entry);
    return 0;
}
