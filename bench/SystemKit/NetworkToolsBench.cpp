// Times what the main thread does with a listing once its tool has ended: the per-process traffic
// listing of 400 processes and the TCP listing of 400 connections, each read and merged with the
// listing before, and one walk over a control-block list of 400 records.
#include "SystemKit/Network/ConnectionsController.h"
#include "SystemKit/Network/ProcessesController.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

constexpr int rows = 400;

SystemKit::NetworkToolEnvironment environment()
{
    SystemKit::NetworkToolEnvironment result;
    result.executablePath = [](std::uint32_t pid) -> std::optional<QString> {
        return QStringLiteral("/usr/bin/program%1").arg(pid);
    };
    result.applicationName = [](const QString&) -> std::optional<QString> { return std::nullopt; };
    result.controlBlocks = [](const char*) -> std::optional<QByteArray> { return std::nullopt; };
    return result;
}

QString trafficListing(std::uint64_t growth)
{
    QString text = QStringLiteral(",bytes_in,bytes_out,\n");
    for (int i = 0; i < rows; ++i)
        text += QStringLiteral("Some Helper Process.%1,%2,%3,\n").arg(1000 + i).arg(123456789 + growth * i).arg(98765 + growth);
    return text;
}

QString connectionListing(std::uint64_t growth)
{
    QString text = QStringLiteral("Active Internet connections (including servers)\n");
    for (int i = 0; i < rows; ++i)
        text += QStringLiteral("tcp4       0      0  192.168.1.20.%1       17.57.146.5.443        ESTABLISHED  %2  %3  "
                               "131072  131768    %4      0 00102 00000000 0000000000a1b2c3 00000080 01000900      1      0 "
                               "000001\n")
                    .arg(40000 + i)
                    .arg(5000 + growth * i)
                    .arg(300 + growth)
                    .arg(1000 + i);
    return text;
}

void TrafficListing(benchmark::State& state)
{
    SystemKit::ProcessesController controller(environment());
    const QString before = trafficListing(0);
    const QString after = trafficListing(7);
    const SystemKit::TrafficProcessList previous = controller.parse(before);
    for (auto _ : state) {
        SystemKit::TrafficProcessList current = controller.parse(after);
        SystemKit::ProcessesController::merge(previous, current);
        benchmark::DoNotOptimize(current);
    }
}
BENCHMARK(TrafficListing)->Unit(benchmark::kMicrosecond);

void ConnectionListing(benchmark::State& state)
{
    SystemKit::ConnectionsController controller(false, false, true, environment());
    const SystemKit::TcpConnectionList previous = controller.parseConnections(connectionListing(0));
    const QString after = connectionListing(7);
    for (auto _ : state) {
        SystemKit::TcpConnectionList current = controller.parseConnections(after);
        SystemKit::ConnectionsController::mergeConnections(previous, current);
        benchmark::DoNotOptimize(current);
    }
}
BENCHMARK(ConnectionListing)->Unit(benchmark::kMicrosecond);

void ControlBlockWalk(benchmark::State& state)
{
    QByteArray data(24, '\0');
    const std::uint32_t header = 24;
    std::memcpy(data.data(), &header, 4);
    for (int i = 0; i < rows; ++i) {
        QByteArray record(384, '\0');
        const std::uint32_t length = 384;
        const std::uint32_t kind = 4;
        std::memcpy(record.data(), &length, 4);
        record[80] = 1;
        std::memcpy(record.data() + 244, &kind, 4);
        data += record;
    }
    data += QByteArray(24, '\0');
    for (auto _ : state)
        benchmark::DoNotOptimize(SystemKit::ConnectionsController::countSockets(data));
}
BENCHMARK(ControlBlockWalk)->Unit(benchmark::kMicrosecond);

} // namespace
