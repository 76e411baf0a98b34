#pragma once

#include "Kestrion/Cards/CardRowsView.h"
#include "Kestrion/Models/SensorModel.h"

#include <vector>

namespace Kestrion {

// The lines of the sensors card, painted: per sensor its name at the leading edge in the secondary
// colour and its value text at the trailing edge in the value's colour, medium weight from a raw
// reading of 50 up (in the sensor's own unit, whatever unit the text shows). Rows are 4 points apart.
// The texts are made once per list; painting only draws the rows in view.
class SensorRowsView : public CardRowsView
{
    Q_OBJECT

public:
    explicit SensorRowsView(QWidget* parent = nullptr);

    struct Row {
        QUuid id;
        QString name;
        QString value;
        bool medium = false;
        ViewKit::VKNamedColor color = ViewKit::VKNamedColor::secondary;
    };

    // `temperatureUnit` is the raw value of the unit the temperatures are shown in.
    void setSensors(const SensorModelList& sensors, int temperatureUnit);
    const std::vector<Row>& rows() const { return m_rows; }
    // The font of a value: medium where the installed family has a medium face, else its next heavier
    // one, so that medium values never look like regular ones.
    QFont valueFont(bool medium) const;

protected:
    int rowCount() const override { return int(m_rows.size()); }
    void paintRows(QPainter& painter, int first, int last) override;

private:
    std::vector<Row> m_rows;
};

} // namespace Kestrion
