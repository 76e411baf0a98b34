#include "Kestrion/App/KestrionApp.h"

#include "BaseKit/Bundle.h"
#include "BaseKit/Images/Images.h"
#include "BaseKit/Services/Maker.h"
#include "BaseKit/Services/ReviewManager.h"
#include "BaseKit/Services/Support.h"
#include "BaseKit/System/MacSystem.h"
#include "BaseKit/Workspace/Workspace.h"
#include "Kestrion/Common/AppStrings.h"
#include "Kestrion/App/Appearance.h"
#include "Kestrion/App/ContentView.h"
#include "Kestrion/App/MainWindow.h"
#include "Kestrion/App/SceneWindow.h"
#include "Kestrion/App/ViewConstants.h"
#include "Kestrion/Cards/CardLookSettings.h"
#include "Kestrion/Cards/CompanionCards.h"
#include "Kestrion/Cards/GraphicsCards.h"
#include "Kestrion/Cards/InternalBatteryCards.h"
#include "Kestrion/Cards/NetworkCards.h"
#include "Kestrion/Cards/ProcessorCards.h"
#include "Kestrion/Cards/SystemInfoCards.h"
#include "Kestrion/Cards/VolumeCards.h"
#include "Kestrion/Models/GpuModel.h"
#include "Kestrion/Models/InternalBatteryModel.h"
#include "Kestrion/Models/MemoryModel.h"
#include "Kestrion/Models/NetworkModel.h"
#include "Kestrion/Models/ProcessorModel.h"
#include "Kestrion/Models/SystemInfoModel.h"
#include "Kestrion/Models/ThermionViewModel.h"
#include "Kestrion/Models/VolumesModel.h"
#include "Kestrion/Settings/AppSettings.h"
#include "Kestrion/SettingsWindow/SensorUpdateView.h"
#include "Kestrion/SettingsWindow/SettingsView.h"
#include "LanguageKit/LKBundle.h"
#include "LanguageKit/LKQtTranslations.h"
#include "LanguageKit/LKResources.h"
#include "Platform/Files/Bundles.h"
#include "Platform/Desktop/ColorScheme.h"
#include "BaseKit/Version.h"
#include "ThermionKit/ThermionCheck.h"
#include "ViewKit/VKAboutView.h"
#include "ViewKit/VKLinkOpener.h"
#include "ViewKit/VKOtherAppsView.h"
#include "ViewKit/VKReviewDialog.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTimer>

namespace Kestrion {

using LanguageKit::LKLocalizedString;
using LanguageKit::LKResources;

KestrionApp::KestrionApp(AppSettings& settings, const StartupEnvironment& environment, CardsMaker cards,
                         const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_companion(environment.companionEnvironment())
    , m_otherApps(environment.otherApps)
    , m_urlOpener(environment.urlOpener)
    , m_machine(environment.machine())
    , m_reviews(BaseKit::ReviewManager::standard(
          [opener = environment.urlOpener](const QUrl& page) { ViewKit::VKReviewDialog::present(page, opener); }))
    , m_qtTexts(std::make_unique<LanguageKit::LKQtTranslations>(LanguageKit::LKBundle::bundle().language()))
    , m_terminate([] { QCoreApplication::quit(); })
{
    // The models first, before any window; each starts its sampler as it is made.
    m_network = new NetworkModel(environment, this);
    m_processor = new ProcessorModel(environment, settings, this);
    m_memory = new MemoryModel(environment, this);
    m_system = new SystemInfoModel(m_machine, this);
    m_gpu = new GpuModel(environment, this);
    m_volumes = new VolumesModel(environment, this);
    // The battery is polled every 5 seconds and once now, so the window opens with a reading.
    m_battery = new InternalBatteryModel(environment, settings, this);
    m_thermion = new ThermionViewModel(this);

    QGuiApplication::setQuitOnLastWindowClosed(false);
    AppStrings::install();
    const BaseKit::Image icon = BaseKit::Images::named(BaseKit::Images::applicationIconName);
    if (!icon.pixels().isNull())
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon.pixels())));

    m_desktopScheme = new Platform::ColorScheme(bus, QStringLiteral("org.freedesktop.portal.Desktop"), this);
    m_appearance = new Appearance(m_desktopScheme, this);
    m_appearance->apply(settings.theme());

    m_content = new ContentView(cards ? cards(*this) : standardCards(*this), ViewConstants::sizeClass());
    m_content->setBackgroundTheme(settings.backgroundTheme());
    m_mainWindow = new MainWindow(m_content);
    connect(m_mainWindow, &MainWindow::appeared, this, &KestrionApp::mainWindowAppeared);
    connect(m_mainWindow, &MainWindow::disappeared, this, &KestrionApp::mainWindowDisappeared);
    refreshLayout();
    // The graphics card is shown while the sampler has a primary card; the layout changes only when
    // that changes, not at every tick.
    m_hadPrimaryGraphicsCard = m_gpu->controller()->primary() != nullptr;
    connect(m_gpu->controller(), &SystemKit::GraphicsCardController::primaryChanged, this, [this] {
        const bool hasPrimary = m_gpu->controller()->primary() != nullptr;
        if (hasPrimary != m_hadPrimaryGraphicsCard) {
            m_hadPrimaryGraphicsCard = hasPrimary;
            refreshLayout();
        }
    });
    // The companion's cards come and go with its presence and its lists.
    connect(m_thermion, &ThermionViewModel::isRunningChanged, this, &KestrionApp::refreshLayout);
    connect(m_thermion, &ThermionViewModel::fansChanged, this, &KestrionApp::refreshLayout);
    connect(m_thermion, &ThermionViewModel::temperatureSensorsChanged, this, &KestrionApp::refreshLayout);

    connect(&settings, &AppSettings::changed, this, [this](SettingKey key) {
        switch (key) {
        case SettingKey::theme:
            m_appearance->apply(m_settings.theme());
            break;
        case SettingKey::backgroundTheme:
            m_content->setBackgroundTheme(m_settings.backgroundTheme());
            break;
        default:
            break;
        }
        if (std::find(SettingKeys::moduleSwitches.begin(), SettingKeys::moduleSwitches.end(), key)
            != SettingKeys::moduleSwitches.end())
            refreshLayout();
    });

    buildWindows();
    buildMenus();
}

