#include "Kestrion/SettingsWindow/SettingsView.h"

#include "BaseKit/Images/Images.h"
#include "Kestrion/Common/AppStrings.h"
#include "Kestrion/SettingsWindow/GeneralSettingsView.h"
#include "Kestrion/SettingsWindow/ModulesSettingsView.h"
#include "Kestrion/SettingsWindow/ThermionSettingsView.h"
#include "LanguageKit/LKResources.h"

#include <QEvent>
#include <QIcon>
#include <QPixmap>

namespace Kestrion {

namespace {
const QString generalSymbol = QStringLiteral("gearshape");
const QString modulesSymbol = QStringLiteral("square.3.layers.3d");
const QString companionSymbol = QStringLiteral("thermometer");

QIcon symbolIcon(const QString& name, const QColor& color)
{
    const QImage pixels = BaseKit::Images::symbol(name, color).pixels();
    return pixels.isNull() ? QIcon() : QIcon(QPixmap::fromImage(pixels));
}
} // namespace

SettingsView::SettingsView(AppSettings& settings, ProcessorModel* processor,
                           const ThermionKit::ThermionCheck& companion, QWidget* parent)
    : QTabWidget(parent)
{
    m_general = new GeneralSettingsView(settings, processor, this);
    addTab(m_general, LanguageKit::LKResources::localized(LanguageKit::LKLocalizedString::general));
    m_modules = new ModulesSettingsView(settings, this);
    addTab(m_modules, AppStrings::text("MODULES"));
    m_companion = new ThermionSettingsView(settings, companion, this);
    addTab(m_companion, LanguageKit::LKResources::localized(LanguageKit::LKLocalizedString::sensors));
    setCurrentIndex(0);
    updateIcons();
}

void SettingsView::changeEvent(QEvent* event)
{
    QTabWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        updateIcons();
}

void SettingsView::updateIcons()
{
    // The symbols take the text colour of the scheme shown.
    const QColor color = palette().color(QPalette::WindowText);
    setTabIcon(indexOf(m_general), symbolIcon(generalSymbol, color));
    setTabIcon(indexOf(m_modules), symbolIcon(modulesSymbol, color));
    setTabIcon(indexOf(m_companion), symbolIcon(companionSymbol, color));
}

} // namespace Kestrion
