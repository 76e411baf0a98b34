#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Cards/SystemInfoView.h"
#include "Kestrion/Models/GpuModel.h"
#include "Kestrion/Models/SystemInfoModel.h"
#include "Kestrion/Models/VolumesModel.h"

#include "BaseKit/System/MacSystem.h"
#include "LanguageKit/LKResources.h"
#include "Platform/Registry/BlockStorageRegistryAdapter.h"
#include "Platform/Time/Clock.h"
#include "Platform/Volumes/DiskEjector.h"
#include "Platform/Time/FakeClock.h"
#include "Platform/Registry/InMemoryRegistry.h"
#include "Platform/Sysfs/Machine.h"
#include "Platform/Volumes/Mounts.h"
#include "Platform/PropertyList/PlistValue.h"
#include "Platform/Registry/SysfsRegistry.h"
#include "SystemKit/Graphics/GraphicsCardController.h"
#include "SystemKit/Volumes/VolumesController.h"
#include "ViewKit/Canvas.h"
#include "ViewKit/VKDoubleTextView.h"
#include "ViewKit/VKTheme.h"

#include "Support/VolumeTree.h"

#include <QLayout>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace Kestrion;
using LanguageKit::LKLocalizedString;
using LanguageKit::LKResources;
using Platform::PlistValue;
using Fact = SystemInfoView::Fact;

namespace {

class NoEjector : public Platform::DiskEjector {
public:
    void unmountAndEject(const QString&, bool, Done done) override { done(QString()); }
};

// The machine's identity from a captured tree, its registry and clock the test's own.
class SystemInfoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registry = std::make_shared<Platform::InMemoryRegistry>();
        clock = std::make_shared<Platform::FakeClock>();
        clock->setSecondsSinceBoot(3 * 3600 + 25 * 60 + 7);
    }

    void use(const char* tree, const char* machine = "x86_64")
    {
        BaseKit::MacSystem::Sources sources;
        sources.machine = std::make_shared<Platform::Machine>(
            QStringLiteral(KESTRION_FIXTURES "/BaseKit/") + QLatin1String(tree),
            Platform::KernelIdentity{QStringLiteral("Linux"), QStringLiteral("studio"), QStringLiteral("6.1.0"),
                                     QLatin1String(machine)});
        sources.computerName = [] { return QStringLiteral("Studio"); };
        sources.bootTime = [] { return std::optional<std::int64_t>(1700000000); };
        sources.registry = registry;
        sources.clock = clock;
        system = std::make_shared<const BaseKit::MacSystem>(sources);
    }

    // The machine of the last use().
    std::shared_ptr<const BaseKit::MacSystem> system;
    std::shared_ptr<Platform::InMemoryRegistry> registry;
    std::shared_ptr<Platform::FakeClock> clock;
    int thermal = 0;
};

QString text(LKLocalizedString key)
{
    return LKResources::localized(key);
}

// A graphics model over one AMD card named "Radeon Test" in an in-memory registry.
std::unique_ptr<GpuModel> oneCard()
{
    auto cards = std::make_shared<Platform::InMemoryRegistry>();
    const auto device = cards->addEntry(std::nullopt, QStringLiteral("pci"), QStringLiteral("IOPCIDevice"),
                                        {{QStringLiteral("vendor-id"), PlistValue(QByteArray("\x02\x10\x00\x00", 4))},
                                         {QStringLiteral("model"), PlistValue(QByteArray("Radeon Test"))}});
    const auto accelerator = cards->addEntry(device, QStringLiteral("accel"), QStringLiteral("IOAccelerator"));
    cards->setProperty(accelerator, QStringLiteral("PerformanceStatistics"),
                       PlistValue(PlistValue::DictionaryType{{QStringLiteral("Device Utilization %"),
                                                              PlistValue(std::int64_t(5))}}));
    SystemKit::GraphicsEnvironment environment;
    environment.registry = cards;
    return std::make_unique<GpuModel>(
        new SystemKit::GraphicsCardController(SystemKit::DataStorageMode::all, 30, environment));
}

