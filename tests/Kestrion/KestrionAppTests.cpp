#include "LoopbackStartup.h"
#include "FakeCompanion.h"
#include "Kestrion/App/Appearance.h"
#include "Kestrion/App/ContentView.h"
#include "Kestrion/App/EmptyView.h"
#include "Kestrion/App/GridScrollArea.h"
#include "Kestrion/App/KestrionApp.h"
#include "Kestrion/App/SceneWindow.h"
#include "Kestrion/Cards/VolumesView.h"
#include "Kestrion/Cards/VolumeView.h"
#include "Kestrion/Models/GpuModel.h"
#include "Kestrion/Models/MemoryModel.h"
#include "Kestrion/Models/ProcessorModel.h"
#include "Kestrion/Models/SystemInfoModel.h"
#include "Kestrion/Models/VolumeModel.h"
#include "Kestrion/Settings/AppSettings.h"
#include "Kestrion/SettingsWindow/GeneralSettingsView.h"
#include "Kestrion/SettingsWindow/ModulesSettingsView.h"
#include "Kestrion/SettingsWindow/SettingsView.h"
#include "LanguageKit/LKQtTranslations.h"
#include "LanguageKit/LanguageKitTestSupport.h"
#include "Platform/PropertyList/Defaults.h"
#include "Platform/Bus/DistributedCenter.h"
#include "Platform/Netlink/Nl80211Wlan.h"
#include "Platform/Registry/InMemoryRegistry.h"
#include "BaseKit/Sampler/SampleClock.h"
#include "BaseKit/ModuleStrings.h"
#include "BaseKit/Services/Maker.h"
#include "Support/FixtureRoot.h"
#include "Support/HeldProcessTable.h"
#include "Support/LoopbackServer.h"
#include "ViewKit/VKAboutView.h"
#include "ViewKit/VKColors.h"
#include "ViewKit/VKLinkOpener.h"
#include "ViewKit/VKOtherAppsView.h"
#include "ViewKit/VKToastView.h"
#include "BaseKit/Services/Marketing.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QFile>
#include <QScrollBar>
#include <QSignalSpy>
#include <QLabel>
#include <QStackedLayout>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

using namespace Kestrion;

namespace {

// Plain widgets standing for the cards, so the layout can be followed without the real ones.
CardCatalog labelCards(KestrionApp&)
{
    CardCatalog catalog;
    for (Card card : {Card::processorUsage, Card::coreUsage, Card::memoryUsage, Card::diskInfo, Card::volumes,
                      Card::networkInfo, Card::networkUsage}) {
        catalog.add(card, [card](QWidget* parent) {
            auto* label = new QLabel(QString::number(int(card)), parent);
            label->setMinimumHeight(80);
            return label;
        });
    }
    return catalog;
}

int openWindows(const QString& identifier)
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += window->isVisible() && window->objectName() == identifier;
    return count;
}

// The names of the modules page's groups, each at the head of its row.
QStringList moduleGroupNames(KestrionApp& app)
{
    app.settingsAction()->trigger();
    auto* window = qobject_cast<SceneWindow*>(WindowRegistry::openWindow(QStringLiteral("Settings")));
    QStringList names;
    if (auto* view = window ? qobject_cast<SettingsView*>(window->content()) : nullptr) {
        for (const QLabel* label : view->modulesPage()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
            names.append(label->text());
    }
    return names;
}

// Records every "TerminateThermion" that crosses the bus, seen from a connection of its own.
struct TerminateObserver {
    TerminateObserver()
        : bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("observer")))
        , center(bus)
    {
        center.addObserver(&context, QStringLiteral("TerminateThermion"), std::nullopt,
                           [this](const QString&, const QString&) { ++seen; });
    }
    ~TerminateObserver() { QDBusConnection::disconnectFromBus(QStringLiteral("observer")); }
    bool waitForOne(int ms)
    {
        const QDeadlineTimer deadline(ms);
        while (seen == 0 && !deadline.hasExpired())
            QTest::qWait(10);
        return seen > 0;
    }

    QDBusConnection bus;
    QObject context;
    Platform::DistributedCenter center;
    int seen = 0;
};

// The program's samplers over the captured laptop, with a registry the test fills (no graphics card
// until it adds one).
struct RegistryScope {
    RegistryScope() { environment.registry = registry; }
    std::shared_ptr<Platform::InMemoryRegistry> registry = std::make_shared<Platform::InMemoryRegistry>();
    StartupEnvironment environment = loopbackStartup();
};

// Removes the standard suite's file, so that each test starts from fresh settings.
struct FreshSuite {
    FreshSuite()
    {
        QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                      + QStringLiteral("/com.brannock.kestrion.plist"));
    }
};

