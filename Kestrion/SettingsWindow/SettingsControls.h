#pragma once

#include "Kestrion/Settings/AppSettings.h"
#include "LanguageKit/BoolBinding.h"
#include "LanguageKit/LKLocalizedString.h"

#include <QList>
#include <QPair>
#include <QString>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLabel;
class QWidget;

namespace LanguageKit {
class LKLocalizedToggle;
}

namespace Kestrion {

// The controls of the settings pages. None keeps a value of its own: each reads its key, stores every
// change at once and follows every change of the key made elsewhere.
class SettingsControls
{
public:
    SettingsControls() = delete;

    using Choices = QList<QPair<QString, int>>; // text and raw value, in order

    static LanguageKit::BoolBinding binding(AppSettings& settings, SettingKey key);
    // A switch captioned by a library key and bound to `binding`, re-read whenever `key` changes.
    static LanguageKit::LKLocalizedToggle* toggle(AppSettings& settings, SettingKey key,
                                                  LanguageKit::LKLocalizedString caption,
                                                  LanguageKit::BoolBinding binding, QWidget* parent);
    // A menu picker over raw values; `current` reads the setting's value as a raw value.
    static QComboBox* menuPicker(AppSettings& settings, SettingKey key, const Choices& choices,
                                 std::function<int()> current, QWidget* parent);
    // A segmented picker: one checkable button per choice, exactly one checked.
    static QWidget* segmentedPicker(AppSettings& settings, SettingKey key, const Choices& choices,
                                    std::function<int()> current, QWidget* parent);
    // A label right-aligned against its controls.
    static QLabel* rowLabel(const QString& text, QWidget* parent);
    // A hint in the secondary colour, wrapping within 420 points.
    static QLabel* hint(const QString& text, QWidget* parent);
};

} // namespace Kestrion
