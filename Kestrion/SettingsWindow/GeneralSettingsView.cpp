#include "Kestrion/SettingsWindow/GeneralSettingsView.h"

#include "Kestrion/Common/AppStrings.h"
#include "Kestrion/Models/ProcessorModel.h"
#include "Kestrion/Settings/AppSettings.h"
#include "Kestrion/SettingsWindow/SettingsControls.h"
#include "LanguageKit/LKResources.h"
#include "LanguageKit/Views/LKLocalizedToggle.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace Kestrion {

using LanguageKit::LKLocalizedString;
using LanguageKit::LKResources;

GeneralSettingsView::GeneralSettingsView(AppSettings& settings, ProcessorModel* processor, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_processor(processor)
{
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(16);
    grid->setContentsMargins(64, 24, 64, 24);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    int row = 0;
    auto addRow = [this, grid, &row](const QString& label, QWidget* controls) {
        QLabel* title = SettingsControls::rowLabel(label, this);
        grid->addWidget(title, row, 0);
        grid->addWidget(controls, row, 1, Qt::AlignLeft | Qt::AlignTop);
        ++row;
        return title;
    };
    auto stack = [this](int spacing) {
        auto* box = new QWidget(this);
        auto* layout = new QVBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        if (spacing >= 0)
            layout->setSpacing(spacing);
        return std::make_pair(box, layout);
    };

    // 1. Theme.
    SettingsControls::Choices themes;
    for (Theme theme : Themes::allCases)
        themes.append({Themes::description(theme), Themes::rawValue(theme)});
    m_theme = SettingsControls::menuPicker(settings, SettingKey::theme, themes,
                                           [&settings] { return Themes::rawValue(settings.theme()); }, this);
    addRow(LKResources::localized(LKLocalizedString::themeColon), m_theme);

    // 2. Program.
    {
        auto [box, layout] = stack(8);
        layout->addWidget(SettingsControls::toggle(settings, SettingKey::closeOnLastWindowClose,
                                                   LKLocalizedString::closeAppOnWindowClose,
                                                   SettingsControls::binding(settings, SettingKey::closeOnLastWindowClose),
                                                   box));
        layout->addWidget(SettingsControls::toggle(settings, SettingKey::useAnimations, LKLocalizedString::useAnimations,
                                                   SettingsControls::binding(settings, SettingKey::useAnimations), box));
        layout->addWidget(SettingsControls::hint(LKResources::localized(LKLocalizedString::useAnimationsHint), box));
        addRow(LKResources::localized(LKLocalizedString::programColon), box);
    }

    // 3. Design.
    SettingsControls::Choices designs;
    for (BackgroundTheme theme : BackgroundThemes::allCases)
        designs.append({BackgroundThemes::description(theme), BackgroundThemes::rawValue(theme)});
    m_design = SettingsControls::segmentedPicker(
        settings, SettingKey::backgroundTheme, designs,
        [&settings] { return BackgroundThemes::rawValue(settings.backgroundTheme()); }, this);
    addRow(LKResources::localized(LKLocalizedString::designColon), m_design);

    // 4. Card style, for the solid design.
    SettingsControls::Choices styles;
    for (ViewKit::VKCardStyle style : ViewKit::VKCardStyles::allCases)
        styles.append({ViewKit::VKCardStyles::description(style), ViewKit::VKCardStyles::rawValue(style)});
    m_cardStyle = SettingsControls::menuPicker(
        settings, SettingKey::tileStyle, styles,
        [&settings] { return ViewKit::VKCardStyles::rawValue(settings.tileStyle()); }, this);
    m_cardStyleLabel = addRow(LKResources::localized(LKLocalizedString::cardStyleColon), m_cardStyle);

    // 5. Glass material, for the glass design.
    SettingsControls::Choices materials;
    for (ViewKit::VKGlassCardStyle style : ViewKit::VKGlassCardStyles::allCases)
        materials.append({ViewKit::VKGlassCardStyles::description(style), ViewKit::VKGlassCardStyles::rawValue(style)});
    m_material = SettingsControls::menuPicker(
        settings, SettingKey::material, materials,
        [&settings] { return ViewKit::VKGlassCardStyles::rawValue(settings.material()); }, this);
    m_materialLabel = addRow(LKResources::localized(LKLocalizedString::glassThemeColon), m_material);

    // 6. Processor: the switch stores the setting; the running sampler follows every change.
    {
        auto [box, layout] = stack(8);
        layout->addWidget(SettingsControls::toggle(settings, SettingKey::normalizeProcessorLoads,
                                                   LKLocalizedString::displayNormalizedLoads,
                                                   SettingsControls::binding(settings, SettingKey::normalizeProcessorLoads),
                                                   box));
        layout->addWidget(SettingsControls::hint(LKResources::localized(LKLocalizedString::normalizedHint), box));
        addRow(AppStrings::text("PROCESSOR"), box);
    }

    // 7. Temperature unit.
    {
        auto [box, layout] = stack(-1);
        SettingsControls::Choices units;
        for (TemperatureUnit unit : TemperatureUnits::allCases)
            units.append({TemperatureUnits::description(unit), TemperatureUnits::rawValue(unit)});
        m_temperatureUnit = SettingsControls::menuPicker(
            settings, SettingKey::temperatureUnit, units,
            [&settings] { return TemperatureUnits::rawValue(settings.temperatureUnit()); }, box);
        layout->addWidget(m_temperatureUnit);
        layout->addWidget(SettingsControls::hint(AppStrings::text("TEMPERATURE_UNITS_HINT"), box));
        addRow(LKResources::localized(LKLocalizedString::temperatureUnitsColon), box);
    }

    updateEnabledRows();
    connect(&settings, &AppSettings::changed, this, [this](SettingKey key) {
        if (key == SettingKey::backgroundTheme)
            updateEnabledRows();
    });
}

void GeneralSettingsView::updateEnabledRows()
{
    const bool glass = m_settings.backgroundTheme() == BackgroundTheme::glass;
    m_cardStyleLabel->setEnabled(!glass);
    m_cardStyle->setEnabled(!glass);
    m_materialLabel->setEnabled(glass);
    m_material->setEnabled(glass);
}

} // namespace Kestrion
