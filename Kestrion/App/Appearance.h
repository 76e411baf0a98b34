#pragma once

#include "Kestrion/Settings/Theme.h"
#include "Platform/Desktop/ColorScheme.h"
#include "ViewKit/VKTheme.h"

#include <QObject>
#include <QPalette>

namespace Kestrion {

// Applies the colour scheme to the whole program: the Fusion style with our light or dark palette.
// The theme light or dark decides by itself; the theme system follows the desktop's preference, and
// without one the lightness of the platform's own palette.
class Appearance : public QObject
{
    Q_OBJECT

public:
    explicit Appearance(Platform::ColorScheme* desktop, QObject* parent = nullptr);

    // The scheme of a theme under a desktop preference, the platform palette deciding when neither does.
    static ViewKit::VKColorScheme scheme(Theme theme, Platform::ColorScheme::Preference desktop,
                                         const QPalette& platformPalette);

    // Installs the palette of the theme now and whenever the desktop's preference changes.
    void apply(Theme theme);
    Theme theme() const { return m_theme; }
    ViewKit::VKColorScheme currentScheme() const { return m_scheme; }

signals:
    void schemeChanged(ViewKit::VKColorScheme scheme);

private:
    void install();

    Platform::ColorScheme* m_desktop = nullptr;
    QPalette m_platformPalette;
    Theme m_theme = Theme::system;
    ViewKit::VKColorScheme m_scheme = ViewKit::VKColorScheme::light;
    bool m_installed = false;
};

} // namespace Kestrion