struct Program : ::testing::Test {
    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus";
        // A clean suite: nothing an earlier test stored (the close rule, a theme) carries over.
        const Platform::PlistValue::DictionaryType stored = defaults.dictionary();
        for (auto it = stored.begin(); it != stored.end(); ++it)
            defaults.remove(it->first);
        registry.environment.otherApps.fileHost = otherApps.base();
        registry.environment.urlOpener = [this](const QUrl& url) {
            opened.append(url);
            return desktopTakes;
        };
        app = std::make_unique<KestrionApp>(settings, registry.environment, labelCards);
        app->setTerminateHandler([this] { terminated(); });
        app->showMainWindow();
        QApplication::processEvents();
    }
    void TearDown() override { app.reset(); }

    ContentView* content() const { return app->contentView(); }
    void click(QCheckBox* box)
    {
        ASSERT_TRUE(box);
        box->click();
        QApplication::processEvents();
    }

    // Serves the maker's other applications to the program's window of them.
    LoopbackServer otherApps;
    RegistryScope registry;
    FreshSuite fresh;
    Platform::Defaults defaults{QStringLiteral("com.brannock.kestrion")};
    AppSettings settings{defaults};
    std::unique_ptr<KestrionApp> app;
    std::function<void()> terminated = [] {};
    // What the program handed to the desktop, and whether the desktop takes it.
    QList<QUrl> opened;
    bool desktopTakes = true;
};

// The program as a German desktop starts it: its tables in German from the first text on.
struct GermanProgram : Program {
    void SetUp() override
    {
        german.emplace(LanguageKitTest::shippedBundle(), QStringList{QStringLiteral("de-DE")});
        Program::SetUp();
    }
    void TearDown() override
    {
        Program::TearDown();
        german.reset();
    }
    std::optional<LanguageKitTest::TableGuard> german;
};

} // namespace

TEST_F(Program, LaunchMakesTheModelsAndTheMainWindow)
{
    ASSERT_TRUE(app->processor() && app->memory() && app->system());
    SystemKit::ProcessorController* processor = app->processor()->controller();
    ASSERT_TRUE(processor);
    EXPECT_TRUE(processor->collectProcessInformation());
    EXPECT_FALSE(processor->normalize());
    ASSERT_TRUE(processor->timer());
    EXPECT_TRUE(processor->timer()->isActive());
    ASSERT_TRUE(app->memory()->controller()->timer());
    EXPECT_TRUE(app->memory()->controller()->timer()->isActive());
    EXPECT_EQ(app->system()->computerName(), QStringLiteral("fieldbook"));

    EXPECT_TRUE(app->mainWindow()->isVisible());
    EXPECT_FALSE(content()->layoutPlan().systemInfoRow);
    EXPECT_EQ(content()->visibleCards(0).size(), 2);
    EXPECT_EQ(app->aboutAction()->text(), QStringLiteral("About Kestrion"));
    // The platform's keys for Preferences, or Ctrl+, where it names none (as here, offscreen).
    const QList<QKeySequence> preferences = QKeySequence::keyBindings(QKeySequence::Preferences);
    EXPECT_EQ(app->settingsAction()->shortcuts(),
              preferences.isEmpty() ? QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Comma)} : preferences);
    EXPECT_EQ(app->mainWindow()->windowTitle(), QStringLiteral("Kestrion"));
    EXPECT_EQ(app->helpActions().size(), 4);
}

TEST_F(Program, AboutOpensOnce)
{
    app->aboutAction()->trigger();
    app->aboutAction()->trigger();
    QApplication::processEvents();
    EXPECT_EQ(openWindows(QStringLiteral("About")), 1);
    auto* about = qobject_cast<SceneWindow*>(WindowRegistry::openWindow(QStringLiteral("About")));
    ASSERT_TRUE(about);
    EXPECT_TRUE(qobject_cast<ViewKit::VKAboutView*>(about->content()));
    // Each window's title says what it is.
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Kestrion"));
    app->settingsAction()->trigger();
    QWidget* settingsWindow = WindowRegistry::openWindow(QStringLiteral("Settings"));
    ASSERT_TRUE(settingsWindow);
    EXPECT_EQ(settingsWindow->windowTitle(), QStringLiteral("Settings"));
    settingsWindow->close();

    // The other applications come from a loopback server of the test's own.
    ASSERT_TRUE(otherApps.isListening());
    otherApps.routes[BaseKit::Marketing::documentPath] = {"200 OK", "application/json", "{\"apps\": []}", true};
    app->helpActions().last()->trigger();
    app->helpActions().last()->trigger();
    EXPECT_EQ(openWindows(QStringLiteral("OtherApps")), 1);
    auto* others = qobject_cast<SceneWindow*>(WindowRegistry::openWindow(QStringLiteral("OtherApps")));
    ASSERT_TRUE(others);
    EXPECT_EQ(others->windowTitle(), QStringLiteral("Other Apps"));
    auto* list = qobject_cast<ViewKit::VKOtherAppsView*>(others->content());
    ASSERT_TRUE(list);
    EXPECT_EQ(others->size(), QSize(512, 360 + list->toolBarHeight()));
    EXPECT_EQ(list->filter().value_or(QString()), QString::fromLatin1(KestrionApp::bundleIdentifier));
    QSignalSpy loaded(list, &ViewKit::VKOtherAppsView::loaded);
    if (list->isLoading())
        loaded.wait(5000);
    EXPECT_EQ(list->phase(), ViewKit::VKOtherAppsView::Phase::empty);
    EXPECT_EQ(otherApps.hits.value(BaseKit::Marketing::documentPath), 1);
    others->close();
}