KestrionApp::~KestrionApp()
{
    for (const char* identifier : {aboutWindow, settingsWindow, otherAppsWindow}) {
        if (QWidget* window = WindowRegistry::openWindow(QString::fromLatin1(identifier)))
            delete window;
    }
    delete m_mainWindow.data();
}

CardCatalog KestrionApp::standardCards(KestrionApp& app)
{
    // Each card is made over the models it shows; the others join here as they are built.
    if (!app.m_look)
        app.m_look = new CardLookSettings(app.m_settings.defaults(), &app);
    CardSources sources;
    sources.processor = app.m_processor ? app.m_processor->controller() : nullptr;
    sources.memory = app.m_memory ? app.m_memory->controller() : nullptr;
    sources.graphics = app.m_gpu ? app.m_gpu->controller() : nullptr;
    sources.network = app.m_network;
    sources.volumes = app.m_volumes;
    sources.battery = app.m_battery;
    sources.thermion = app.m_thermion;
    sources.system = app.m_system;
    sources.gpu = app.m_gpu;
    sources.settings = &app.m_settings;
    sources.look = app.m_look;
    sources.processorName = app.m_machine->processorName();
    sources.physicalMemory = app.m_machine->physicalMemory();
    sources.hostName = [machine = app.m_machine] { return machine->hostName(); };
    sources.sizeClass = ViewConstants::sizeClass();

    // Every family of cards registers the same way, over the same sources.
    using Family = void (*)(CardCatalog&, const CardSources&);
    CardCatalog catalog;
    for (const Family add : {&ProcessorCards::add, &GraphicsCards::add, &VolumeCards::add, &NetworkCards::add,
                             &InternalBatteryCards::add, &CompanionCards::add, &SystemInfoCards::add})
        add(catalog, sources);
    return catalog;
}

MainLayoutInputs KestrionApp::layoutInputs() const
{
    MainLayoutInputs inputs = m_settings.moduleSwitches();
    inputs.hasPrimaryGraphicsCard = m_gpu && m_gpu->controller() && m_gpu->controller()->primary();
    inputs.batteryPresent = m_battery && m_battery->finder()->batteryPresent();
    if (m_thermion) {
        inputs.companionRunning = m_thermion->isRunning();
        inputs.hasFans = !m_thermion->fans().empty();
        inputs.hasTemperatureSensors = !m_thermion->temperatureSensors().empty();
    }
    return inputs;
}

void KestrionApp::refreshLayout()
{
    m_content->apply(layoutInputs());
}

void KestrionApp::buildWindows()
{
    m_windows.add(QString::fromLatin1(aboutWindow), [this] {
        auto* window = new SceneWindow(QString::fromLatin1(aboutWindow));
        window->setWindowTitle(LKResources::localized(LKLocalizedString::about, {BaseKit::Bundle::name()}));
        QVariantMap info;
        info.insert(QStringLiteral("CFBundleName"), BaseKit::Bundle::name());
        info.insert(QStringLiteral("CFBundleShortVersionString"), BaseKit::Bundle::version());
        info.insert(QStringLiteral("CFBundleVersion"), QStringLiteral(KESTRION_BUILD_NUMBER));
        info.insert(QStringLiteral("NSHumanReadableCopyright"), QStringLiteral(KESTRION_COPYRIGHT));
        auto* about = new ViewKit::VKAboutView(BaseKit::Images::named(BaseKit::Images::applicationIconName).pixels(),
                                               info, Platform::Bundles::program().moduleNames(), m_urlOpener);
        window->setContent(about);
        return window;
    });
    m_windows.add(QString::fromLatin1(settingsWindow), [this] {
        auto* window = new SceneWindow(QString::fromLatin1(settingsWindow));
        window->setWindowTitle(LKResources::localized(LKLocalizedString::preferences));
        window->setCentered(true);
        window->setContent(new SettingsView(m_settings, m_processor, m_companion));
        return window;
    });
    m_windows.add(QString::fromLatin1(otherAppsWindow), [this] {
        auto* window = new SceneWindow(QString::fromLatin1(otherAppsWindow));
        window->setWindowTitle(AppStrings::text("OTHER_APPS"));
        // The maker's other applications, without this one.
        auto* content = new ViewKit::VKOtherAppsView(QString::fromLatin1(bundleIdentifier), m_otherApps, m_urlOpener);
        // The page is 512 by 360 points; the toolbar sits above it, as a window's toolbar would.
        content->setFixedSize(512, 360 + content->toolBarHeight());
        window->setContent(content);
        return window;
    });
}

