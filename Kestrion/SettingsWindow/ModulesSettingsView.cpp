#include "Kestrion/SettingsWindow/ModulesSettingsView.h"

#include "Kestrion/Common/AppStrings.h"
#include "Kestrion/Settings/AppSettings.h"
#include "Kestrion/SettingsWindow/SettingsControls.h"
#include "LanguageKit/LKResources.h"
#include "LanguageKit/Views/LKLocalizedToggle.h"
#include "ViewKit/VKNegatedBinding.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace Kestrion {

using LanguageKit::LKLocalizedString;
using LanguageKit::LKResources;

ModulesSettingsView::ModulesSettingsView(AppSettings& settings, QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(16);
    grid->setContentsMargins(96, 24, 96, 24);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    int row = 0;
    auto group = [this, grid, &row](const QString& label) {
        grid->addWidget(SettingsControls::rowLabel(label, this), row, 0);
        auto* box = new QWidget(this);
        auto* layout = new QVBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        grid->addWidget(box, row, 1, Qt::AlignTop);
        ++row;
        return std::make_pair(box, layout);
    };
    auto add = [this, &settings](QWidget* box, QVBoxLayout* layout, SettingKey key, LKLocalizedString caption) {
        auto* toggle = SettingsControls::toggle(settings, key, caption,
                                                ViewKit::negatedBinding(SettingsControls::binding(settings, key)), box);
        layout->addWidget(toggle);
        m_switches[key] = toggle;
    };

    {
        auto [box, layout] = group(LKResources::localized(LKLocalizedString::systemInformationColon));
        // The first switch is captioned from the application's own table.
        auto* basic = new QCheckBox(AppStrings::text("BASIC_SYSTEM_INFO"), box);
        const LanguageKit::BoolBinding shown =
            ViewKit::negatedBinding(SettingsControls::binding(settings, SettingKey::disableSystemInfo));
        basic->setChecked(shown.get());
        connect(basic, &QCheckBox::toggled, basic, [set = shown.set](bool on) { set(on); });
        connect(&settings, &AppSettings::changed, basic, [basic, read = shown.get](SettingKey key) {
            if (key != SettingKey::disableSystemInfo)
                return;
            const QSignalBlocker blocker(basic);
            basic->setChecked(read());
        });
        layout->addWidget(basic);
        m_switches[SettingKey::disableSystemInfo] = basic;
        add(box, layout, SettingKey::disableProcessorUsage, LKLocalizedString::processorUsage);
        add(box, layout, SettingKey::disableMemoryUsage, LKLocalizedString::memoryUsage);
        add(box, layout, SettingKey::disableCoresUsage, LKLocalizedString::processorCoresUsage);
    }
    {
        auto [box, layout] = group(LKResources::localized(LKLocalizedString::networkColon));
        add(box, layout, SettingKey::disableNetworkInfo, LKLocalizedString::networkInformation);
        add(box, layout, SettingKey::disableNetworkUsage, LKLocalizedString::networkUsage);
    }
    {
        auto [box, layout] = group(AppStrings::text("GRAPHICS_CARD_COLON"));
        add(box, layout, SettingKey::disableGraphicsCard, LKLocalizedString::mainGraphicsCard);
    }
    {
        auto [box, layout] = group(AppStrings::text("VOLUMES"));
        add(box, layout, SettingKey::disableVolumeInfo, LKLocalizedString::systemVolume);
        add(box, layout, SettingKey::disableConnectedVolumes, LKLocalizedString::connectedVolumes);
    }
    {
        auto [box, layout] = group(AppStrings::text("BATTERIES"));
        add(box, layout, SettingKey::disableInternalBattery, LKLocalizedString::internalBattery);
    }
}

QCheckBox* ModulesSettingsView::moduleSwitch(SettingKey key) const
{
    const auto found = m_switches.find(key);
    return found == m_switches.end() ? nullptr : found->second;
}

} // namespace Kestrion
