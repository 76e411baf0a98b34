#include "SystemKit/Network/NetworkToolEnvironment.h"

#include "Platform/Proc/ProcessTable.h"
#include "Platform/Proc/ProtocolControlBlocks.h"

namespace SystemKit {

NetworkToolEnvironment NetworkToolEnvironment::live(const QString& root)
{
    NetworkToolEnvironment environment;
    environment.shell = QStringLiteral("/bin/bash");
    environment.timeLimit = defaultTimeLimit;
    environment.executablePath = [root](std::uint32_t pid) -> std::optional<QString> {
        QString path = Platform::ProcessTable::executablePath(pid, root);
        if (path.isEmpty())
            return std::nullopt;
        return path;
    };
    environment.applicationName = [](const QString&) -> std::optional<QString> { return std::nullopt; };
    environment.controlBlocks = [](const char* protocol) { return Platform::ProtocolControlBlocks::read(protocol); };
    return environment;
}

NetworkToolEnvironment NetworkToolEnvironment::completed(const QString& root) const
{
    NetworkToolEnvironment result = *this;
    const NetworkToolEnvironment own = live(root);
    if (result.shell.isEmpty())
        result.shell = own.shell;
    if (result.timeLimit <= std::chrono::milliseconds::zero())
        result.timeLimit = own.timeLimit;
    if (!result.executablePath)
        result.executablePath = own.executablePath;
    if (!result.applicationName)
        result.applicationName = own.applicationName;
    if (!result.controlBlocks)
        result.controlBlocks = own.controlBlocks;
    return result;
}

} // namespace SystemKit
