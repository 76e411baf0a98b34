#include "Kestrion/Settings/SettingsView.h"

#include "BaseKit/Images/Images.h"
#include "Kestrion/App/AppStrings.h"
#include "Kestrion/Settings/GeneralSettingsView.h"
#include "Kestrion/Settings/ModulesSettingsView.h"
#include "LanguageKit/LKResources.h"

#include <QIcon>
#include <QPixmap>

namespace Kestrion {

namespace {
QIcon symbolIcon(const QString& name)
{
    const QImage pixels = BaseKit::Images::symbol(name).pixels();
    return pixels.isNull() ? QIcon() : QIcon(QPixmap::fromImage(pixels));
}
} // namespace

SettingsView::SettingsView(AppSettings& settings, ProcessorModel* processor, QWidget* parent)
    : QTabWidget(parent)
{
    m_general = new GeneralSettingsView(settings, processor, this);
    addTab(m_general, symbolIcon(QStringLiteral("gearshape")),
           LanguageKit::LKResources::localized(LanguageKit::LKLocalizedString::general));
    m_modules = new ModulesSettingsView(settings, this);
    addTab(m_modules, symbolIcon(QStringLiteral("square.3.layers.3d")), AppStrings::text("MODULES"));
    setCurrentIndex(0);
}

} // namespace Kestrion
