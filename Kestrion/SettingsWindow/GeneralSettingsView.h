#pragma once

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLabel;

namespace Kestrion {

class AppSettings;
class ProcessorModel;

// The General page of the settings window: theme, closing with the window, animations, design, card
// style, glass material, normalised processor loads and temperature unit. The page only stores the
// settings; the processor model passes a change of the normalised loads on to its running sampler.
class GeneralSettingsView : public QWidget
{
    Q_OBJECT

public:
    GeneralSettingsView(AppSettings& settings, ProcessorModel* processor, QWidget* parent = nullptr);

    QComboBox* themePicker() const { return m_theme; }
    QWidget* designPicker() const { return m_design; }
    QComboBox* cardStylePicker() const { return m_cardStyle; }
    QComboBox* materialPicker() const { return m_material; }
    QComboBox* temperatureUnitPicker() const { return m_temperatureUnit; }
    QLabel* cardStyleLabel() const { return m_cardStyleLabel; }
    QLabel* materialLabel() const { return m_materialLabel; }

private:
    void updateEnabledRows();

    AppSettings& m_settings;
    QPointer<ProcessorModel> m_processor;
    QComboBox* m_theme = nullptr;
    QWidget* m_design = nullptr;
    QComboBox* m_cardStyle = nullptr;
    QComboBox* m_material = nullptr;
    QComboBox* m_temperatureUnit = nullptr;
    QLabel* m_cardStyleLabel = nullptr;
    QLabel* m_materialLabel = nullptr;
};

} // namespace Kestrion
