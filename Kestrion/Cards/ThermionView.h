#pragma once

#include "Kestrion/Cards/CardView.h"
#include "Kestrion/Models/SensorModel.h"

class QScrollArea;

namespace Kestrion {

class CardTitle;
class SensorRowsView;

// The sensors card: the title "SENSORS" above a scrolling list of every reading the companion
// published, in its order, one line per sensor. It is handed its list; it reads no model itself.
class ThermionView : public CardView
{
    Q_OBJECT

public:
    explicit ThermionView(CardLookSettings& settings, QWidget* parent = nullptr);

    // Shows the sensors with temperatures in the unit of raw value `temperatureUnit`.
    void setSensors(const SensorModelList& sensors, int temperatureUnit);

    CardTitle* title() const { return m_title; }
    SensorRowsView* rows() const { return m_rows; }
    QScrollArea* scrollArea() const { return m_scroll; }

private:
    CardTitle* m_title;
    QScrollArea* m_scroll;
    SensorRowsView* m_rows;
};

} // namespace Kestrion