// A volumes model whose root file system is a volume of 500107862016 bytes (465.76 GiB).
struct RootVolume {
    VolumeTree tree{QStringLiteral("nvme-sata")};
    std::unique_ptr<VolumesModel> model;
    explicit RootVolume(const QByteArray& table = "1 0 8:4 / / rw - ext4 /dev/sda4 rw\n")
    {
        tree.mountTable(table);
        auto mounts = std::make_shared<Platform::Mounts>(tree.root());
        mounts->setCapacityReader([](const QString&) {
            return std::optional<Platform::VolumeCapacity>(Platform::VolumeCapacity{500107862016, 1000, std::nullopt});
        });
        auto disks = std::make_shared<Platform::SysfsRegistry>(tree.root());
        disks->addAdapter(std::make_unique<Platform::BlockStorageRegistryAdapter>(tree.root()));
        model = std::make_unique<VolumesModel>(
            new SystemKit::VolumesController(SystemKit::VolumesEnvironment{mounts, disks, std::make_shared<NoEjector>(), nullptr}));
    }
};

} // namespace

TEST_F(SystemInfoTest, FactsOfAnIntelLaptopWithoutGraphicsCardOrSystemVolume)
{
    use("laptop-xps13");
    const QList<Fact> hardware = SystemInfoView::hardwareFacts(*system, nullptr, nullptr);
    ASSERT_EQ(hardware.size(), 4);
    EXPECT_EQ(hardware[0], (Fact{LKLocalizedString::processor, QStringLiteral("12th Gen Intel(R) Core(TM) i7-1260P")}));
    EXPECT_EQ(hardware[1], (Fact{LKLocalizedString::graphicsCard, text(LKLocalizedString::unknownGraphicsCard)}));
    EXPECT_EQ(hardware[2].key, LKLocalizedString::memory);
    EXPECT_NE(hardware[2].text, QStringLiteral("-"));
    // No volume the sampler can name as the system volume: the placeholder, not a stop.
    EXPECT_EQ(hardware[3], (Fact{LKLocalizedString::storage, QStringLiteral("-")}));

    const QList<Fact> large = SystemInfoView::processorFacts(*system, 2);
    EXPECT_EQ(large, (QList<Fact>{{LKLocalizedString::identifier, QStringLiteral("XPS 13 9320")},
                                  {LKLocalizedString::architecture, QStringLiteral("Intel")},
                                  {LKLocalizedString::coreCount, QStringLiteral("12")},
                                  {LKLocalizedString::threadCount, QStringLiteral("16")}}));
    // An Intel machine: the core count stands alone in every class.
    EXPECT_FALSE(SystemInfoView::clusters(*system, 2));
    EXPECT_FALSE(SystemInfoView::clusters(*system, 1));
}

TEST_F(SystemInfoTest, SmallScreensCountProcessorsLargerOnesCoresAndThreads)
{
    use("x86-two-socket");
    const QList<Fact> small = SystemInfoView::processorFacts(*system, 0);
    const QList<Fact> large = SystemInfoView::processorFacts(*system, 1);
    EXPECT_EQ(small[2].text, QString::number(system->physicalProcessorCount()));
    EXPECT_EQ(small[3].text, QString::number(system->logicalProcessorCount()));
    EXPECT_EQ(large[2].text, QStringLiteral("16"));
    EXPECT_EQ(large[3].text, QStringLiteral("32"));
}

TEST_F(SystemInfoTest, PrimaryCardAndSystemVolumeFillTheHardwareGroup)
{
    use("laptop-xps13");
    auto gpu = oneCard();
    RootVolume root;
    ASSERT_NE(root.model->controller()->listedSystemVolume(), nullptr);
    const QList<Fact> hardware = SystemInfoView::hardwareFacts(*system, gpu->controller()->primary(),
                                                               root.model->controller()->listedSystemVolume());
    EXPECT_EQ(hardware[1].text, QStringLiteral("Radeon Test"));
    EXPECT_EQ(hardware[3].text, QStringLiteral("465.76 GB"));

    SystemInfoModel model(system, [this] { return thermal; });
    SystemInfoView view(model, gpu.get(), root.model.get(), 2);
    EXPECT_EQ(view.row(LKLocalizedString::graphicsCard)->rightText(), QStringLiteral("Radeon Test"));
    EXPECT_EQ(view.row(LKLocalizedString::storage)->rightText(), QStringLiteral("465.76 GB"));
    // Without the models the rows show what a bare machine shows.
    SystemInfoView bare(model, nullptr, nullptr, 2);
    EXPECT_EQ(bare.row(LKLocalizedString::graphicsCard)->rightText(), text(LKLocalizedString::unknownGraphicsCard));
    EXPECT_EQ(bare.row(LKLocalizedString::storage)->rightText(), QStringLiteral("-"));
}

