#pragma once

#include "ThermionKit/ThermionCheck.h"

#include <QTabWidget>

namespace Kestrion {

class AppSettings;
class GeneralSettingsView;
class ModulesSettingsView;
class ProcessorModel;
class ThermionSettingsView;

// The content of the settings window: the General and Modules pages as tabs, the first shown first.
// The companion's page is the third tab.
class SettingsView : public QTabWidget
{
    Q_OBJECT

public:
    SettingsView(AppSettings& settings, ProcessorModel* processor, const ThermionKit::ThermionCheck& companion,
                 QWidget* parent = nullptr);

    GeneralSettingsView* generalPage() const { return m_general; }
    ModulesSettingsView* modulesPage() const { return m_modules; }
    ThermionSettingsView* companionPage() const { return m_companion; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void updateIcons();

    GeneralSettingsView* m_general = nullptr;
    ModulesSettingsView* m_modules = nullptr;
    ThermionSettingsView* m_companion = nullptr;
};

} // namespace Kestrion
