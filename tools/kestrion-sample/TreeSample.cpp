#include "TreeSample.h"

#include "Kestrion/Cards/DiskInfoView.h"
#include "Kestrion/Cards/GraphicsCardView.h"
#include "Kestrion/Cards/InternalBatteryView.h"
#include "Kestrion/Cards/MemoryUsageView.h"
#include "Kestrion/Cards/ProcessorUsageView.h"
#include "Kestrion/Models/InternalBatteryModel.h"
#include "Kestrion/Models/StartupEnvironment.h"
#include "Kestrion/Models/SystemInfoModel.h"
#include "Kestrion/Settings/AppSettings.h"

#include "BaseKit/IO.h"
#include "BaseKit/System/MacSystem.h"
#include "InternalBatteryKit/InternalBatteryFinder.h"
#include "SystemKit/Graphics/AmdGpu.h"
#include "SystemKit/Graphics/AppleGpu.h"
#include "SystemKit/Graphics/GraphicsCardController.h"
#include "SystemKit/Graphics/IntelGpu.h"
#include "SystemKit/Network/EthernetAdapter.h"
#include "SystemKit/Network/NetworkController.h"
#include "SystemKit/Network/WifiAdapter.h"
#include "SystemKit/Processor/MemoryController.h"
#include "SystemKit/Processor/ProcessorController.h"
#include "SystemKit/Volumes/VolumeStatistics.h"
#include "SystemKit/Volumes/VolumesController.h"
#include "ViewKit/VKPercentText.h"

#include "Platform/PropertyList/Defaults.h"
#include "Platform/Registry/Registry.h"
#include "Platform/Sysfs/NetworkInterfaces.h"
#include "Platform/Time/FakeClock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>

namespace {

using BaseKit::IO;
using BaseKit::MacSystem;

// What no captured tree can tell: the live machine's routing tables, file-system sizes, clocks.
const QString notInTree = QStringLiteral("(not in a captured tree)");
const QString dash = QStringLiteral("-");

// "label: value", one line per value; a value never spans lines, and an empty one reads "(empty)".
class Lines {
public:
    explicit Lines(QTextStream& out) : m_out(out) {}