TEST_F(Program, ModuleSwitchesRearrangeTheMainWindow)
{
    app->settingsAction()->trigger();
    auto* window = qobject_cast<SceneWindow*>(WindowRegistry::openWindow(QStringLiteral("Settings")));
    ASSERT_TRUE(window);
    auto* view = qobject_cast<SettingsView*>(window->content());
    ASSERT_TRUE(view);
    ModulesSettingsView* modules = view->modulesPage();
    EXPECT_EQ(view->currentWidget(), view->generalPage());

    // Each group is named as a label of the settings is, with a colon.
    const QStringList names = moduleGroupNames(*app);
    ASSERT_EQ(names.size(), 5);
    for (const QString& name : names)
        EXPECT_TRUE(name.endsWith(QLatin1Char(':'))) << name.toStdString();

    // Fresh installation: the system-information switch is off, the nine others on.
    for (SettingKey key : SettingKeys::moduleSwitches)
        EXPECT_EQ(modules->moduleSwitch(key)->isChecked(), key != SettingKey::disableSystemInfo);

    const QList<QWidget*> column = content()->visibleCards(0);
    ASSERT_EQ(column.size(), 2);
    const int top = column.first()->y();
    click(modules->moduleSwitch(SettingKey::disableProcessorUsage));
    EXPECT_TRUE(defaults.boolean(QStringLiteral("DisableProcessorUsage")));
    EXPECT_EQ(content()->visibleCards(0), QList<QWidget*>{column.last()});
    EXPECT_EQ(column.last()->y(), top);

    // Every switch off: the empty state.
    for (SettingKey key : SettingKeys::moduleSwitches) {
        if (modules->moduleSwitch(key)->isChecked())
            click(modules->moduleSwitch(key));
    }
    EXPECT_TRUE(content()->layoutPlan().empty);
    auto* stack = content()->findChild<QStackedLayout*>();
    ASSERT_TRUE(stack && content()->emptyView());
    EXPECT_EQ(stack->currentWidget(), content()->emptyView());

    // A change made elsewhere moves the switch as well.
    settings.setBool(SettingKey::disableMemoryUsage, false);
    EXPECT_TRUE(modules->moduleSwitch(SettingKey::disableMemoryUsage)->isChecked());
    EXPECT_FALSE(content()->layoutPlan().empty);
    EXPECT_EQ(content()->visibleCards(1).size(), 1);
}

TEST_F(Program, ClosingWithBothRulesPostsTerminateBeforeTheEnd)
{
    TerminateObserver observer;
    settings.setBool(SettingKey::autoStopHelper, true);
    settings.setBool(SettingKey::closeOnLastWindowClose, true);
    bool ended = false;
    bool seenBeforeEnd = false;
    terminated = [&] {
        // The program ends here: the companion must have been asked already.
        seenBeforeEnd = observer.waitForOne(10000);
        ended = true;
    };
    app->mainWindow()->close();
    EXPECT_TRUE(ended);
    EXPECT_TRUE(seenBeforeEnd);
    EXPECT_EQ(observer.seen, 1);
}

TEST_F(Program, ClosingWithoutCloseRuleKeepsRunning)
{
    TerminateObserver observer;
    settings.setBool(SettingKey::autoStopHelper, true);
    bool ended = false;
    terminated = [&] { ended = true; };
    app->mainWindow()->close();
    EXPECT_TRUE(observer.waitForOne(10000));
    EXPECT_FALSE(ended);
    EXPECT_TRUE(app->processor()->controller()->timer()->isActive());

    // Fresh settings otherwise: no companion request, and the window comes back on request.
    settings.setBool(SettingKey::autoStopHelper, false);
    app->showMainWindow();
    app->mainWindow()->close();
    QTest::qWait(200);
    EXPECT_EQ(observer.seen, 1);
    EXPECT_FALSE(ended);
    app->showMainWindow();
    EXPECT_TRUE(app->mainWindow()->isVisible());
}

