#pragma once

#include "ThermionKit/IThermionDataModel.h"
#include "ThermionKit/SensorDataModelKey.h"

#include "Platform/PropertyList/PlistValue.h"

#include <QString>

#include <memory>

namespace Platform {
class Defaults;
}

namespace ThermionKit {

// The one object through which the suite shared with the companion is read and written. "sensors" and
// "fans" hold data values whose bytes are the binary property lists of Sensor and Fan. Every load reads
// the suite afresh, so it sees what the companion stored last; a value that is missing, of another
// kind or not decodable loads as none, never as a partial list.
class ThermionDataModel : public IThermionDataModel {
public:
    // Opens the suite ThermionKitConstants::appGroup; tests name another.
    ThermionDataModel();
    explicit ThermionDataModel(const QString& suite);
    ~ThermionDataModel() override;

    // None when the suite could not be opened; then loads give none and writes do nothing.
    Platform::Defaults* userDefaults() const { return m_userDefaults.get(); }

    // Removes all five keys of the suite.
    void clear() override;
    // Stores the encoded list; a list that cannot be encoded removes the key instead.
    void save(const SensorList& sensors) override;
    void save(const std::vector<Fan>& fans) override;
    std::optional<SensorList> loadSensors() const override;
    std::optional<std::vector<Fan>> loadFans() const override;

    // Stores a value under the key; a none value removes it.
    void set(const Platform::PlistValue& value, SensorDataModelKey key);

private:
    std::optional<QByteArray> data(SensorDataModelKey key) const;

    std::unique_ptr<Platform::Defaults> m_userDefaults;
};

} // namespace ThermionKit
