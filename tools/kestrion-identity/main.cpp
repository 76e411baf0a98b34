// Prints what Kestrion knows about the machine it runs on. Every value that cannot be read shows its
// fallback ("-", 0, unknown); the command never fails for want of firmware tables or sensors.
#include "BaseKit/System/MacDevices.h"
#include "BaseKit/System/MacSystem.h"

#include "Platform/Bus/DynamicStore.h"
#include "Platform/Sysfs/Machine.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTextStream>
#include <QTimer>

using BaseKit::MacSystem;

namespace {

QString thermalText(int state)
{
    switch (state) {
    case 0: return QStringLiteral("nominal");
    case 1: return QStringLiteral("fair");
    case 2: return QStringLiteral("serious");
    case 3: return QStringLiteral("critical");
    default: return QStringLiteral("unknown");
    }
}

QString optionalCount(std::optional<int> count)
{
    return count ? QString::number(*count) : QStringLiteral("-");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);

    // hostnamed answers on the system bus when it runs; wait briefly for it before the name is kept.
    Platform::DynamicStore& store = Platform::DynamicStore::shared();
    QEventLoop loop;
    QObject::connect(&store, &Platform::DynamicStore::computerNameChanged, &loop, &QEventLoop::quit);
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();

    const MacSystem system;
    const auto device = BaseKit::MacDevices::standard().device(system.model());
    const auto kinds = Platform::Machine().coreKinds();

    QTextStream out(stdout);
    const auto row = [&out](const char* label, const QString& value) {
        out << QString::fromLatin1(label).leftJustified(22, QLatin1Char(' ')) << value << '\n';
    };
    row("Computer name", system.computerName());
    row("Host name", system.hostName());
    row("Model", system.model().isEmpty() ? QStringLiteral("-") : system.model());
    row("Marketing name", system.marketingName());
    row("Computer model", device ? device->description : system.marketingName());
    row("Serial number", system.serialNumber());
    row("Processor", system.processorName().isEmpty() ? QStringLiteral("-") : system.processorName());
    row("Processor kind", system.processorKind());
    row("Architecture", system.architecture());
    row("Cores", QString::number(system.coreCount()));
    row("Threads", QString::number(system.threadCount()));
    row("Performance cores", kinds ? QString::number(kinds->performance) : QStringLiteral("-"));
    row("Efficiency cores", kinds ? QString::number(kinds->efficiency) : QStringLiteral("-"));
    row("Apple silicon", system.isAppleSilicon() ? QStringLiteral("yes") : QStringLiteral("no"));
    row("Apple silicon E/P", optionalCount(system.efficiencyCoreCount()) + QLatin1Char('/')
                                 + optionalCount(system.performanceCoreCount()));
    row("Operating system", system.operatingSystemText());
    row("Product version", system.productVersion().isEmpty() ? QStringLiteral("-") : system.productVersion());
    row("Memory", system.physicalMemoryText());
    row("Thermal state", thermalText(system.thermalState()));
    row("Uptime", system.uptimeText());
    row("Since boot time", system.bootUptimeText());
    row("Symbol", system.modelSymbolName());
    return 0;
}