TEST_F(Program, EscAndCtrlWCloseTheWindows)
{
    ASSERT_TRUE(otherApps.isListening());
    otherApps.routes[BaseKit::Marketing::documentPath] = {"200 OK", "application/json", "{\"apps\": []}", true};
    // Pressed in a secondary window, Esc and Ctrl+W close it.
    for (const char* identifier : {KestrionApp::aboutWindow, KestrionApp::settingsWindow, KestrionApp::otherAppsWindow}) {
        for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            SCOPED_TRACE(std::string(identifier) + " " + key.toString().toStdString());
            QPointer<QWidget> window = app->openWindowOnce(QString::fromLatin1(identifier));
            ASSERT_TRUE(window);
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
            QTest::keySequence(window, key);
            QApplication::processEvents();
            EXPECT_TRUE(!window || !window->isVisible());
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    // In the settings, Esc pressed while a list is open closes the list only; the next Esc the window.
    for (auto picker : {&GeneralSettingsView::themePicker, &GeneralSettingsView::materialPicker}) {
        QPointer<QWidget> window = app->openWindowOnce(QString::fromLatin1(KestrionApp::settingsWindow));
        ASSERT_TRUE(window);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QComboBox* list = (qobject_cast<SettingsView*>(qobject_cast<SceneWindow*>(window.data())->content())
                               ->generalPage()->*picker)();
        list->setEnabled(true);
        list->showPopup();
        QPointer<QWidget> popup = QApplication::activePopupWidget();
        ASSERT_TRUE(popup);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
        // The desktop hands the key to the window that has the keyboard.
        QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_TRUE(!popup || !popup->isVisible());
        ASSERT_TRUE(window && window->isVisible());
        QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_TRUE(!window || !window->isVisible());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Ctrl+W closes the main window as its close button does: the program goes on.
    bool ended = false;
    terminated = [&] { ended = true; };
    MainWindow* main = app->mainWindow();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QTest::keySequence(main, QKeySequence(Qt::CTRL | Qt::Key_W));
    QApplication::processEvents();
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(ended);
    EXPECT_TRUE(app->processor()->controller()->timer()->isActive());
}

TEST_F(Program, HelpLinksSayWhenNoProgramOpensThem)
{
    // "Contact Form…" and "Open Homepage…" hand the maker's pages to the desktop.
    app->helpActions().at(1)->trigger();
    app->helpActions().at(2)->trigger();
    EXPECT_EQ(opened, (QList<QUrl>{QUrl(QString::fromLatin1(BaseKit::Maker::contactPage)),
                                   QUrl(QString::fromLatin1(BaseKit::Maker::webHost))}));
    EXPECT_EQ(ViewKit::VKLinkOpener::notice(app->mainWindow()), nullptr);

    // Where no program opens them, the main window tells that nothing could open the page.
    desktopTakes = false;
    for (int item : {1, 2}) {
        app->helpActions().at(item)->trigger();
        ViewKit::VKToastView* notice = ViewKit::VKLinkOpener::notice(app->mainWindow());
        ASSERT_NE(notice, nullptr) << item;
        EXPECT_TRUE(notice->isVisible());
        EXPECT_TRUE(notice->text().contains(QStringLiteral("https://www.brannock.com")));
        EXPECT_TRUE(app->mainWindow()->rect().contains(notice->geometry()));
        delete notice;
    }
}

TEST(ProgramOnASmallScreen, EveryCardAndTheCompanionStayReachable)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus";
    FreshSuite fresh;
    Platform::Defaults defaults{QStringLiteral("com.brannock.kestrion")};
    AppSettings settings{defaults};
    settings.setBool(SettingKey::disableSystemInfo, false); // every module on
    KestrionApp app(settings, loopbackStartup());
    const QSize screen(1366, 768);
    app.mainWindow()->setAvailableArea(screen);
    app.showMainWindow();
    QApplication::processEvents();
    MainWindow* window = app.mainWindow();
    const int without = window->width();
    // The captured laptop has no battery and no graphics card: the volumes card, with the one
    // volume, stands in the battery card's place.
    const MainLayout& plan = app.contentView()->layoutPlan();
    EXPECT_TRUE(plan.systemInfoRow);
    EXPECT_EQ(plan.columns[2], std::vector<Card>{Card::networkInfo});
    EXPECT_EQ(plan.columns[3], (std::vector<Card>{Card::networkUsage, Card::volumes}));
    auto* volumes = dynamic_cast<VolumesView*>(app.contentView()->cardWidget(3, Card::volumes));
    ASSERT_TRUE(volumes);
    ASSERT_TRUE(QTest::qWaitFor([&] { return volumes->rows().size() == 1; }, 5000));
    EXPECT_EQ(volumes->rows().front()->model()->name(), QStringLiteral("nvme0n1p1"));

    {
        FakeCompanion companion;
        ASSERT_TRUE(companion.owns);
        companion.sensors = FakeCompanion::sensorList({{"TC0P", "CPU Proximity", 48.5}});
        companion.fans = {{QStringLiteral("F0"), QStringLiteral("Left"), 2000, 1200, 6000, 0}};
        ASSERT_TRUE(QTest::qWaitFor([&] { return app.contentView()->visibleCards(4).size() == 2; }, 5000));
        QApplication::processEvents();
        // The real cards with the companion's column want more than 1366 points: the window keeps to
        // the screen, at its opening size and at its minimum, and the grid scrolls to the last column.
        EXPECT_LE(window->width(), screen.width());
        EXPECT_LE(window->height(), screen.height());
        EXPECT_LE(window->minimumSize().width(), screen.width());
        EXPECT_LE(window->minimumSize().height(), screen.height());
        GridScrollArea* scroll = app.contentView()->scrollArea();
        QScrollBar* bar = scroll->horizontalScrollBar();
        bar->setValue(bar->maximum());
        QApplication::processEvents();
        QWidget* fans = app.contentView()->visibleCards(4).first();
        const QRect shown(fans->mapTo(scroll->viewport(), QPoint(0, 0)), fans->size());
        EXPECT_LE(shown.right(), scroll->viewport()->width() - 1);
        EXPECT_GE(shown.left(), 0);
    }
    // The companion quit: its column goes and the window is as wide as before it came.
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.contentView()->visibleCards(4).isEmpty(); }, 5000));
    QApplication::processEvents();
    EXPECT_EQ(window->width(), without);

    // Without the companion the columns fit the screen's width but not its height: the grid scrolls
    // down only, beside a vertical bar the window has made room for, and each card keeps the height
    // it has where the screen holds the whole window.
    GridScrollArea* scroll = app.contentView()->scrollArea();
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    std::vector<std::pair<QWidget*, int>> heights;
    for (int column = 0; column < 4; ++column) {
        for (QWidget* card : app.contentView()->visibleCards(column))
            heights.emplace_back(card, card->height());
    }
    ASSERT_FALSE(heights.empty());
    window->setAvailableArea(QSize(3840, 2160));
    window->resize(window->sizeHint());
    QApplication::processEvents();
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
    for (const auto& [card, height] : heights)
        EXPECT_EQ(height, card->height()) << card->metaObject()->className();
}

