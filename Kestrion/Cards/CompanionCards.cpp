#include "Kestrion/Cards/CompanionCards.h"

#include "Kestrion/Cards/CardLookSettings.h"
#include "Kestrion/Cards/FansView.h"
#include "Kestrion/Cards/ThermionView.h"
#include "Kestrion/Models/ThermionViewModel.h"
#include "Kestrion/Settings/AppSettings.h"

#include <QPointer>

namespace Kestrion {

void CompanionCards::add(CardCatalog& catalog, const CardSources& sources)
{
    ThermionViewModel* model = sources.thermion;
    if (!model)
        return;
    CardLookSettings& cardLook = sources.look ? *sources.look : CardLookSettings::standard();
    const AppSettings* appSettings = sources.settings ? sources.settings : &AppSettings::standard();
    catalog.add(Card::fans, [model, &cardLook](QWidget* parent) -> QWidget* {
        auto* card = new FansView(cardLook, parent);
        card->setFans(model->fans());
        QObject::connect(model, &ThermionViewModel::fansChanged, card,
                         [card, model] { card->setFans(model->fans()); });
        return card;
    });
    catalog.add(Card::thermion, [model, &cardLook, appSettings](QWidget* parent) -> QWidget* {
        auto* card = new ThermionView(cardLook, parent);
        const auto show = [card, model, appSettings] {
            card->setSensors(model->temperatureSensors(),
                             TemperatureUnits::rawValue(appSettings->temperatureUnit()));
        };
        show();
        QObject::connect(model, &ThermionViewModel::temperatureSensorsChanged, card, show);
        // A new unit shows at once, not only with the next answer.
        QObject::connect(appSettings, &AppSettings::changed, card, [show](SettingKey key) {
            if (key == SettingKey::temperatureUnit)
                show();
        });
        return card;
    });
}

} // namespace Kestrion
