#pragma once

#include "Kestrion/Cards/CardView.h"

#include "InternalBatteryKit/BatteryCondition.h"
#include "ViewKit/VKTheme.h"

#include <QPointer>

#include <optional>

namespace ViewKit {
class VKDoubleTextView;
}

namespace Kestrion {

class CardCanvas;
class InternalBatteryModel;

// The internal battery card: the title with a plug while the battery charges, the charge as a green
// bar with its percentage, and the lines health, cycles, charge or discharge rate, time to full or
// to empty (only while there is a battery reading), temperature and condition with a coloured light.
// It follows the battery model's `changed`.
class InternalBatteryView : public CardView
{
    Q_OBJECT

public:
    InternalBatteryView(InternalBatteryModel& model, CardLookSettings& settings, QWidget* parent = nullptr);

    // What the card shows for the model's current values.
    static bool showsPlug(const InternalBatteryModel& model);
    // The bar's fraction: the charge / 100, 0 without a battery or a charge.
    static double chargeProgress(const InternalBatteryModel& model);
    // The light's colour: good green, fair yellow, poor red, none secondary.
    static ViewKit::VKNamedColor conditionColor(std::optional<InternalBatteryKit::BatteryCondition> condition);

    CardCanvas* header() const { return m_header; }
    CardCanvas* chargeBar() const { return m_bar; }
    ViewKit::VKDoubleTextView* healthLine() const { return m_health; }
    ViewKit::VKDoubleTextView* cyclesLine() const { return m_cycles; }
    ViewKit::VKDoubleTextView* rateLine() const { return m_rate; }
    ViewKit::VKDoubleTextView* timeLine() const { return m_time; }
    ViewKit::VKDoubleTextView* temperatureLine() const { return m_temperature; }
    CardCanvas* conditionLine() const { return m_condition; }

protected:
    void refresh() override;

private:
    QPointer<InternalBatteryModel> m_model;
    CardCanvas* m_header;
    CardCanvas* m_bar;
    ViewKit::VKDoubleTextView* m_health;
    ViewKit::VKDoubleTextView* m_cycles;
    ViewKit::VKDoubleTextView* m_rate;
    ViewKit::VKDoubleTextView* m_time;
    ViewKit::VKDoubleTextView* m_temperature;
    CardCanvas* m_condition;
};

} // namespace Kestrion
