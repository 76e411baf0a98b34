#pragma once

#include "ThermionKit/Fan.h"
#include "ThermionKit/Sensor.h"

#include <optional>
#include <vector>

namespace ThermionKit {

// The reader and writer of the suite shared with the companion.
class IThermionDataModel {
public:
    virtual ~IThermionDataModel() = default;
    virtual void clear() = 0;
    virtual void save(const SensorList& sensors) = 0;
    virtual void save(const std::vector<Fan>& fans) = 0;
    virtual std::optional<SensorList> loadSensors() const = 0;
    virtual std::optional<std::vector<Fan>> loadFans() const = 0;
};

} // namespace ThermionKit
