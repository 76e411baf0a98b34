#include "LoopbackStartup.h"
#include "CardTestSupport.h"
#include "FixtureMachine.h"

#include "Kestrion/Common/CardCatalog.h"
#include "Kestrion/App/ContentView.h"
#include "Kestrion/App/MainWindow.h"
#include "Kestrion/Cards/GraphicsCardView.h"
#include "Kestrion/Cards/InternalBatteryView.h"
#include "Kestrion/Cards/NetworkCards.h"
#include "Kestrion/Cards/ProcessorCards.h"
#include "Kestrion/Cards/SystemInfoView.h"
#include "Kestrion/Cards/VolumeCards.h"
#include "Kestrion/Models/GpuModel.h"
#include "Kestrion/Models/InternalBatteryModel.h"
#include "Kestrion/Models/NetworkModel.h"
#include "Kestrion/Models/SystemInfoModel.h"
#include "Kestrion/Models/VolumesModel.h"
#include "Kestrion/Settings/AppSettings.h"

#include "BaseKit/Sampler/SampleClock.h"
#include "InternalBatteryKit/InternalBatteryFinder.h"
#include "Platform/Registry/BlockStorageRegistryAdapter.h"
#include "Platform/Volumes/DiskEjector.h"
#include "Platform/Volumes/Mounts.h"
#include "Platform/PropertyList/PlistValue.h"
#include "Platform/Sysfs/PowerSources.h"
#include "Support/PowerSupplyFixture.h"
#include "Platform/Registry/SysfsRegistry.h"
#include "SystemKit/Graphics/GraphicsCardController.h"
#include "SystemKit/NetworkFixture.h"
#include "SystemKit/Volumes/VolumesController.h"

#include "Support/VolumeTree.h"

#include <QApplication>
#include <QPaintEvent>

#include <gtest/gtest.h>

#include <memory>

using namespace Kestrion;
using Platform::PlistValue;

namespace {

class NoEjector : public Platform::DiskEjector {
public:
    void unmountAndEject(const QString&, bool, Done done) override { done(QString()); }
};

// Counts the window's paint passes: each update request of the window that paints anything is one,
// however many of its widgets it paints.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* window) : m_window(window) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }

    int passes = 0;
    QStringList painted; // the widgets painted since the last reset, by class

    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::UpdateRequest && object == m_window) {
            ++m_request;
        } else if (event->type() == QEvent::Paint && object->isWidgetType()
                   && static_cast<QWidget*>(object)->window() == m_window) {
            if (m_countedRequest != m_request || m_request == 0) {
                m_countedRequest = m_request;
                ++passes;
            }
            painted.append(QString::fromLatin1(object->metaObject()->className()));
        }
        return false;
    }

private:
    QWidget* m_window;
    int m_request = 0;
    int m_countedRequest = -1;
};

