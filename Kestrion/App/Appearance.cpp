#include "Kestrion/App/Appearance.h"

#include <QApplication>
#include <QStyleFactory>

namespace Kestrion {

Appearance::Appearance(Platform::ColorScheme* desktop, QObject* parent)
    : QObject(parent)
    , m_desktop(desktop)
    , m_platformPalette(QApplication::palette())
{
    if (m_desktop)
        connect(m_desktop, &Platform::ColorScheme::changed, this, [this] { install(); });
}

ViewKit::VKColorScheme Appearance::scheme(Theme theme, Platform::ColorScheme::Preference desktop,
                                          const QPalette& platformPalette)
{
    switch (theme) {
    case Theme::light:
        return ViewKit::VKColorScheme::light;
    case Theme::dark:
        return ViewKit::VKColorScheme::dark;
    case Theme::system:
        break;
    }
    switch (desktop) {
    case Platform::ColorScheme::Preference::dark:
        return ViewKit::VKColorScheme::dark;
    case Platform::ColorScheme::Preference::light:
        return ViewKit::VKColorScheme::light;
    case Platform::ColorScheme::Preference::none:
        break;
    }
    return ViewKit::VKTheme::scheme(platformPalette);
}

void Appearance::apply(Theme theme)
{
    m_theme = theme;
    install();
}

void Appearance::install()
{
    const ViewKit::VKColorScheme next = scheme(
        m_theme, m_desktop ? m_desktop->current() : Platform::ColorScheme::Preference::none, m_platformPalette);
    if (m_installed && next == m_scheme)
        return;
    if (!m_installed) {
        if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
            QApplication::setStyle(fusion);
    }
    m_installed = true;
    m_scheme = next;
    QApplication::setPalette(ViewKit::VKTheme::palette(next));
    emit schemeChanged(next);
}

} // namespace Kestrion
