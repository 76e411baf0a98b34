#pragma once

#include "ThermionKit/ThermionCheck.h"

#include <QWidget>

class QCheckBox;
class QStackedLayout;
class QTimer;

namespace Kestrion {

class AppSettings;

// The companion's page of the settings window. While the companion is neither installed nor running it
// explains what the companion is for and offers its download page; once there, the two switches that start it
// when the main window opens ("AutoStartHelper") and ask it to quit when the main window closes
// ("AutoStopHelper"). The installation is checked again every second while the page is shown. The
// switches only store their settings.
class ThermionSettingsView : public QWidget
{
    Q_OBJECT

public:
    ThermionSettingsView(AppSettings& settings, ThermionKit::ThermionCheck companion, QWidget* parent = nullptr);

    bool showsSwitches() const;
    QCheckBox* startSwitch() const { return m_start; }
    QCheckBox* stopSwitch() const { return m_stop; }
    QWidget* downloadButton() const { return m_download; }

    // Checks the installation and the running companion now and shows the matching content.
    void recheck();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    ThermionKit::ThermionCheck m_companion;
    QStackedLayout* m_stack;
    QWidget* m_installed;
    QWidget* m_missing;
    QCheckBox* m_start;
    QCheckBox* m_stop;
    QWidget* m_download;
    QTimer* m_timer;
};

} // namespace Kestrion