    void operator()(const QString& label, QString value)
    {
        value.replace(QLatin1Char('\n'), QLatin1Char(' '));
        m_out << label << ": " << (value.isEmpty() ? QStringLiteral("(empty)") : value) << '\n';
    }
    void operator()(const QString& label, std::int64_t value) { (*this)(label, QString::number(value)); }

private:
    QTextStream& m_out;
};

// A row title as a label part: "Power Usage (W)" -> "power-usage-w".
QString slug(const QString& title)
{
    static const QRegularExpression others(QStringLiteral("[^a-z0-9]+"));
    QString result = title.toLower();
    result.replace(others, QStringLiteral("-"));
    while (result.startsWith(QLatin1Char('-')))
        result.remove(0, 1);
    while (result.endsWith(QLatin1Char('-')))
        result.chop(1);
    return result.isEmpty() ? QStringLiteral("row") : result;
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

QString orDash(const std::optional<QString>& value)
{
    return value && !value->isEmpty() ? *value : dash;
}

// Every sampler over the tree at `root` (a link the run points at one capture after the other), on
// one registry and one stopped clock.
class CapturedMachine {
public:
    CapturedMachine(const QString& root, const QString& settingsSuite, double interval)
        : m_interval(interval)
        , m_clock(std::make_shared<Platform::FakeClock>())
    {
        m_clock->setNow(QDateTime(QDate(2026, 1, 1), QTime(0, 0), QTimeZone::utc()));
        m_clock->setMonotonic(std::chrono::seconds(1));

        // The program's own start-up environment of a captured tree.
        const Kestrion::StartupEnvironment captured = Kestrion::StartupEnvironment::captured(root, m_clock);
        m_system = captured.system;
        m_registry = captured.registry;
        m_interfaces = captured.network.interfaces;
        m_processor = std::make_unique<SystemKit::ProcessorController>(30, captured.processorEnvironment());
        m_processor->setCollectProcessInformation(true);
        m_memory = std::make_unique<SystemKit::MemoryController>(30, captured.memory);
        m_network = std::make_unique<SystemKit::NetworkController>(30, false, captured.networkEnvironment());
        m_graphics = std::make_unique<SystemKit::GraphicsCardController>(SystemKit::DataStorageMode::all, 30,
                                                                         captured.graphicsEnvironment());
        m_volumes = std::make_unique<SystemKit::VolumesController>(captured.volumesEnvironment());

        m_defaults = std::make_unique<Platform::Defaults>(settingsSuite);
        m_settings = std::make_unique<Kestrion::AppSettings>(*m_defaults);
        m_battery = std::make_unique<Kestrion::InternalBatteryModel>(
            new InternalBatteryKit::InternalBatteryFinder(captured.batteryEnvironment()), *m_settings);
        m_battery->finder()->stop();
    }

    // The samplers that sample when they are made (network, graphics, battery) have; the others
    // take their first sample here.
    void firstSample()
    {
        // The graphics sampler names its primary card at a refresh.
        m_graphics->refresh();
        m_processor->refresh();
        m_memory->refresh();
        m_volumes->refresh();
    }

    void nextSample()
    {
        m_clock->advance(std::chrono::nanoseconds(std::int64_t(m_interval * 1e9)));
        m_processor->refresh();
        m_memory->refresh();
        m_network->refresh();
        m_graphics->refresh();
        m_volumes->refresh();
        m_battery->finder()->refresh();
    }

    void printIdentity(Lines& line) const
    {
        const Kestrion::SystemInfoModel card(m_system);
        line(QStringLiteral("machine.computer-name"), card.computerName());
        line(QStringLiteral("machine.model"), card.computerModel());
        line(QStringLiteral("machine.serial-number"), card.serialNumber());
        line(QStringLiteral("machine.host-name"), m_system->hostName());
        line(QStringLiteral("machine.processor"), m_system->processorName().isEmpty() ? dash : m_system->processorName());
        line(QStringLiteral("machine.cores"), std::int64_t(m_system->coreCount()));
        line(QStringLiteral("machine.threads"), std::int64_t(m_system->threadCount()));
        line(QStringLiteral("machine.memory"), m_system->physicalMemoryText());
        line(QStringLiteral("machine.operating-system"), m_system->operatingSystemText());
        line(QStringLiteral("machine.architecture"), m_system->architecture().isEmpty() ? notInTree : m_system->architecture());
        line(QStringLiteral("machine.thermal-state"), card.thermalStateText());
        line(QStringLiteral("machine.uptime"), notInTree);
    }

    void printSample(Lines& line)
    {
        printProcessor(line);
        printMemory(line);
        printNetwork(line);
        printGraphics(line);
        printVolumes(line);
        printDisks(line);
        printBattery(line);
    }

private:
    void printProcessor(Lines& line) const
    {
        const Kestrion::UsageSummary card = Kestrion::ProcessorUsageView::summary(*m_processor, ViewKit::VKColorScheme::light);
        line(QStringLiteral("processor.name"), m_system->processorName().isEmpty() ? dash : m_system->processorName());
        const char* legends[] = {"processor.system", "processor.user"};
        for (std::size_t i = 0; i < std::size(legends) && i < card.legends.size(); ++i)
            line(QLatin1String(legends[i]), card.legends[i].value);
        line(QStringLiteral("processor.tasks"), card.counts ? card.counts->tasks : 0);
        line(QStringLiteral("processor.threads"), card.counts ? card.counts->threads : 0);
        line(QStringLiteral("processor.processes"), std::int64_t(m_processor->processes().size()));
        line(QStringLiteral("processor.cores"), std::int64_t(m_processor->cores().size()));
        for (qsizetype i = 0; i < m_processor->cores().size(); ++i)
            line(QStringLiteral("processor.core%1").arg(i + 1),
                 ViewKit::integerPercentText(double(m_processor->cores()[i]->usage()) * 100.0));
    }

    void printMemory(Lines& line) const
    {
        const Kestrion::UsageSummary card =
            Kestrion::MemoryUsageView::summary(*m_memory, m_system->physicalMemory(), ViewKit::VKColorScheme::light);
        line(QStringLiteral("memory.physical"), IO::sizeText(m_system->physicalMemory()));
        const char* legends[] = {"memory.wired", "memory.active", "memory.compressed", "memory.available"};
        for (std::size_t i = 0; i < std::size(legends) && i < card.legends.size(); ++i)
            line(QLatin1String(legends[i]), card.legends[i].value);
        line(QStringLiteral("memory.used"), IO::sizeText(m_memory->total()));
    }

    void printNetwork(Lines& line)
    {
        const std::optional<QString> primary = m_network->primaryInterfaceName();
        line(QStringLiteral("network.primary"), primary.value_or(QStringLiteral("none")));
        std::vector<Platform::InterfaceEntry> entries;
        m_interfaces->list(entries);
        const auto sampled = m_network->adapters();
        const auto facts = m_interfaces->interfaces();
        line(QStringLiteral("network.interfaces"), std::int64_t(facts.size()));
        for (const Platform::InterfaceFacts& interface : facts) {
            const QString key = QStringLiteral("network.") + interface.bsdName + QLatin1Char('.');
            const auto entry = std::find_if(entries.begin(), entries.end(), [&](const Platform::InterfaceEntry& e) {
                return e.name == interface.bsdName;
            });
            const auto adapter = std::find_if(sampled.begin(), sampled.end(), [&](const SystemKit::NetworkAdapter* a) {
                return a->identifier() == interface.bsdName;
            });
            QString kind = QStringLiteral("other");
            if (interface.type == QLatin1String(Platform::NetworkInterfaces::ethernetType))
                kind = QStringLiteral("Ethernet");
            else if (interface.type == QLatin1String(Platform::NetworkInterfaces::wifiType))
                kind = QStringLiteral("Wi-Fi");
            line(key + QStringLiteral("kind"), kind);
            line(key + QStringLiteral("name"), interface.displayName.value_or(interface.bsdName));
            line(key + QStringLiteral("hardware-address"), orDash(interface.hardwareAddress));
            line(key + QStringLiteral("primary"), yesNo(primary == interface.bsdName));
            // The interface flags the sampler goes by: up (switched on, carrier or not) and loopback.
            const std::uint32_t flags = entry == entries.end() ? 0 : entry->flags;
            line(key + QStringLiteral("up"), yesNo(flags & Platform::NetworkInterfaces::upFlag));
            line(key + QStringLiteral("loopback"), yesNo(flags & Platform::NetworkInterfaces::loopbackFlag));
            line(key + QStringLiteral("addresses"), notInTree);
            const bool counted = entry != entries.end() && entry->hasLinkData;
            line(key + QStringLiteral("received-bytes"), counted ? QString::number(entry->rxBytes) : dash);
            line(key + QStringLiteral("sent-bytes"), counted ? QString::number(entry->txBytes) : dash);
            // Only the adapters the sampler keeps (live Ethernet and Wi-Fi while there is a primary
            // interface) have speeds.
            const bool kept = adapter != sampled.end();
            line(key + QStringLiteral("sampled"), yesNo(kept));
            line(key + QStringLiteral("download"), kept ? IO::rateText((*adapter)->speeds().current.download, false) : dash);
            line(key + QStringLiteral("upload"), kept ? IO::rateText((*adapter)->speeds().current.upload, false) : dash);
        }

        // The two network cards show the current adapter, or their placeholder without one.
        const SystemKit::NetworkAdapter* current = m_network->adapter();
        line(QStringLiteral("network.card.adapter"), current ? current->name() : QStringLiteral("none (placeholder)"));
        if (!current)
            return;
        line(QStringLiteral("network.card.kind"),
             qobject_cast<const SystemKit::WifiAdapter*>(current) ? QStringLiteral("Wi-Fi") : QStringLiteral("Ethernet"));
        line(QStringLiteral("network.card.host-name"), m_system->hostName());
        // The card would show "Unknown address": the addresses are not in the tree.
        line(QStringLiteral("network.card.local-address"), notInTree);
        line(QStringLiteral("network.card.foreign-address"), notInTree);
        line(QStringLiteral("network.card.download-speed"), IO::rateText(m_network->downloadSpeed(), false));
        line(QStringLiteral("network.card.upload-speed"), IO::rateText(m_network->uploadSpeed(), false));
    }

    void printGraphics(Lines& line) const
    {
        const auto& cards = m_graphics->graphicsCards();
        line(QStringLiteral("graphics.cards"), std::int64_t(cards.size()));
        line(QStringLiteral("graphics.primary"), m_graphics->primary() ? m_graphics->primary()->model() : QStringLiteral("none"));
        int number = 0;
        for (const auto& card : cards) {
            const QString key = QStringLiteral("graphics.card%1.").arg(++number);
            QString vendor = dash;
            if (qobject_cast<const SystemKit::AmdGpu*>(card.get()))
                vendor = QStringLiteral("AMD");
            else if (qobject_cast<const SystemKit::IntelGpu*>(card.get()))
                vendor = QStringLiteral("Intel");
            else if (qobject_cast<const SystemKit::AppleGpu*>(card.get()))
                vendor = QStringLiteral("Apple");
            const Kestrion::GraphicsCardView::Contents shown = Kestrion::GraphicsCardView::contents(card.get());
            line(key + QStringLiteral("vendor"), vendor);
            line(key + QStringLiteral("model"), card->model());
            line(key + QStringLiteral("vram"), card->vramSizeBytes() ? IO::sizeText(card->vramSizeBytes()) : dash);
            line(key + QStringLiteral("sampled"), yesNo(shown.shown));
            line(key + QStringLiteral("utilization"), shown.utilization ? ViewKit::percentText(*shown.utilization) : dash);
            line(key + QStringLiteral("memory-usage"), shown.shown ? ViewKit::percentText(shown.memory) : dash);
            line(key + QStringLiteral("temperature"), shown.temperature.value_or(dash));
            for (const auto& [title, value] : shown.rows)
                line(key + QStringLiteral("row.") + slug(title), value);
        }
    }

    void printVolumes(Lines& line) const
    {
        const auto& volumes = m_volumes->volumes();
        line(QStringLiteral("volumes.count"), std::int64_t(volumes.size()));
        int number = 0;
        for (const SystemKit::Volume* volume : volumes) {
            const QString key = QStringLiteral("volume%1.").arg(++number);
            line(key + QStringLiteral("mount-point"), volume->path());
            line(key + QStringLiteral("name"), volume->name());
            line(key + QStringLiteral("device"), volume->bsdName().isEmpty() ? dash : volume->bsdName());
            line(key + QStringLiteral("disk"), volume->rootBsdName().isEmpty() ? dash : volume->rootBsdName());
            line(key + QStringLiteral("file-system"), orDash(volume->fileSystemName()));
            line(key + QStringLiteral("protocol"), orDash(volume->deviceProtocol()));
            line(key + QStringLiteral("tags"), volume->tagsText());
            line(key + QStringLiteral("capacity"), notInTree);
            const auto& counters = volume->currentStatistics();
            line(key + QStringLiteral("bytes-read"), counters ? QString::number(counters->bytesRead) : dash);
            line(key + QStringLiteral("bytes-written"), counters ? QString::number(counters->bytesWritten) : dash);
            line(key + QStringLiteral("rate"), volume->peakDeltaText());
        }
        // The disk card shows the system volume, or dashes without one.
        const SystemKit::Volume* system = m_volumes->listedSystemVolume();
        const auto card = Kestrion::DiskInfoView::texts(system, system ? system->peakDeltaText() : dash);
        line(QStringLiteral("volumes.system.name"), card.name);
        line(QStringLiteral("volumes.system.rate"), card.rate);
        line(QStringLiteral("volumes.system.capacity"), system ? notInTree : card.capacity);
    }

    void printDisks(Lines& line)
    {
        // The whole disks of the block-storage registry, with their counters and the rates since the
        // previous sample.
        std::map<QString, SystemKit::VolumeStatistics> now;
        for (const auto driver : m_registry->entriesOfClass(QStringLiteral("IOBlockStorageDriver"))) {
            const auto children = m_registry->children(driver);
            if (children.empty())
                continue;
            const auto name = m_registry->property(children.front(), QStringLiteral("BSD Name")).toString();
            const Platform::PlistValue statistics = m_registry->property(driver, QStringLiteral("Statistics"));
            const auto* counters = statistics.toDictionary();
            if (name)
                now[*name] = counters ? SystemKit::VolumeStatistics(*counters) : SystemKit::VolumeStatistics();
        }
        line(QStringLiteral("disks.count"), std::int64_t(now.size()));
        for (const auto& [name, counters] : now) {
            const QString key = QStringLiteral("disk.") + name + QLatin1Char('.');
            line(key + QStringLiteral("bytes-read"), QString::number(counters.bytesRead));
            line(key + QStringLiteral("bytes-written"), QString::number(counters.bytesWritten));
            const auto before = m_disks.find(name);
            const bool rated = before != m_disks.end() && counters.bytesRead >= before->second.bytesRead
                               && counters.bytesWritten >= before->second.bytesWritten;
            line(key + QStringLiteral("read-rate"),
                 rated ? IO::intervalRateText(counters.bytesRead - before->second.bytesRead, m_interval, false) : dash);
            line(key + QStringLiteral("write-rate"),
                 rated ? IO::intervalRateText(counters.bytesWritten - before->second.bytesWritten, m_interval, false) : dash);
        }
        m_disks = std::move(now);
    }

    void printBattery(Lines& line) const
    {
        const Kestrion::InternalBatteryModel& card = *m_battery;
        const InternalBatteryKit::InternalBatteryFinder& finder = *card.finder();
        const auto battery = finder.battery();
        line(QStringLiteral("battery.present"), yesNo(finder.batteryPresent()));
        line(QStringLiteral("battery.charge"), ViewKit::percentText(Kestrion::InternalBatteryView::chargeProgress(card)));
        line(QStringLiteral("battery.plug"), yesNo(Kestrion::InternalBatteryView::showsPlug(card)));
        line(QStringLiteral("battery.health"), card.healthText());
        line(QStringLiteral("battery.cycles"), card.cycleCountText());
        line(QStringLiteral("battery.rate-title"), card.rateTitle());
        line(QStringLiteral("battery.rate"), card.rateText());
        line(QStringLiteral("battery.time-title"), battery ? card.timeTitle() : dash);
        line(QStringLiteral("battery.time"), battery ? battery->timeLeftText() : dash);
        line(QStringLiteral("battery.temperature"), card.temperatureText());
        line(QStringLiteral("battery.condition"), card.conditionText());
        for (const auto& item : finder.items())
            line(QStringLiteral("battery.item.") + slug(item.title()), item.value());
        for (const auto& item : finder.adapterItems())
            line(QStringLiteral("battery.adapter.") + slug(item.title()), item.value());
    }

    double m_interval;
    std::shared_ptr<Platform::FakeClock> m_clock;
    // The captured machine's identity.
    std::shared_ptr<const MacSystem> m_system;
    std::shared_ptr<Platform::Registry> m_registry;
    std::shared_ptr<Platform::NetworkInterfaces> m_interfaces;
    std::unique_ptr<SystemKit::ProcessorController> m_processor;
    std::unique_ptr<SystemKit::MemoryController> m_memory;
    std::unique_ptr<SystemKit::NetworkController> m_network;
    std::unique_ptr<SystemKit::GraphicsCardController> m_graphics;
    std::unique_ptr<SystemKit::VolumesController> m_volumes;
    std::unique_ptr<Platform::Defaults> m_defaults;
    std::unique_ptr<Kestrion::AppSettings> m_settings;
    std::unique_ptr<Kestrion::InternalBatteryModel> m_battery;
    std::map<QString, SystemKit::VolumeStatistics> m_disks;
};

// Points the link at a capture; false when the capture is no folder.
bool pointAt(const QString& link, const QString& tree)
{
    const QFileInfo info(tree);
    if (!info.isDir())
        return false;
    QFile::remove(link);
    return QFile::link(info.absoluteFilePath(), link);
}

} // namespace

int treeSamples(const TreeSampleOptions& options, QTextStream& out)
{
    QTextStream errors(stderr);
    for (const QString& tree : {options.root, options.then}) {
        if (!tree.isEmpty() && !QFileInfo(tree).isDir()) {
            errors << "kestrion-sample: " << tree << " is no folder\n";
            return 2;
        }
    }
    // The samplers read through one link, which moves from the first capture to the second; settings
    // live in a folder of the run's own, so that no user setting (a temperature unit) changes a text.
    QTemporaryDir work;
    if (!work.isValid()) {
        errors << "kestrion-sample: no temporary folder\n";
        return 2;
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(work.filePath(QStringLiteral("config"))));
    const QString link = work.filePath(QStringLiteral("tree"));
    if (!pointAt(link, options.root)) {
        errors << "kestrion-sample: cannot link to " << options.root << '\n';
        return 2;
    }

    Lines line(out);
    CapturedMachine machine(link, QStringLiteral("kestrion-sample"), options.interval);
    machine.printIdentity(line);
    const int samples = std::max(1, options.samples);
    for (int n = 1; n <= samples; ++n) {
        const QString tree = n > 1 && !options.then.isEmpty() ? options.then : options.root;
        if (n == 1) {
            machine.firstSample();
        } else {
            if (!pointAt(link, tree)) {
                errors << "kestrion-sample: cannot link to " << tree << '\n';
                return 2;
            }
            machine.nextSample();
        }
        line(QStringLiteral("sample"), n);
        line(QStringLiteral("sample.tree"), QFileInfo(tree).fileName());
        line(QStringLiteral("sample.seconds"), n == 1 ? dash : QString::number(options.interval));
        machine.printSample(line);
        out.flush();
        // Adapters and volumes that went away are deleted once the event loop turns.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return 0;
}