TEST_F(SystemInfoTest, AppleSiliconShowsClusterCountsFromClassOne)
{
    const auto cpus = registry->addEntry(std::nullopt, QStringLiteral("cpus"), QStringLiteral("IOService"));
    for (const char* type : {"E", "E", "P"})
        registry->addEntry(cpus, QStringLiteral("cpu"), QStringLiteral("AppleARMCPU"),
                           {{QStringLiteral("cluster-type"), PlistValue(QByteArray(type, 2))}});
    use("apple-m2-procfs", "aarch64");
    const std::optional<SystemInfoView::Clusters> counts = SystemInfoView::clusters(*system, 2);
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->efficiency, 2);
    EXPECT_EQ(counts->performance, 1);
    EXPECT_FALSE(SystemInfoView::clusters(*system, 0));

    SystemInfoModel model(system, [this] { return thermal; });
    SystemInfoView large(model, nullptr, nullptr, 2);
    EXPECT_NE(large.clusterCounts(), nullptr);
    SystemInfoView small(model, nullptr, nullptr, 0);
    EXPECT_EQ(small.clusterCounts(), nullptr);
    // A reading the machine cannot give shows the placeholder: this tree publishes no model identifier.
    EXPECT_EQ(small.row(LKLocalizedString::identifier)->rightText(), QStringLiteral("-"));
}

TEST_F(SystemInfoTest, ArrangementFollowsTheSizeClass)
{
    use("laptop-xps13");
    SystemInfoModel model(system, [this] { return thermal; });
    SystemInfoView small(model, nullptr, nullptr, 0);
    EXPECT_EQ(small.heading(), nullptr);
    EXPECT_EQ(small.layout()->spacing(), 8);
    EXPECT_EQ(small.picture()->height(), 80);
    EXPECT_EQ(small.picture()->width(), 80 + 16);  // its trailing padding
    SystemInfoView medium(model, nullptr, nullptr, 1);
    EXPECT_NE(medium.heading(), nullptr);
    EXPECT_EQ(medium.layout()->spacing(), 16);
    EXPECT_EQ(medium.picture()->height(), 96);
    SystemInfoView large(model, nullptr, nullptr, 2);
    EXPECT_EQ(large.layout()->spacing(), 32);
    EXPECT_EQ(large.picture()->height(), 144);
    // Every fact has its row, in the three groups.
    for (LKLocalizedString key : {LKLocalizedString::processor, LKLocalizedString::memory, LKLocalizedString::coreCount,
                                  LKLocalizedString::serialNumber, LKLocalizedString::uptime, LKLocalizedString::model,
                                  LKLocalizedString::thermalState})
        EXPECT_NE(large.row(key), nullptr) << key.rawValue().toStdString();
    // The facts fit the height the row needs: each row is at least as high as its text.
    large.resize(1400, large.minimumSizeHint().height());
    QImage image = makeCanvas(large.size(), 1);
    large.render(&image);
    for (LKLocalizedString key : {LKLocalizedString::processor, LKLocalizedString::storage, LKLocalizedString::threadCount,
                                  LKLocalizedString::thermalState}) {
        const ViewKit::VKDoubleTextView* row = large.row(key);
        EXPECT_GE(row->height(), QFontMetrics(row->font()).height()) << key.rawValue().toStdString();
    }
}