// The one start on this machine, whatever it holds: the window opens and every sampler takes a
// sample of it without a fault.
TEST(ProgramOnThisMachine, OpensItsWindowAndSamples)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus";
    FreshSuite fresh;
    Platform::Defaults defaults{QStringLiteral("com.brannock.kestrion")};
    AppSettings settings{defaults};
    KestrionApp app(settings, loopbackStartup(StartupEnvironment::live()));
    app.showMainWindow();
    BaseKit::SampleClock& clock = BaseKit::SampleClock::shared();
    ASSERT_FALSE(clock.isDrivenByHand());
    const std::uint64_t before = clock.ticks();
    EXPECT_TRUE(QTest::qWaitFor([&] { return clock.ticks() > before; }, 10000));
    EXPECT_TRUE(app.mainWindow()->isVisible());
    EXPECT_FALSE(app.contentView()->layoutPlan().empty);
}

TEST_F(Program, GeneralPageChangesApplyAtOnce)
{
    app->settingsAction()->trigger();
    auto* view = qobject_cast<SettingsView*>(
        qobject_cast<SceneWindow*>(WindowRegistry::openWindow(QStringLiteral("Settings")))->content());
    ASSERT_TRUE(view);
    GeneralSettingsView* general = view->generalPage();

    // Defaults shown: design solid, so the card style is enabled and the glass material is not.
    EXPECT_TRUE(general->cardStylePicker()->isEnabled());
    EXPECT_FALSE(general->materialPicker()->isEnabled());
    EXPECT_EQ(general->materialPicker()->currentData().toInt(), 0);
    EXPECT_EQ(general->themePicker()->currentData().toInt(), 0);

    // Glass: the rows swap, the window takes the glass background, the tile style stays.
    settings.setTileStyle(ViewKit::VKCardStyle::line);
    settings.setBackgroundTheme(BackgroundTheme::glass);
    EXPECT_FALSE(general->cardStylePicker()->isEnabled());
    EXPECT_TRUE(general->materialPicker()->isEnabled());
    EXPECT_EQ(content()->backgroundTheme(), BackgroundTheme::glass);
    EXPECT_EQ(settings.tileStyle(), ViewKit::VKCardStyle::line);
    EXPECT_EQ(general->cardStylePicker()->currentData().toInt(), 2);

    // Picking ultra thin stores -2.
    const int ultraThin = general->materialPicker()->findData(-2);
    ASSERT_EQ(ultraThin, 0);
    general->materialPicker()->setCurrentIndex(ultraThin);
    emit general->materialPicker()->activated(ultraThin);
    EXPECT_EQ(defaults.integer(QStringLiteral("Material")), -2);

    // The normalise switch reaches the running sampler.
    auto* toggle = general->findChildren<QCheckBox*>().value(2);
    ASSERT_TRUE(toggle);
    toggle->click();
    EXPECT_TRUE(settings.boolValue(SettingKey::normalizeProcessorLoads));
    EXPECT_TRUE(app->processor()->controller()->normalize());
    toggle->click();
    EXPECT_FALSE(app->processor()->controller()->normalize());

    // Theme dark and light take effect at once.
    const int dark = general->themePicker()->findData(2);
    emit general->themePicker()->activated(dark);
    EXPECT_EQ(ViewKit::VKTheme::scheme(QApplication::palette()), ViewKit::VKColorScheme::dark);
    emit general->themePicker()->activated(general->themePicker()->findData(1));
    EXPECT_EQ(ViewKit::VKTheme::scheme(QApplication::palette()), ViewKit::VKColorScheme::light);
}

