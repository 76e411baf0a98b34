#pragma once

#include "Kestrion/Settings/SettingKey.h"

#include <QWidget>

#include <map>

class QCheckBox;

namespace Kestrion {

class AppSettings;

// The Modules page of the settings window: one switch per card of the main window, grouped by domain.
// A switch is on while its "Disable..." setting is false; the main window follows at once.
class ModulesSettingsView : public QWidget
{
    Q_OBJECT

public:
    explicit ModulesSettingsView(AppSettings& settings, QWidget* parent = nullptr);

    // The switch of a module setting; nullptr for a key that is no module switch.
    QCheckBox* moduleSwitch(SettingKey key) const;

private:
    std::map<SettingKey, QCheckBox*> m_switches;
};

} // namespace Kestrion
