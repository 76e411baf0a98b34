#include "Kestrion/App/KestrionApp.h"

#include "BaseKit/Bundle.h"
#include "BaseKit/Images/Images.h"
#include "BaseKit/Services/Maker.h"
#include "BaseKit/Services/ReviewManager.h"
#include "BaseKit/Services/Support.h"
#include "BaseKit/System/MacSystem.h"
#include "BaseKit/Workspace/Workspace.h"
#include "Kestrion/App/AppStrings.h"
#include "Kestrion/App/Appearance.h"
#include "Kestrion/App/ContentView.h"
#include "Kestrion/App/MainWindow.h"
#include "Kestrion/App/SceneWindow.h"
#include "Kestrion/App/ViewConstants.h"
#include "Kestrion/Cards/CardLookSettings.h"
#include "Kestrion/Cards/GraphicsCardView.h"
#include "Kestrion/Cards/ProcessorCards.h"
#include "Kestrion/Cards/SystemInfoView.h"
#include "Kestrion/Cards/VolumeCards.h"
#include "Kestrion/Models/GpuModel.h"
#include "Kestrion/Models/MemoryModel.h"
#include "Kestrion/Models/ProcessorModel.h"
#include "Kestrion/Models/SystemInfoModel.h"
#include "Kestrion/Models/VolumesModel.h"
#include "Kestrion/Settings/AppSettings.h"
#include "Kestrion/Settings/SettingsView.h"
#include "LanguageKit/LKResources.h"
#include "Platform/Bundles.h"
#include "Platform/ColorScheme.h"
#include "Platform/DistributedCenter.h"
#include "ViewKit/VKAboutView.h"
#include "ViewKit/VKOtherAppsView.h"
#include "ViewKit/VKReviewDialog.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTimer>

namespace Kestrion {

using LanguageKit::LKLocalizedString;
using LanguageKit::LKResources;

KestrionApp::KestrionApp(AppSettings& settings, CardsMaker cards, const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_terminate([] { QCoreApplication::quit(); })
{
    // The models first, before any window; each starts its sampler as it is made.
    m_processor = new ProcessorModel(settings, this);
    m_memory = new MemoryModel(this);
    m_system = new SystemInfoModel(this);
    m_gpu = new GpuModel(this);
    m_volumes = new VolumesModel(this);

    QGuiApplication::setQuitOnLastWindowClosed(false);
    AppStrings::install();
    ViewKit::VKReviewDialog::install();
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
    CardCatalog catalog;
    ProcessorCards::Sources sources;
    sources.processor = app.m_processor ? app.m_processor->controller() : nullptr;
    sources.memory = app.m_memory ? app.m_memory->controller() : nullptr;
    sources.processorName = BaseKit::MacSystem::processorName();
    sources.physicalMemory = BaseKit::MacSystem::physicalMemory();
    sources.sizeClass = ViewConstants::sizeClass();
    sources.look = app.m_look;
    ProcessorCards::add(catalog, sources);
    if (SystemKit::GraphicsCardController* graphics = app.m_gpu ? app.m_gpu->controller() : nullptr) {
        CardLookSettings* look = app.m_look;
        catalog.add(Card::graphicsCard, [graphics, look](QWidget* parent) -> QWidget* {
            return new GraphicsCardView(*graphics, *look, parent);
        });
    }
    VolumeCards::add(catalog, app.m_volumes, ViewConstants::sizeClass(), app.m_look);
    // The system-information row.
    if (SystemInfoModel* system = app.m_system) {
        QPointer<GpuModel> gpu = app.m_gpu;
        QPointer<VolumesModel> volumes = app.m_volumes;
        catalog.add(Card::systemInfo, [system, gpu, volumes](QWidget* parent) -> QWidget* {
            return new SystemInfoView(*system, gpu, volumes, ViewConstants::sizeClass(), parent);
        });
    }
    return catalog;
}

MainLayoutInputs KestrionApp::layoutInputs() const
{
    MainLayoutInputs inputs = m_settings.moduleSwitches();
    inputs.hasPrimaryGraphicsCard = m_gpu && m_gpu->controller() && m_gpu->controller()->primary();
    // The battery and companion states come from their models once those exist; until then there is
    // no battery and no companion running.
    return inputs;
}

void KestrionApp::refreshLayout()
{
    m_content->apply(layoutInputs());
}

void KestrionApp::buildWindows()
{
    m_windows.add(QString::fromLatin1(aboutWindow), [] {
        auto* window = new SceneWindow(QString::fromLatin1(aboutWindow));
        QVariantMap info;
        info.insert(QStringLiteral("CFBundleName"), BaseKit::Bundle::name());
        info.insert(QStringLiteral("CFBundleShortVersionString"), BaseKit::Bundle::version());
        info.insert(QStringLiteral("CFBundleVersion"), QStringLiteral(KESTRION_BUILD_NUMBER));
        info.insert(QStringLiteral("NSHumanReadableCopyright"), QStringLiteral(KESTRION_COPYRIGHT));
        auto* about = new ViewKit::VKAboutView(BaseKit::Images::named(BaseKit::Images::applicationIconName).pixels(),
                                               info, Platform::Bundles::moduleNames());
        window->setContent(about);
        return window;
    });
    m_windows.add(QString::fromLatin1(settingsWindow), [this] {
        auto* window = new SceneWindow(QString::fromLatin1(settingsWindow));
        window->setCentered(true);
        window->setContent(new SettingsView(m_settings, m_processor));
        return window;
    });
    m_windows.add(QString::fromLatin1(otherAppsWindow), [] {
        auto* window = new SceneWindow(QString::fromLatin1(otherAppsWindow));
        // The maker's other applications, without this one.
        auto* content = new ViewKit::VKOtherAppsView(QString::fromLatin1(bundleIdentifier));
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
    m_settingsItem->setShortcut(QKeySequence::Preferences);
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
    connect(contact, &QAction::triggered, this, [] { BaseKit::Support::openContactPage(); });
    QAction* home = help->addAction(LKResources::localized(LKLocalizedString::openHomepageDots));
    connect(home, &QAction::triggered, this,
            [] { BaseKit::Workspace::openUrlString(QString::fromLatin1(BaseKit::Maker::webHost)); });
    QAction* others = help->addAction(LKResources::localized(LKLocalizedString::showOtherAppsDots));
    connect(others, &QAction::triggered, this, [this] { openWindowOnce(QString::fromLatin1(otherAppsWindow)); });
    m_help = {m_about, contact, home, others};
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
    // Starting the companion with the window ("AutoStartHelper") joins with the companion's client.
    QTimer::singleShot(0, this, [] {
        BaseKit::ReviewManager::shared().requestReview(QString::fromLatin1(bundleIdentifier));
    });
}

void KestrionApp::mainWindowDisappeared()
{
    if (m_settings.boolValue(SettingKey::autoStopHelper))
        Platform::DistributedCenter::defaultCenter().post(QStringLiteral("TerminateThermion"));
    if (m_settings.boolValue(SettingKey::closeOnLastWindowClose) && m_terminate)
        m_terminate();
}

} // namespace Kestrion