TEST_F(Program, NormalisedLoadsReachTheSamplerWhileNoSettingsWindowIsOpen)
{
    SystemKit::ProcessorController* processor = app->processor()->controller();
    ASSERT_EQ(WindowRegistry::openWindow(QStringLiteral("Settings")), nullptr);

    // Written by another process: a suite of its own over the same file.
    Platform::Defaults elsewhere(defaults.suite());
    elsewhere.set(QStringLiteral("NormalizeProcessorLoads"), true);
    EXPECT_TRUE(QTest::qWaitFor([processor] { return processor->normalize(); }, 5000));
    elsewhere.set(QStringLiteral("NormalizeProcessorLoads"), false);
    EXPECT_TRUE(QTest::qWaitFor([processor] { return !processor->normalize(); }, 5000));

    // A Settings window opened, closed and opened again: the second one's switch reaches the sampler,
    // and a change after it closed does too.
    for (int round = 0; round < 2; ++round) {
        app->settingsAction()->trigger();
        auto* window = qobject_cast<SceneWindow*>(WindowRegistry::openWindow(QStringLiteral("Settings")));
        ASSERT_TRUE(window);
        if (round == 1) {
            auto* view = qobject_cast<SettingsView*>(window->content());
            ASSERT_TRUE(view);
            auto* toggle = view->generalPage()->findChildren<QCheckBox*>().value(2);
            ASSERT_TRUE(toggle);
            toggle->click();
            EXPECT_TRUE(processor->normalize());
        }
        window->close();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ASSERT_EQ(WindowRegistry::openWindow(QStringLiteral("Settings")), nullptr);
    settings.setBool(SettingKey::normalizeProcessorLoads, false);
    EXPECT_FALSE(processor->normalize());
}

TEST(Appearance, SchemeOfEveryTheme)
{
    using P = Platform::ColorScheme::Preference;
    const QPalette dark = ViewKit::VKTheme::palette(ViewKit::VKColorScheme::dark);
    const QPalette light = ViewKit::VKTheme::palette(ViewKit::VKColorScheme::light);
    EXPECT_EQ(Appearance::scheme(Theme::dark, P::light, light), ViewKit::VKColorScheme::dark);
    EXPECT_EQ(Appearance::scheme(Theme::light, P::dark, dark), ViewKit::VKColorScheme::light);
    EXPECT_EQ(Appearance::scheme(Theme::system, P::dark, light), ViewKit::VKColorScheme::dark);
    EXPECT_EQ(Appearance::scheme(Theme::system, P::light, dark), ViewKit::VKColorScheme::light);
    EXPECT_EQ(Appearance::scheme(Theme::system, P::none, dark), ViewKit::VKColorScheme::dark);
    EXPECT_EQ(Appearance::scheme(Theme::system, P::none, light), ViewKit::VKColorScheme::light);
}

TEST(ProgramInstances, SecondStartLeavesTheRunningInstance)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        GTEST_SKIP() << "no session bus";
    const QString program = QStringLiteral(KESTRION_BINARY_DIR "/bin/kestrion");
    if (!QFileInfo(program).isExecutable())
        GTEST_SKIP() << "the program is not built";

    QProcess first;
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted(10000));
    const QDeadlineTimer deadline(20000);
    while (!bus.interface()->isServiceRegistered(QStringLiteral("com.brannock.kestrion")).value()
           && !deadline.hasExpired() && first.state() == QProcess::Running)
        QTest::qWait(50);
    ASSERT_TRUE(bus.interface()->isServiceRegistered(QStringLiteral("com.brannock.kestrion")).value());

    QProcess second;
    second.start(program, {});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    if (!first.waitForFinished(5000)) {
        first.kill();
        first.waitForFinished(5000);
    }
}