// Every card of the main window over samplers of fixture trees, the samplers on the shared clock
// driven by hand.
struct EveryCardWindow {
    EveryCardWindow()
    {
        BaseKit::SampleClock::shared().setDrivenByHand(true);

        // Processor, cores, memory and processes.
        machine.setProcesses(processes(0));
        machine.setTicks(Ticks{100, 0, 100, 800}, {Ticks{50, 0, 50, 400}, Ticks{50, 0, 50, 400}});
        processor = machine.makeProcessor(2);
        processor->setCollectProcessInformation(true);
        memory = machine.makeMemory();
        processor->start(1.0);
        memory->start(1.0);

        // Network: one Ethernet adapter, the primary one.
        network.netdev(QStringLiteral("eth0"), QStringLiteral("Ethernet"));
        network.link(QStringLiteral("eth0"), 0, 0);
        network.address(QStringLiteral("eth0"), Platform::NetworkInterfaces::inet4Family, QStringLiteral("192.0.2.2"));
        network.primary(QStringLiteral("eth0"));
        networkModel = std::make_unique<NetworkModel>(new SystemKit::NetworkController(30, false, network.environment()),
                                                      loopbackStartup().addressServices);

        // One graphics card in an in-memory registry.
        auto cards = std::make_shared<Platform::InMemoryRegistry>();
        const auto device = cards->addEntry(std::nullopt, QStringLiteral("pci"), QStringLiteral("IOPCIDevice"),
                                            {{QStringLiteral("vendor-id"), PlistValue(QByteArray("\x02\x10\x00\x00", 4))},
                                             {QStringLiteral("model"), PlistValue(QByteArray("Radeon Test"))}});
        const auto accelerator = cards->addEntry(device, QStringLiteral("accel"), QStringLiteral("IOAccelerator"));
        cards->setProperty(accelerator, QStringLiteral("PerformanceStatistics"),
                           PlistValue(PlistValue::DictionaryType{{QStringLiteral("Device Utilization %"),
                                                                  PlistValue(std::int64_t(5))}}));
        SystemKit::GraphicsEnvironment graphics;
        graphics.registry = cards;
        gpu = std::make_unique<GpuModel>(new SystemKit::GraphicsCardController(SystemKit::DataStorageMode::all, 30, graphics));

        // The root file system on a captured disk.
        volumeTree.mountTable("1 0 8:4 / / rw - ext4 /dev/sda4 rw\n");
        auto mounts = std::make_shared<Platform::Mounts>(volumeTree.root());
        mounts->setCapacityReader([](const QString&) {
            return std::optional<Platform::VolumeCapacity>(Platform::VolumeCapacity{500107862016, 1000, std::nullopt});
        });
        auto disks = std::make_shared<Platform::SysfsRegistry>(volumeTree.root());
        disks->addAdapter(std::make_unique<Platform::BlockStorageRegistryAdapter>(volumeTree.root()));
        volumes = std::make_unique<VolumesModel>(
            new SystemKit::VolumesController(SystemKit::VolumesEnvironment{mounts, disks, std::make_shared<NoEjector>(), nullptr}));

        // A captured laptop battery.
        battery = std::make_unique<InternalBatteryModel>(
            new InternalBatteryKit::InternalBatteryFinder({Platform::SysfsRegistry::live(batteryTree.root()),
                                                          std::make_shared<Platform::PowerSources>(batteryTree.root())}),
            settings);

        system = std::make_unique<SystemInfoModel>(identity.system, [] { return 0; });

        CardCatalog catalog;
        CardSources sources;
        sources.processor = processor.get();
        sources.memory = memory.get();
        sources.processorName = QStringLiteral("Test Processor");
        sources.physicalMemory = 8ull << 30;
        sources.sizeClass = 1;
        sources.look = &look.settings;
        ProcessorCards::add(catalog, sources);
        SystemKit::GraphicsCardController* graphicsController = gpu->controller();
        CardLookSettings* cardLook = &look.settings;
        catalog.add(Card::graphicsCard, [graphicsController, cardLook](QWidget* parent) -> QWidget* {
            return new GraphicsCardView(*graphicsController, *cardLook, parent);
        });
        VolumeCards::add(catalog, {.volumes = volumes.get(), .look = &look.settings, .sizeClass = 1});
        CardSources networkSources;
        networkSources.network = networkModel.get();
        networkSources.settings = &settings;
        networkSources.hostName = [] { return QStringLiteral("studio"); };
        networkSources.look = &look.settings;
        NetworkCards::add(catalog, networkSources);
        InternalBatteryModel* batteryModel = battery.get();
        catalog.add(Card::internalBattery, [batteryModel, cardLook](QWidget* parent) -> QWidget* {
            return new InternalBatteryView(*batteryModel, *cardLook, parent);
        });
        SystemInfoModel* systemModel = system.get();
        QPointer<GpuModel> gpuModel = gpu.get();
        QPointer<VolumesModel> volumesModel = volumes.get();
        catalog.add(Card::systemInfo, [systemModel, gpuModel, volumesModel](QWidget* parent) -> QWidget* {
            return new SystemInfoView(*systemModel, gpuModel, volumesModel, 1, parent);
        });

        content = new ContentView(std::move(catalog), 1);
        MainLayoutInputs inputs;
        inputs.disableSystemInfo = false;
        inputs.batteryPresent = battery->finder()->batteryPresent();
        inputs.hasPrimaryGraphicsCard = gpu->controller()->primary() != nullptr;
        content->apply(inputs);
        window = std::make_unique<MainWindow>(content);
        window->resize(1920, 1080);
        window->show();
        settle();
    }

