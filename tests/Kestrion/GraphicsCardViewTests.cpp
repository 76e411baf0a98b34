#include "CardTestSupport.h"

#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Cards/GraphicsCardView.h"
#include "Kestrion/Models/GpuModel.h"

#include "Platform/Registry/DrmRegistryAdapter.h"
#include "Platform/Registry/InMemoryRegistry.h"
#include "Platform/Registry/SysfsRegistry.h"
#include "Support/FixtureRoot.h"
#include "ViewKit/VKTheme.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace Kestrion;
using Platform::PlistValue;
using SystemKit::DataStorageMode;
using SystemKit::GraphicsCardController;
using ViewKit::VKColorScheme;
using ViewKit::VKNamedColor;
using ViewKit::VKTheme;

namespace {

// A sampler over one AMD card of an in-memory registry whose counters the test sets.
struct OneCard {
    std::shared_ptr<Platform::InMemoryRegistry> registry = std::make_shared<Platform::InMemoryRegistry>();
    Platform::RegistryEntryId accelerator = 0;
    std::unique_ptr<GraphicsCardController> controller;

    explicit OneCard(std::optional<PlistValue::DictionaryType> counters)
    {
        const auto device = registry->addEntry(std::nullopt, QStringLiteral("pci"), QStringLiteral("IOPCIDevice"),
                                               {{QStringLiteral("vendor-id"), PlistValue(QByteArray("\x02\x10\x00\x00", 4))},
                                                {QStringLiteral("model"), PlistValue(QByteArray("Radeon Test"))},
                                                {QStringLiteral("VRAM,totalMB"), PlistValue(std::uint64_t(1024))}});
        accelerator = registry->addEntry(device, QStringLiteral("accel"), QStringLiteral("IOAccelerator"));
        if (counters)
            set(*counters);
        SystemKit::GraphicsEnvironment environment;
        environment.registry = registry;
        controller = std::make_unique<GraphicsCardController>(DataStorageMode::all, 30, environment);
        controller->refresh();
    }
    void set(PlistValue::DictionaryType counters)
    {
        registry->setProperty(accelerator, QStringLiteral("PerformanceStatistics"), PlistValue(std::move(counters)));
    }
};

// A sampler over a DRM fixture tree.
struct DrmCards {
    FixtureRoot root;
    std::unique_ptr<GraphicsCardController> controller;
    explicit DrmCards(const QString& fixture) : root(fixture)
    {
        root.write(QStringLiteral("usr/share/misc/pci.ids"),
                   "1002  Advanced Micro Devices, Inc. [AMD/ATI]\n\t687f  Vega 10 XL/XT [Radeon RX Vega 56/64]\n");
        auto registry = std::make_shared<Platform::SysfsRegistry>(root.path());
        registry->addAdapter(std::make_unique<Platform::DrmRegistryAdapter>(root.path()));
        SystemKit::GraphicsEnvironment environment;
        environment.registry = registry;
        controller = std::make_unique<GraphicsCardController>(DataStorageMode::all, 30, environment);
        controller->refresh();
    }
};

} // namespace

TEST(GraphicsCard, ContentsOfTheEdgeCases)
{
    EXPECT_FALSE(GraphicsCardView::contents(nullptr).shown);
    {
        OneCard failing(std::nullopt); // no statistics read yet: only the surface
        EXPECT_FALSE(GraphicsCardView::contents(failing.controller->primary()).shown);
    }
    OneCard card(PlistValue::DictionaryType{{QStringLiteral("Temperature(C)"), PlistValue(45.7)},
                                            {QStringLiteral("vramFreeBytes"), PlistValue(std::uint64_t(805306368))},
                                            {QStringLiteral("Fan Speed(RPM)"), PlistValue(std::int64_t(1200))}});
    const auto contents = GraphicsCardView::contents(card.controller->primary());
    EXPECT_TRUE(contents.shown);
    EXPECT_EQ(contents.title, QStringLiteral("Radeon Test"));
    EXPECT_EQ(contents.temperature, QStringLiteral("45 \u00B0C")); // the whole value, not rounded
    EXPECT_FALSE(contents.utilization);
    EXPECT_DOUBLE_EQ(contents.memory, 0.25); // 768 MiB free of 1 GiB: a quarter used
    EXPECT_EQ(contents.rows, (QList<GraphicsStatisticsList::Row>{{"Fan Speed", "1200 Rpm"},
                                                                 {"Temperature", "45 \u00B0C"},
                                                                 {"VRAM Free", "768 MB"}}));

    // Nothing the catalogue knows: the name alone, no temperature, no bar, an empty memory bar.
    card.set({{QStringLiteral("Unknown"), PlistValue(std::int64_t(1))}});
    card.controller->refresh();
    const auto bare = GraphicsCardView::contents(card.controller->primary());
    EXPECT_TRUE(bare.shown);
    EXPECT_FALSE(bare.temperature);
    EXPECT_FALSE(bare.utilization);
    EXPECT_EQ(bare.memory, 0.0);
    EXPECT_TRUE(bare.rows.isEmpty());

    // A hostile utilisation never draws outside its bar.
    card.set({{QStringLiteral("Device Utilization %"), PlistValue(std::int64_t(250))},
              {QStringLiteral("Temperature(C)"), PlistValue(std::numeric_limits<double>::quiet_NaN())}});
    card.controller->refresh();
    const auto hostile = GraphicsCardView::contents(card.controller->primary());
    EXPECT_EQ(hostile.utilization, 1.0);
    EXPECT_EQ(hostile.temperature, QStringLiteral("- \u00B0C"));
}