TEST_F(Program, TheGraphicsCardStandsInTheNetworkColumnWhileThereIsAPrimaryCard)
{
    // This registry has no graphics accelerator: the sampler runs, the card is not placed.
    ASSERT_TRUE(app->gpu());
    SystemKit::GraphicsCardController* graphics = app->gpu()->controller();
    ASSERT_TRUE(graphics && graphics->timer());
    EXPECT_EQ(graphics->primary(), nullptr);
    EXPECT_EQ(content()->layoutPlan().columns[2], std::vector<Card>{Card::networkInfo});

    // A card appears (found at the next start); the window places it below the network card.
    const auto device = registry.registry->addEntry(std::nullopt, QStringLiteral("pci"), QStringLiteral("IOPCIDevice"),
                                                    {{QStringLiteral("vendor-id"), Platform::PlistValue(QByteArray("\x86\x80\x00\x00", 4))}});
    registry.registry->addEntry(device, QStringLiteral("accel"), QStringLiteral("IOAccelerator"),
                                {{QStringLiteral("PerformanceStatistics"), Platform::PlistValue(Platform::PlistValue::DictionaryType{})}});
    graphics->start(1.0);
    graphics->refresh();
    EXPECT_EQ(content()->layoutPlan().columns[2], (std::vector<Card>{Card::networkInfo, Card::graphicsCard}));

    // Switched off in the settings, it goes.
    settings.setBool(SettingKey::disableGraphicsCard, true);
    QApplication::processEvents();
    EXPECT_EQ(content()->layoutPlan().columns[2], std::vector<Card>{Card::networkInfo});
}

TEST_F(Program, WindowsFollowALiveSchemeSwitch)
{
    const QPalette before = QApplication::palette();
    settings.setInteger(SettingKey::theme, 1);
    app->aboutAction()->trigger();
    app->settingsAction()->trigger();
    auto* window = qobject_cast<SceneWindow*>(WindowRegistry::openWindow(QStringLiteral("Settings")));
    ASSERT_TRUE(window);
    auto* view = qobject_cast<SettingsView*>(window->content());
    ASSERT_TRUE(view);
    auto* aboutWindow = qobject_cast<SceneWindow*>(WindowRegistry::openWindow(QStringLiteral("About")));
    ASSERT_TRUE(aboutWindow);
    auto* about = qobject_cast<ViewKit::VKAboutView*>(aboutWindow->content());
    ASSERT_TRUE(about);
    QApplication::processEvents();
    // The unselected segment of the design picker (glass, while the design is solid).
    QList<QAbstractButton*> segments = view->generalPage()->designPicker()->findChildren<QAbstractButton*>();
    ASSERT_EQ(segments.size(), 2);
    QAbstractButton* unselected = segments[0]->isChecked() ? segments[1] : segments[0];
    auto segmentColour = [&] {
        QApplication::processEvents();
        const QImage image = unselected->grab().toImage();
        // Inside the border, beside the text.
        return image.pixelColor(3, image.height() / 2);
    };
    // The lightest and darkest pixel of the About view's version line as its window shows it.
    auto versionRange = [&] {
        QApplication::processEvents();
        QLabel* label = about->versionLabel();
        const QImage image =
            aboutWindow->grab(QRect(label->mapTo(aboutWindow, QPoint(0, 0)), label->size())).toImage();
        int lightest = 0, darkest = 255;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                lightest = std::max(lightest, image.pixelColor(x, y).lightness());
                darkest = std::min(darkest, image.pixelColor(x, y).lightness());
            }
        return std::make_pair(darkest, lightest);
    };
    auto mainBackground = [&] {
        QApplication::processEvents();
        return content()->grab().toImage().pixelColor(2, 2);
    };
    EXPECT_GT(segmentColour().lightness(), 200);
    EXPECT_LT(versionRange().first, 160);
    EXPECT_EQ(mainBackground(), QColor(Qt::white));

    settings.setInteger(SettingKey::theme, 2);
    EXPECT_LT(segmentColour().lightness(), 100);
    EXPECT_GT(versionRange().second, 120);  // light text on the dark window
    EXPECT_EQ(mainBackground(), ViewKit::VKColors::Background::controlBackground(ViewKit::VKColorScheme::dark));

    settings.setInteger(SettingKey::theme, 1);
    EXPECT_GT(segmentColour().lightness(), 200);
    EXPECT_LT(versionRange().first, 160);
    window->close();
    aboutWindow->close();
    QApplication::setPalette(before);
}

TEST_F(GermanProgram, ModulesPageNamesEachGroupWithAColon)
{
    // The library's names are German here; the program's own table stays in the language the process
    // started with, so the German names of the program's groups are read from its German file.
    QStringList names = moduleGroupNames(*app);
    ASSERT_EQ(names.size(), 5);
    const BaseKit::ModuleStrings program(
        QStringLiteral("Kestrion"), QStringLiteral(KESTRION_BINARY_DIR "/share/kestrion/Kestrion_Kestrion.bundle/translations"),
        {QStringLiteral("de")});
    ASSERT_EQ(program.language(), QStringLiteral("de"));
    for (const char* key : {"GRAPHICS_CARD_COLON", "VOLUMES", "BATTERIES"})
        names.append(program.text(QString::fromLatin1(key)));
    for (const QString& name : names)
        EXPECT_TRUE(name.endsWith(QLatin1Char(':'))) << name.toStdString();
}