    ~EveryCardWindow()
    {
        window.reset();
        BaseKit::SampleClock::shared().setDrivenByHand(false);
    }

    // Twelve to fourteen processes, coming and going, whose loads and sizes move with the tick.
    static std::vector<FakeProcess> processes(int tick)
    {
        std::vector<FakeProcess> list;
        for (int i = 0; i < 12 + tick % 3; ++i)
            list.push_back(FakeProcess{100 + i, QStringLiteral("process-%1").arg(i), quint64(tick * (i + 1) * 7),
                                       quint64(1000 + 37 * i + 11 * tick * (i % 3))});
        return list;
    }

    // One second: the sources move on, the clock ticks, and the event loop runs until idle.
    void tick(int n)
    {
        machine.advance(1.0);
        machine.setProcesses(processes(n));
        machine.setTicks(Ticks{100ull + 60 * n, 0, 100ull + 20 * n, 800ull + 20 * n},
                         {Ticks{50ull + 30 * n, 0, 50ull + 10 * n, 400ull + 10 * n},
                          Ticks{50ull + 30 * n, 0, 50ull + 10 * n, 400ull + 10 * n}});
        network.clock->advance(std::chrono::seconds(1));
        network.link(QStringLiteral("eth0"), std::uint32_t(1000 * n * n), std::uint32_t(5000 * n));
        BaseKit::SampleClock::shared().tick();
        settle();
    }

    static void settle()
    {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }

    FixtureMachine identity;
    LookFixture look;
    AppSettings settings{look.defaults};
    SyntheticMachine machine;
    std::unique_ptr<SystemKit::ProcessorController> processor;
    std::unique_ptr<SystemKit::MemoryController> memory;
    NetworkMachine network;
    std::unique_ptr<NetworkModel> networkModel;
    std::unique_ptr<GpuModel> gpu;
    VolumeTree volumeTree{QStringLiteral("nvme-sata")};
    std::unique_ptr<VolumesModel> volumes;
    PowerSupplyFixture batteryTree{"power_supply-thinkpad-procfs-A"};
    std::unique_ptr<InternalBatteryModel> battery;
    std::unique_ptr<SystemInfoModel> system;
    ContentView* content = nullptr;
    std::unique_ptr<MainWindow> window;
};

} // namespace

TEST(MainWindowPaints, AtMostOncePerTickWithEveryCardShown)
{
    EveryCardWindow w;
    ASSERT_NE(w.content->systemInfoWidget(), nullptr);
    EXPECT_TRUE(w.content->systemInfoWidget()->isVisible());
    for (Card card : {Card::processorUsage, Card::coreUsage, Card::memoryUsage, Card::graphicsCard,
                      Card::diskInfo, Card::volumes, Card::networkInfo, Card::networkUsage, Card::internalBattery}) {
        bool shown = false;
        for (int column = 0; column < 8 && !shown; ++column) {
            QWidget* widget = w.content->cardWidget(column, card);
            shown = widget && widget->isVisible();
        }
        EXPECT_TRUE(shown) << int(card);
    }

    // The first sample fills the process lists, which lays the lists out anew once.
    w.tick(1);
    PaintCounter counter(w.window.get());
    int ticksWithPaints = 0;
    for (int n = 2; n <= 11; ++n) {
        const int before = counter.passes;
        w.tick(n);
        EXPECT_LE(counter.passes - before, 1) << "tick " << n << ": " << counter.painted.join(QLatin1Char(' ')).toStdString();
        ticksWithPaints += counter.passes > before ? 1 : 0;
        counter.painted.clear();
    }
    // The samples changed what the cards show: the window did paint.
    EXPECT_GE(ticksWithPaints, 9);
}