TEST(GraphicsCard, FollowsThePrimaryCardAndHidesAMissingBar)
{
    OneCard card(std::nullopt);
    LookFixture look;
    GraphicsCardView view(*card.controller, look.settings);
    view.resize(320, 480);
    view.show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(view.contentArea()->isVisible());

    card.set({{QStringLiteral("Temperature(C)"), PlistValue(std::int64_t(50))}});
    card.controller->refresh();
    QCoreApplication::processEvents();
    EXPECT_TRUE(view.contentArea()->isVisible());
    EXPECT_FALSE(view.utilizationBar()->isVisible()); // the label stays, the bar goes
    EXPECT_TRUE(view.memoryBar()->isVisible());
    EXPECT_EQ(view.statisticsList()->rows().size(), 1);

    card.set({{QStringLiteral("Device Utilization %"), PlistValue(std::int64_t(30))}});
    card.controller->refresh();
    QCoreApplication::processEvents();
    EXPECT_TRUE(view.utilizationBar()->isVisible());
    EXPECT_EQ(view.shownContents().utilization, 0.3);
}

TEST(GraphicsCard, RendersTheFixtureCardInLightAndDark)
{
    DrmCards drm(QStringLiteral("drm/vega56"));
    for (const VKColorScheme scheme : {VKColorScheme::light, VKColorScheme::dark}) {
        SCOPED_TRACE(scheme == VKColorScheme::dark ? "dark" : "light");
        LookFixture look;
        GraphicsCardView view(*drm.controller, look.settings);
        applyScheme(view, scheme);
        view.resize(320, 520);
        view.show();
        QCoreApplication::processEvents();
        const QImage image = renderWidget(view, QSize(320, 520), 1.0);
        if (const QByteArray dir = qgetenv("KESTRION_SHOT_DIR"); !dir.isEmpty())
            image.save(QString::fromLocal8Bit(dir) + (scheme == VKColorScheme::dark ? "/graphics-dark.png" : "/graphics-light.png"));

        const auto& shown = view.shownContents();
        EXPECT_EQ(shown.title, QStringLiteral("Vega 10 XL/XT [Radeon RX Vega 56/64]"));
        EXPECT_EQ(shown.temperature, QStringLiteral("38 \u00B0C"));
        EXPECT_EQ(shown.utilization, 0.0);
        EXPECT_EQ(view.statisticsList()->rows().size(), 12);

        // The memory bar: its used part (under 1 %) in the accent colour at the leading edge, the
        // rest the gray track; the utilisation bar at 0 is all track.
        const QRect memory(view.memoryBar()->mapTo(&view, QPoint(0, 0)), view.memoryBar()->size());
        const QColor accent = VKTheme::color(VKNamedColor::accent, scheme, view.palette());
        EXPECT_FALSE(sameRgb(pixelAt(image, QPointF(memory.right() - 6, memory.top() + 3)), accent, 10));
        const QRect busy(view.utilizationBar()->mapTo(&view, QPoint(0, 0)), view.utilizationBar()->size());
        EXPECT_FALSE(sameRgb(pixelAt(image, QPointF(busy.left() + 6, busy.top() + 3)), accent, 10));
        EXPECT_TRUE(view.utilizationBar()->isVisible());

        // The title is drawn in the scheme's primary text colour somewhere on the header line.
        const QColor text = VKTheme::primaryText(scheme);
        bool titleInk = false;
        for (int x = 20; x < 200 && !titleInk; ++x)
            for (int y = 20; y < 44 && !titleInk; ++y)
                titleInk = sameRgb(image.pixelColor(x, y), text, 40);
        EXPECT_TRUE(titleInk);
    }
}

TEST(GraphicsCard, ModelStartsAndSamplesAtOnce)
{
    OneCard card(PlistValue::DictionaryType{{QStringLiteral("Device Utilization %"), PlistValue(std::int64_t(5))}});
    auto* controller = new GraphicsCardController(DataStorageMode::all, 30, [&] {
        SystemKit::GraphicsEnvironment environment;
        environment.registry = card.registry;
        return environment;
    }());
    GpuModel model(controller);
    EXPECT_EQ(model.controller(), controller);
    EXPECT_EQ(controller->parent(), &model);
    ASSERT_NE(controller->timer(), nullptr);
    EXPECT_EQ(controller->timer()->interval(), 1000);
    ASSERT_NE(controller->primary(), nullptr); // sampled before any window is drawn
    EXPECT_EQ(controller->primary()->utilization(), 5);
    EXPECT_EQ(controller->mode(), DataStorageMode::all);
    EXPECT_EQ(controller->historySize(), 30);
}
