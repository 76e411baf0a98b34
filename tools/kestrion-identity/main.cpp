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

    const auto device = BaseKit::MacDevices::standard().device(MacSystem::model());
    const auto kinds = Platform::Machine().coreKinds();

    QTextStream out(stdout);
    const auto row = [&out](const char* label, const QString& value) {
        out << QString::fromLatin1(label).leftJustified(22, QLatin1Char(' ')) << value << '\n';
    };
    row("Computer name", MacSystem::computerName());
    row("Host name", MacSystem::hostName());
    row("Model", MacSystem::model().isEmpty() ? QStringLiteral("-") : MacSystem::model());
    row("Marketing name", MacSystem::marketingName());
    row("Computer model", device ? device->description : MacSystem::marketingName());
    row("Serial number", MacSystem::serialNumber());
    row("Processor", MacSystem::processorName().isEmpty() ? QStringLiteral("-") : MacSystem::processorName());
    row("Processor kind", MacSystem::processorKind());
    row("Architecture", MacSystem::architecture());
    row("Cores", QString::number(MacSystem::coreCount()));
    row("Threads", QString::number(MacSystem::threadCount()));
    row("Performance cores", kinds ? QString::number(kinds->performance) : QStringLiteral("-"));
    row("Efficiency cores", kinds ? QString::number(kinds->efficiency) : QStringLiteral("-"));
    row("Apple silicon", MacSystem::isAppleSilicon() ? QStringLiteral("yes") : QStringLiteral("no"));
    row("Apple silicon E/P", optionalCount(MacSystem::efficiencyCoreCount()) + QLatin1Char('/')
                                 + optionalCount(MacSystem::performanceCoreCount()));
    row("Operating system", MacSystem::operatingSystemText());
    row("Product version", MacSystem::productVersion().isEmpty() ? QStringLiteral("-") : MacSystem::productVersion());
    row("Memory", MacSystem::physicalMemoryText());
    row("Thermal state", thermalText(MacSystem::thermalState()));
    row("Uptime", MacSystem::uptimeText());
    row("Since boot time", MacSystem::bootUptimeText());
    row("Symbol", MacSystem::modelSymbolName());
    return 0;
}
