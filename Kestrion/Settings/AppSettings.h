#pragma once

#include "Kestrion/Common/MainLayout.h"
#include "Kestrion/Settings/BackgroundTheme.h"
#include "Kestrion/Settings/SettingKey.h"
#include "Kestrion/Settings/TemperatureUnit.h"
#include "Kestrion/Settings/Theme.h"
#include "ViewKit/VKCardStyle.h"
#include "ViewKit/VKGlassCardStyle.h"

#include <QObject>

namespace Platform {
class Defaults;
}

namespace Kestrion {

// The application's settings over a defaults suite (the standard suite "com.brannock.kestrion" in the
// program). Every reader of a key gets the one default of the settings table: a key that was never
// written, or an enumeration stored as an integer that is none of its raw values, reads as that default.
// Writes are stored at once; `changed` follows every write, in this process or another.
class AppSettings : public QObject
{
    Q_OBJECT

public:
    explicit AppSettings(Platform::Defaults& defaults, QObject* parent = nullptr);

    // The settings over the standard suite, made on first use.
    static AppSettings& standard();

    Platform::Defaults& defaults() const { return m_defaults; }

    bool boolValue(SettingKey key) const;
    int integerValue(SettingKey key) const;
    void setBool(SettingKey key, bool value);
    void setInteger(SettingKey key, int value);

    Theme theme() const;
    BackgroundTheme backgroundTheme() const;
    TemperatureUnit temperatureUnit() const;
    ViewKit::VKCardStyle tileStyle() const;
    ViewKit::VKGlassCardStyle material() const;
    void setTheme(Theme theme);
    void setBackgroundTheme(BackgroundTheme theme);
    void setTemperatureUnit(TemperatureUnit unit);
    void setTileStyle(ViewKit::VKCardStyle style);
    void setMaterial(ViewKit::VKGlassCardStyle style);

    // Whether all ten module switches are off, each read afresh.
    bool allModulesDisabled() const;
    // The ten module switches as the main window's layout takes them (model states left at none).
    MainLayoutInputs moduleSwitches() const;

signals:
    void changed(Kestrion::SettingKey key);

private:
    Platform::Defaults& m_defaults;
};

} // namespace Kestrion
