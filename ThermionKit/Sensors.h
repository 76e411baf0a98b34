#pragma once

#include "ThermionKit/Sensor.h"

namespace ThermionKit {

// The sensors the companion knows by name: hardware sensor keys and sensor-name patterns, each entry a
// ready Sensor (value 0, no index). A "%" in an identifier stands where the companion puts a position
// character; a "%" in a description is replaced by the index the companion assigns. Each list is
// built once, on first use, on the main thread; the entries are shared objects.
class Sensors {
public:
    Sensors() = delete;

    static const SensorList& smcCatalogue();
    static const SensorList& namePatterns();
};

} // namespace ThermionKit