TEST_F(SystemInfoTest, ThermalStateAndUptimeAreReadEverySecondWhileShown)
{
    use("laptop-xps13");
    thermal = 2;
    SystemInfoModel model(system, [this] { return thermal; });
    SystemInfoView view(model, nullptr, nullptr, 0);
    EXPECT_EQ(view.row(LKLocalizedString::thermalState)->rightText(), text(LKLocalizedString::serious));
    const QString before = view.row(LKLocalizedString::uptime)->rightText();
    EXPECT_EQ(before, BaseKit::MacSystem::uptimeText(3 * 3600 + 25 * 60 + 7));

    // The light: red for serious.
    view.setPalette(ViewKit::VKTheme::palette(ViewKit::VKColorScheme::light));
    auto lightColour = [&] {
        QWidget* light = view.thermalLight();
        QImage image = makeCanvas(light->size(), 1);
        light->render(&image);
        return image.pixelColor(light->width() / 2, light->height() / 2);
    };
    EXPECT_TRUE(sameRgb(lightColour(), ViewKit::VKTheme::color(ViewKit::VKNamedColor::red, ViewKit::VKColorScheme::light), 3));

    // Nothing changes between ticks; a tick reads both again.
    thermal = 0;
    clock->setSecondsSinceBoot(3 * 3600 + 25 * 60 + 8);
    EXPECT_EQ(view.row(LKLocalizedString::thermalState)->rightText(), text(LKLocalizedString::serious));
    view.refreshLiveRows();
    EXPECT_EQ(view.row(LKLocalizedString::thermalState)->rightText(), text(LKLocalizedString::nominal));
    EXPECT_EQ(view.shownThermalState(), 0);
    EXPECT_NE(view.row(LKLocalizedString::uptime)->rightText(), before);
    EXPECT_TRUE(sameRgb(lightColour(), ViewKit::VKTheme::color(ViewKit::VKNamedColor::green, ViewKit::VKColorScheme::light), 3));
    // A machine without thermal zones: "UNKNOWN" in the secondary colour.
    thermal = -1;
    view.refreshLiveRows();
    EXPECT_EQ(view.row(LKLocalizedString::thermalState)->rightText(), text(LKLocalizedString::unknown));

    // The rows follow the samplers' clock, once a second, only while the row is on screen.
    EXPECT_EQ(view.liveTimer(), nullptr);
    view.show();
    ASSERT_NE(view.liveTimer(), nullptr);
    EXPECT_EQ(view.liveTimer(), BaseKit::SampleClock::shared().timer());
    EXPECT_EQ(view.liveTimer()->interval(), 1000);
    view.hide();
    EXPECT_EQ(view.liveTimer(), nullptr);
}

TEST_F(SystemInfoTest, IdentityRowsFollowTheModel)
{
    use("laptop-xps13");
    SystemInfoModel model(system, [this] { return thermal; });
    SystemInfoView view(model, nullptr, nullptr, 1);
    model.setSerialNumber(QStringLiteral("7HXK2Q3"));
    model.setComputerModel(QStringLiteral("XPS 13"));
    EXPECT_EQ(view.row(LKLocalizedString::serialNumber)->rightText(), QStringLiteral("7HXK2Q3"));
    EXPECT_EQ(view.row(LKLocalizedString::model)->rightText(), QStringLiteral("XPS 13"));
    model.setSerialNumber(QString());
    EXPECT_EQ(view.row(LKLocalizedString::serialNumber)->rightText(), QStringLiteral("-"));
}

TEST_F(SystemInfoTest, StorageRowFollowsTheSystemVolumeOnceListed)
{
    use("laptop-xps13");
    RootVolume data("2 0 8:1 / /data rw - vfat /dev/sda1 rw\n");  // no root volume yet
    SystemInfoModel model(system, [this] { return thermal; });
    SystemInfoView view(model, nullptr, data.model.get(), 0);
    EXPECT_EQ(view.row(LKLocalizedString::storage)->rightText(), QStringLiteral("-"));
    data.tree.mountTable("1 0 8:4 / / rw - ext4 /dev/sda4 rw\n2 0 8:1 / /data rw - vfat /dev/sda1 rw\n");
    data.model->controller()->refresh();
    EXPECT_EQ(view.row(LKLocalizedString::storage)->rightText(), QStringLiteral("465.76 GB"));
}
