#pragma once

#include "ThermionKit/SensorType.h"
#include "ViewKit/VKTheme.h"

#include <QString>
#include <QUuid>

#include <memory>
#include <vector>

namespace Kestrion {

// One companion reading as the sensors card shows it. Each model built gets a new id, so two lines with
// equal contents are still two lines.
class SensorModel
{
public:
    SensorModel(ThermionKit::SensorType sensorType, QString identifier, QString name, double value);

    QUuid id;
    ThermionKit::SensorType sensorType;
    QString identifier;
    QString name;
    double value;

    // The value in its unit: temperatures with 1 digit in °C, or in °F when `temperatureUnit` is 1
    // (imperial); volts with 5 digits, amperes 4, watts 2 (each cut toward zero, in the current
    // locale); fan speeds as whole revolutions per minute. "-" stands for a number that is not finite
    // or, for a fan, does not fit a whole number.
    QString formattedValue(int temperatureUnit) const;
    // The same in the unit stored under "TemperatureUnit" of the standard suite, read afresh.
    QString formattedValue() const;

    // Secondary for everything but temperatures; a temperature by its degrees Celsius: blue below 30,
    // green below 40, yellow below 45, orange below 50, red from 50 and for a value that is no number.
    ViewKit::VKNamedColor valueColor() const;
};

using SensorModelList = std::vector<std::shared_ptr<SensorModel>>;

} // namespace Kestrion