TEST_F(GermanProgram, QtsOwnTextsSpeakTheProgramsLanguage)
{
    if (!QFileInfo::exists(LanguageKit::LKQtTranslations::qtTranslationsFolder() + QStringLiteral("/qtbase_de.qm")))
        GTEST_SKIP() << "Qt's German catalogue (qtbase_de.qm, package qt6-translations-l10n) is not installed in "
                     << qPrintable(LanguageKit::LKQtTranslations::qtTranslationsFolder());
    EXPECT_EQ(app->settingsAction()->text(), QStringLiteral("Einstellungen…"));
    // The menu shows the shortcut as Qt names its keys.
    EXPECT_EQ(app->settingsAction()->shortcut().toString(QKeySequence::NativeText), QStringLiteral("Strg+,"));
    // Qt's catalogue leaves with the program.
    app.reset();
    EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::Key_Comma).toString(QKeySequence::NativeText), QStringLiteral("Ctrl+,"));
}

namespace {

// A Wi-Fi query that answers nothing, whatever it is told, until the test lets it go: a driver that
// does not answer.
struct HeldWifiQuery {
    std::optional<std::vector<Platform::WlanInterface>> answer()
    {
        std::unique_lock lock(mutex);
        asked = true;
        changed.wait(lock, [this] { return released; });
        return std::nullopt;
    }
    bool wasAsked()
    {
        const std::lock_guard lock(mutex);
        return asked;
    }
    void release()
    {
        const std::lock_guard lock(mutex);
        released = true;
        changed.notify_all();
    }
    bool wasReleased()
    {
        const std::lock_guard lock(mutex);
        return released;
    }

    std::mutex mutex;
    std::condition_variable changed;
    bool asked = false;
    bool released = false;
};

// The program over a process table whose reads the test holds and a Wi-Fi source whose query the
// test holds, on the samplers' clock driven by hand.
struct ProgramWithAHeldRead : Program {
    void SetUp() override
    {
        registry.environment.processor.processTable = table;
        registry.environment.network.wlan = std::make_shared<Platform::Nl80211Wlan>(
            [held = wifi](const std::atomic<bool>&) { return held->answer(); });
        clock.setDrivenByHand(true);
        Program::SetUp();
        // The program holds the only Wi-Fi source: it goes when the program goes.
        registry.environment.network.wlan.reset();
    }
    void TearDown() override
    {
        Program::TearDown();
        clock.setDrivenByHand(false);
        wifi->release();
    }

    FixtureRoot root{QStringLiteral("processes/first")};
    std::shared_ptr<HeldProcessTable> table = std::make_shared<HeldProcessTable>(root.path());
    std::shared_ptr<HeldWifiQuery> wifi = std::make_shared<HeldWifiQuery>();
    BaseKit::SampleClock& clock = BaseKit::SampleClock::shared();
};

} // namespace

TEST_F(ProgramWithAHeldRead, QuitsWhileAReadAndAWifiQueryHang)
{
    // The read before the tick hangs, as on a process stuck in uninterruptible sleep, and the tick's
    // Wi-Fi query waits for a driver that does not answer.
    const std::uint64_t ticks = clock.ticks();
    clock.advance();
    ASSERT_TRUE(table->holdsARead());
    ASSERT_TRUE(QTest::qWaitFor([&] { return wifi->wasAsked(); }, 20000));

    // Both end once the program has quit, or after a minute should quitting wait for them. Quitting
    // takes under half a second on a loaded machine (it is recorded below); a quit that waited for
    // either would end only once they were let go, and find them let go.
    std::promise<void> quit;
    std::thread ending([table = table, wifi = wifi, quitted = quit.get_future()] {
        quitted.wait_for(std::chrono::seconds(60));
        table->release();
        wifi->release();
    });

    // Quit, as the menu item does, and what follows the event loop in the program's entry.
    QEventLoop running;
    terminated = [&] { running.quit(); };
    QElapsedTimer quitting;
    quitting.start();
    QTimer::singleShot(0, app->quitAction(), &QAction::trigger);
    running.exec();
    app.reset();
    RecordProperty("quitMs", int(quitting.elapsed()));
    // The program is gone, and both still hang.
    EXPECT_TRUE(table->holdsARead(0));
    EXPECT_FALSE(wifi->wasReleased());
    quit.set_value();

    // Once they end, their threads let go of what they read.
    ending.join();
    (void)QTest::qWaitFor(
        [&] { return table.use_count() <= 2 && wifi.use_count() == 1 && clock.ticks() != ticks; }, 20000);
    EXPECT_EQ(table.use_count(), 2); // the test's and the start-up environment's
    EXPECT_EQ(wifi.use_count(), 1);
}
