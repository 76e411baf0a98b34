#include "Kestrion/SettingsWindow/ThermionSettingsView.h"

#include "Kestrion/Common/AppStrings.h"
#include "Kestrion/Settings/AppSettings.h"
#include "Kestrion/SettingsWindow/SettingsControls.h"
#include "ThermionKit/ThermionCheck.h"
#include "ViewKit/VKBadgeButton.h"
#include "ViewKit/VKLinkOpener.h"
#include "ViewKit/VKTheme.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

namespace Kestrion {

namespace {

// A switch captioned from the application's table, bound to a boolean setting both ways.
QCheckBox* settingSwitch(AppSettings& settings, SettingKey key, const char* caption, QWidget* parent)
{
    auto* box = new QCheckBox(AppStrings::text(caption), parent);
    box->setChecked(settings.boolValue(key));
    QObject::connect(box, &QCheckBox::toggled, box, [&settings, key](bool on) { settings.setBool(key, on); });
    QObject::connect(&settings, &AppSettings::changed, box, [box, &settings, key](SettingKey changed) {
        if (changed != key)
            return;
        const QSignalBlocker blocker(box);
        box->setChecked(settings.boolValue(key));
    });
    return box;
}

} // namespace

ThermionSettingsView::ThermionSettingsView(AppSettings& settings, ThermionKit::ThermionCheck companion,
                                           QWidget* parent)
    : QWidget(parent)
    , m_companion(std::move(companion))
    , m_timer(new QTimer(this))
{
    m_stack = new QStackedLayout(this);

    m_installed = new QWidget(this);
    auto* grid = new QGridLayout(m_installed);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(16);
    grid->setContentsMargins(96, 24, 96, 24);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(SettingsControls::rowLabel(AppStrings::text("HELPER_START_STOP"), m_installed), 0, 0, Qt::AlignTop);
    auto* switches = new QVBoxLayout;
    m_start = settingSwitch(settings, SettingKey::autoStartHelper, "START_THERMION_AUTOMATICALLY", m_installed);
    m_stop = settingSwitch(settings, SettingKey::autoStopHelper, "STOP_THERMION_AUTOMATICALLY", m_installed);
    switches->addWidget(m_start);
    switches->addWidget(m_stop);
    grid->addLayout(switches, 0, 1, Qt::AlignTop);

    m_missing = new QWidget(this);
    auto* column = new QVBoxLayout(m_missing);
    column->setSpacing(16);
    column->setContentsMargins(96, 24, 96, 24);
    column->setSizeConstraint(QLayout::SetFixedSize);
    auto* info = new QLabel(AppStrings::text("SENSORS_INFO"), m_missing);
    info->setWordWrap(true);
    info->setAlignment(Qt::AlignCenter);
    info->setFixedWidth(420);
    column->addWidget(info, 0, Qt::AlignHCenter);
    const QColor accent = palette().color(QPalette::Active, QPalette::Highlight);
    m_download = ViewKit::VKBadgeButton::withKey(QStringLiteral("DOWNLOAD_THERMION"), accent,
                                                 [this] {
                                                     ViewKit::VKLinkOpener::open(
                                                         this, m_companion.environment().downloadPage,
                                                         [this] { return m_companion.openDownloadPage(); });
                                                 },
                                                 m_missing);
    column->addWidget(m_download, 0, Qt::AlignHCenter);
    auto* hint = SettingsControls::hint(AppStrings::text("START_THERMION_ONCE"), m_missing);
    hint->setAlignment(Qt::AlignCenter);
    column->addWidget(hint, 0, Qt::AlignHCenter);

    m_stack->addWidget(m_installed);
    m_stack->addWidget(m_missing);

    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &ThermionSettingsView::recheck);
    recheck();
}

bool ThermionSettingsView::showsSwitches() const
{
    return m_stack->currentWidget() == m_installed;
}

void ThermionSettingsView::recheck()
{
    // A companion that runs is there, whether or not it was installed where it is looked for (one
    // started by hand, for example): its cards show, so the page offers its switches, not a download.
    const bool present = m_companion.isInstalled() || ThermionKit::ThermionCheck::isRunning();
    m_stack->setCurrentWidget(present ? m_installed : m_missing);
}

void ThermionSettingsView::showEvent(QShowEvent* event)
{
    recheck();
    m_timer->start();
    QWidget::showEvent(event);
}

void ThermionSettingsView::hideEvent(QHideEvent* event)
{
    m_timer->stop();
    QWidget::hideEvent(event);
}

} // namespace Kestrion
