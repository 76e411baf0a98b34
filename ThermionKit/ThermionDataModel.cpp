#include "ThermionKit/ThermionDataModel.h"

#include "Platform/PropertyList/Defaults.h"
#include "ThermionKit/ThermionKitConstants.h"

namespace ThermionKit {

using Platform::PlistValue;

ThermionDataModel::ThermionDataModel()
    : ThermionDataModel(QString::fromLatin1(ThermionKitConstants::appGroup))
{
}

ThermionDataModel::ThermionDataModel(const QString& suite)
{
    // The suite's file is the companion's: a file it left undecodable stays as it is.
    if (!suite.isEmpty())
        m_userDefaults = std::make_unique<Platform::Defaults>(suite, Platform::Defaults::Owner::anotherProgram);
}

ThermionDataModel::~ThermionDataModel() = default;

void ThermionDataModel::clear()
{
    for (SensorDataModelKey key : SensorDataModelKeys::allCases)
        set(PlistValue(), key);
}

void ThermionDataModel::save(const SensorList& sensors)
{
    const QByteArray bytes = Sensor::encodeList(sensors);
    set(bytes.isEmpty() ? PlistValue() : PlistValue(bytes), SensorDataModelKey::sensors);
}

void ThermionDataModel::save(const std::vector<Fan>& fans)
{
    const QByteArray bytes = Fan::encodeList(fans);
    set(bytes.isEmpty() ? PlistValue() : PlistValue(bytes), SensorDataModelKey::fans);
}

std::optional<QByteArray> ThermionDataModel::data(SensorDataModelKey key) const
{
    if (!m_userDefaults)
        return std::nullopt;
    return m_userDefaults->data(SensorDataModelKeys::rawValue(key));
}

std::optional<SensorList> ThermionDataModel::loadSensors() const
{
    const auto bytes = data(SensorDataModelKey::sensors);
    return bytes ? Sensor::decodeList(*bytes) : std::nullopt;
}

std::optional<std::vector<Fan>> ThermionDataModel::loadFans() const
{
    const auto bytes = data(SensorDataModelKey::fans);
    return bytes ? Fan::decodeList(*bytes) : std::nullopt;
}

void ThermionDataModel::set(const PlistValue& value, SensorDataModelKey key)
{
    if (m_userDefaults)
        m_userDefaults->set(SensorDataModelKeys::rawValue(key), value);
}

} // namespace ThermionKit
