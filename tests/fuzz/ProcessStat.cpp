// A process's stat line and command line as the process table reads them.
#include "FuzzInput.h"

#include "Platform/Proc/ProcessTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto files = FuzzInput::parts(data, size, 3);
    Platform::StatLine::parse(std::string_view(files[0].constData(), std::size_t(files[0].size())));

    const QString root = FuzzInput::scratch();
    FuzzInput::write(root, QStringLiteral("proc/4242/stat"), files[0]);
    FuzzInput::write(root, QStringLiteral("proc/4242/cmdline"), files[1]);
    FuzzInput::write(root, QStringLiteral("proc/4242/comm"), files[2]);
    Platform::ProcessTable table(root, Platform::ProcessTable::OpenFiles::reopen);
    std::vector<Platform::ProcessRecord> records;
    table.list(records);
    Platform::ProcessTable::commandNames(root);
    return 0;
}
