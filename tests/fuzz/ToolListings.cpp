// The network tools' listings as the connection and per-process traffic lists read them, the kernel's
// control-block lists as sockets are counted in them, and the Wi-Fi driver's link-quality text.
#include "FuzzInput.h"

#include "SystemKit/Network/ConnectionsController.h"
#include "SystemKit/Network/LinkQualityMetrics.h"
#include "SystemKit/Network/ProcessesController.h"

namespace {

SystemKit::NetworkToolEnvironment environment()
{
    SystemKit::NetworkToolEnvironment tools;
    tools.shell = QStringLiteral("/nonexistent");
    tools.executablePath = [](std::uint32_t pid) -> std::optional<QString> {
        if (pid % 3 == 0)
            return std::nullopt;
        return QStringLiteral("/usr/bin/program%1").arg(pid);
    };
    tools.applicationName = [](const QString& path) -> std::optional<QString> {
        if (path.endsWith(QLatin1Char('1')))
            return std::nullopt;
        return QStringLiteral("Program");
    };
    tools.controlBlocks = [](const char*) { return std::optional<QByteArray>(); };
    return tools;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static SystemKit::ConnectionsController connections(true, true, true, environment());
    static SystemKit::ProcessesController processes(environment());
    const auto parts = FuzzInput::parts(data, size, 3);

    const QString connectionText = QString::fromUtf8(parts[0]);
    const auto previous = connections.parseConnections(connectionText);
    const auto current = connections.parseConnections(connectionText);
    SystemKit::ConnectionsController::mergeConnections(previous, current);
    SystemKit::ConnectionsController::countSockets(parts[0]);

    const QString processText = QString::fromUtf8(parts[1]);
    const auto before = processes.parse(processText);
    const auto after = processes.parse(processText);
    SystemKit::ProcessesController::merge(before, after);

    SystemKit::LinkQualityMetrics::parse(QString::fromUtf8(parts[2]));
    return 0;
}
