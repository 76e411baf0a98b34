#pragma once

#include "Kestrion/Common/CardCatalog.h"
#include "Kestrion/App/MainWindow.h"
#include "Kestrion/Common/MainLayout.h"
#include "Kestrion/Models/StartupEnvironment.h"

#include "BaseKit/Services/ReviewManager.h"
#include "Kestrion/App/WindowRegistry.h"

#include <QDBusConnection>
#include <QKeySequence>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class QAction;

namespace Platform {
class ColorScheme;
}

namespace LanguageKit {
class LKQtTranslations;
}

namespace Kestrion {

class AppSettings;
class CardLookSettings;
class Appearance;
class ContentView;
class GpuModel;
class InternalBatteryModel;
class MemoryModel;
class NetworkModel;
class ProcessorModel;
class SystemInfoModel;
class ThermionViewModel;
class VolumesModel;

// The program: creates the models (each starts its sampler at once) before any window, then the main
// window with its menus, and the "About", "Settings" and "OtherApps" windows on request, each open at
// most once. Closing the main window asks the companion to quit when "AutoStopHelper" is set and then
// ends the program when "CloseOnLastWindowClose" is set; otherwise the program keeps sampling and a
// second start shows the window again.
class KestrionApp : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* bundleIdentifier = "com.brannock.kestrion";
    static constexpr const char* aboutWindow = "About";
    static constexpr const char* settingsWindow = "Settings";
    static constexpr const char* otherAppsWindow = "OtherApps";

    using CardsMaker = std::function<CardCatalog(KestrionApp&)>;

    // The samplers read what `environment` holds. `cards` makes the catalog of the main window's
    // cards; the program's own cards when empty.
    KestrionApp(AppSettings& settings, const StartupEnvironment& environment, CardsMaker cards = {},
                const QDBusConnection& bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);
    ~KestrionApp() override;

    // The program's own cards over the models.
    static CardCatalog standardCards(KestrionApp& app);

    AppSettings& settings() const { return m_settings; }
    NetworkModel* network() const { return m_network; }
    ProcessorModel* processor() const { return m_processor; }
    MemoryModel* memory() const { return m_memory; }
    SystemInfoModel* system() const { return m_system; }
    GpuModel* gpu() const { return m_gpu; }
    VolumesModel* volumes() const { return m_volumes; }
    InternalBatteryModel* battery() const { return m_battery; }
    ThermionViewModel* thermion() const { return m_thermion; }
    MainWindow* mainWindow() const { return m_mainWindow; }
    ContentView* contentView() const { return m_content; }
    WindowRegistry& windows() { return m_windows; }
    Appearance& appearance() const { return *m_appearance; }

    QAction* aboutAction() const { return m_about; }
    QAction* settingsAction() const { return m_settingsItem; }
    QAction* quitAction() const { return m_quit; }
    QList<QAction*> helpActions() const { return m_help; }

    // The keys of the settings item: the platform's keys for Preferences, or Ctrl+, where it names none.
    static QList<QKeySequence> settingsShortcuts();

    // What the main window's layout depends on now: the module switches and the models' states.
    MainLayoutInputs layoutInputs() const;

    // Shows the main window (again) and brings it to the front.
    void showMainWindow();
    // Brings the open window of that identifier to the front or opens it.
    QWidget* openWindowOnce(const QString& identifier);

    void mainWindowAppeared();
    void mainWindowDisappeared();

    // What ends the program (QCoreApplication::quit by default).
    void setTerminateHandler(std::function<void()> terminate) { m_terminate = std::move(terminate); }

private:
    void buildWindows();
    void buildMenus();
    void refreshLayout();
    // The companion's update check of the main window: the update sheet when a newer version is out.
    void checkCompanionUpdate();

    AppSettings& m_settings;
    // The companion as the start-up environment finds it.
    ThermionKit::ThermionCheck m_companion;
    BaseKit::Marketing::Source m_otherApps;
    // What the windows' links and the help menu's pages are handed to.
    BaseKit::Workspace::UrlOpener m_urlOpener;
    // The machine's identity, read once for all cards.
    std::shared_ptr<const BaseKit::MacSystem> m_machine;
    // Asks for a rating once the program has been in use for a while.
    BaseKit::ReviewManager m_reviews;
    // Qt's own texts (shortcut key names, standard buttons) in the language of the program's tables.
    std::unique_ptr<LanguageKit::LKQtTranslations> m_qtTexts;
    // The models, in the order they are made. The graphics, volumes, battery and companion models
    // follow the system model, as each arrives.
    NetworkModel* m_network = nullptr;
    ProcessorModel* m_processor = nullptr;
    MemoryModel* m_memory = nullptr;
    SystemInfoModel* m_system = nullptr;
    GpuModel* m_gpu = nullptr;
    bool m_hadPrimaryGraphicsCard = false;
    VolumesModel* m_volumes = nullptr;
    InternalBatteryModel* m_battery = nullptr;
    ThermionViewModel* m_thermion = nullptr; // the companion's readings, made last

    CardLookSettings* m_look = nullptr;
    Platform::ColorScheme* m_desktopScheme = nullptr;
    Appearance* m_appearance = nullptr;
    WindowRegistry m_windows;
    ContentView* m_content = nullptr;
    QPointer<MainWindow> m_mainWindow;
    QAction* m_about = nullptr;
    QAction* m_settingsItem = nullptr;
    QAction* m_quit = nullptr;
    QList<QAction*> m_help;
    std::function<void()> m_terminate;
};

} // namespace Kestrion
