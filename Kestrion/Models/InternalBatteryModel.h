#pragma once

#include "InternalBatteryKit/InternalBatteryFinder.h"
#include "LanguageKit/LKLocalizedString.h"

#include <QObject>
#include <QString>

namespace Kestrion {

struct StartupEnvironment;

class AppSettings;

// Gives the battery card its texts. Owns the battery finder, polls every 5 seconds and once at once,
// so a first snapshot exists before any window. Stores no reading: every text is made from the
// finder's current battery when it is read, so `changed` (a new snapshot, a new condition, or another
// temperature unit) is all a view needs to follow.
class InternalBatteryModel : public QObject
{
    Q_OBJECT

public:
    InternalBatteryModel(const StartupEnvironment& environment, const AppSettings& settings, QObject* parent = nullptr);
    // Takes a finder made elsewhere (tests: a fixture tree) and starts it the same way.
    InternalBatteryModel(InternalBatteryKit::InternalBatteryFinder* finder, const AppSettings& settings,
                         QObject* parent = nullptr);

    InternalBatteryKit::InternalBatteryFinder* finder() const { return m_finder; }

    // Health with one fraction digit (cut, not rounded) and "%", or "-".
    QString healthText() const;
    // The cycle count, or "-".
    QString cycleCountText() const;
    // "Discharge rate" while the current is negative, "Charge rate" otherwise, "Unknown" without one.
    QString rateTitle() const;
    // The current's magnitude in mA; "-" without a current or while fully charged.
    QString rateText() const;
    // "Time until empty" while the current is negative, "Time to full" otherwise, "Unknown" without one.
    QString timeTitle() const;
    // One fraction digit and " °C", or " °F" when the unit setting says so; "-" without a reading.
    QString temperatureText() const;
    // "Good", "Fair", "Poor" or "Unknown" of the finder's condition.
    QString conditionText() const;

signals:
    void changed();

private:
    QString signedTitle(LanguageKit::LKLocalizedString negativeKey, LanguageKit::LKLocalizedString otherKey) const;

    const AppSettings& m_settings;
    InternalBatteryKit::InternalBatteryFinder* m_finder = nullptr;
};

} // namespace Kestrion
