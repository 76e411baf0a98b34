#pragma once

#include "Kestrion/Cards/CardLook.h"
#include "Kestrion/Settings/AppSettings.h"

#include <QObject>

namespace Kestrion {

// The live card look: "BackgroundTheme", "TileStyle" and "Material" of a defaults suite, read at
// every call through the settings table (so the cards share its defaults), with a signal whenever
// one of the three keys is written here or changed by another process. Main thread only.
class CardLookSettings : public QObject
{
    Q_OBJECT

public:
    explicit CardLookSettings(Platform::Defaults& defaults, QObject* parent = nullptr);

    // The look over the application's standard suite, made at the first call.
    static CardLookSettings& standard();

    CardLook look() const;

signals:
    void lookChanged();

private:
    AppSettings m_settings;
};

} // namespace Kestrion