void KestrionApp::buildMenus()
{
    QMenuBar* bar = m_mainWindow->menuBar();
    const QString appName = BaseKit::Bundle::name();

    QMenu* application = bar->addMenu(appName);
    m_settingsItem = application->addAction(LKResources::localized(LKLocalizedString::settingsDots));
    m_settingsItem->setShortcuts(settingsShortcuts());
    m_settingsItem->setMenuRole(QAction::PreferencesRole);
    connect(m_settingsItem, &QAction::triggered, this, [this] { openWindowOnce(QString::fromLatin1(settingsWindow)); });
    application->addSeparator();
    m_quit = application->addAction(LKResources::localized(LKLocalizedString::quitApp));
    m_quit->setShortcut(QKeySequence::Quit);
    m_quit->setMenuRole(QAction::QuitRole);
    connect(m_quit, &QAction::triggered, this, [this] { m_terminate(); });

    QMenu* help = bar->addMenu(LKResources::localized(LKLocalizedString::help));
    m_about = help->addAction(LKResources::localized(LKLocalizedString::about, {appName}));
    m_about->setMenuRole(QAction::AboutRole);
    connect(m_about, &QAction::triggered, this, [this] { openWindowOnce(QString::fromLatin1(aboutWindow)); });
    help->addSeparator();
    QAction* contact = help->addAction(LKResources::localized(LKLocalizedString::openContactFormDots));
    // Where no program can open a page, the main window says so.
    connect(contact, &QAction::triggered, this, [this] {
        ViewKit::VKLinkOpener::open(m_mainWindow, QString::fromLatin1(BaseKit::Maker::contactPage),
                                    [this] { return BaseKit::Support::openContactPage(m_urlOpener); });
    });
    QAction* home = help->addAction(LKResources::localized(LKLocalizedString::openHomepageDots));
    connect(home, &QAction::triggered, this, [this] {
        ViewKit::VKLinkOpener::open(m_mainWindow, QString::fromLatin1(BaseKit::Maker::webHost), m_urlOpener);
    });
    QAction* others = help->addAction(LKResources::localized(LKLocalizedString::showOtherAppsDots));
    connect(others, &QAction::triggered, this, [this] { openWindowOnce(QString::fromLatin1(otherAppsWindow)); });
    m_help = {m_about, contact, home, others};
}

QList<QKeySequence> KestrionApp::settingsShortcuts()
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Preferences);
    // Most Linux desktops name no keys for Preferences; Ctrl+, is the usual one there.
    if (keys.isEmpty())
        keys.append(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    return keys;
}

void KestrionApp::showMainWindow()
{
    if (!m_mainWindow)
        return;
    m_mainWindow->show();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}

QWidget* KestrionApp::openWindowOnce(const QString& identifier)
{
    return m_windows.openOnce(identifier);
}

void KestrionApp::mainWindowAppeared()
{
    if (m_settings.boolValue(SettingKey::autoStartHelper))
        m_companion.start();
    QTimer::singleShot(0, this, [this] {
        m_reviews.requestReview(QString::fromLatin1(bundleIdentifier));
    });
    checkCompanionUpdate();
}

void KestrionApp::checkCompanionUpdate()
{
    if (!m_mainWindow || !m_companion.isInstalled())
        return;
    // The answer is dropped when the window is gone; an error shows nothing.
    QPointer<MainWindow> window = m_mainWindow;
    m_companion.serverVersion(window, [window, companion = m_companion](const ThermionKit::ThermionCheck::VersionResult& result) {
        const QString* server = std::get_if<QString>(&result);
        const auto installed = companion.installedVersion();
        if (!server || !installed || !window)
            return;
        if (BaseKit::Version(*server) > BaseKit::Version(*installed))
            SensorUpdateView::present(window, companion);
    });
}

void KestrionApp::mainWindowDisappeared()
{
    if (m_settings.boolValue(SettingKey::autoStopHelper))
        ThermionKit::ThermionCheck::terminate();
    if (m_settings.boolValue(SettingKey::closeOnLastWindowClose) && m_terminate)
        m_terminate();
}

} // namespace Kestrion
