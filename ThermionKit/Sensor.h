#pragma once

#include "ThermionKit/SensorGroup.h"
#include "ThermionKit/SensorPlatform.h"
#include "ThermionKit/SensorType.h"

#include "Platform/PropertyList/PlistValue.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace ThermionKit {

class Sensor;
// Sensors are shared objects: a list holds references, and a change made through one reference is
// seen through every other.
using SensorList = std::vector<std::shared_ptr<Sensor>>;

// One reading the companion publishes: its key, display name, value in the unit of its type, type,
// group and the machine families it exists on.
class Sensor {
public:
    Sensor(QString identifier, QString description, SensorGroup group, SensorType type,
           std::vector<SensorPlatform> platforms);

    static std::shared_ptr<Sensor> make(QString identifier, QString description, SensorGroup group, SensorType type,
                                        std::vector<SensorPlatform> platforms);

    QString identifier;
    QString description;
    double value = 0;
    SensorType type;
    SensorGroup group;
    std::vector<SensorPlatform> platforms;

    // A number assigned here replaces every "%" of the description with its decimal digits at once;
    // none leaves the description as it is. The index never travels through the suite.
    std::optional<std::uint8_t> index() const { return m_index; }
    void setIndex(std::optional<std::uint8_t> index);

    // Whether the lowercased search text stands in the identifier, the description or one of the
    // type's search words. An empty search matches nothing.
    bool matches(const QString& search) const;

    // The stored form: a binary property list, an array of one dictionary per sensor with the keys
    // "Identifier", "Description", "Value" (real), "Type" (0 to 4), "Group" and "Platforms".
    static QByteArray encodeList(const SensorList& sensors);
    // Binary or XML. None unless every dictionary holds all six keys with values of the right kind
    // and in range ("Value" a real or an integer, not-a-number and infinities included; "Type" an
    // integer from 0 to 4); keys beyond these are ignored. Data larger than maxEncodedSize is refused
    // unread, and a list of more than maxElements values (each shared one counted at each place).
    static std::optional<SensorList> decodeList(const QByteArray& data);
    // The quick reader of decodeList for binary lists: a list, or none wherever it cannot decide
    // (malformed data, unusual but valid forms), and decodeList then decodes in full. Both read the
    // records the same way.
    static std::optional<SensorList> decodeBinaryList(const QByteArray& data);
    // The general decoder alone (any format, through the property-list tree).
    static std::optional<SensorList> decodeTree(const QByteArray& data);

    static constexpr qsizetype maxEncodedSize = 4 * 1024 * 1024;
    // As many values as the general decoder takes.
    static constexpr std::uint64_t maxElements = Platform::PlistValue::kMaxElements;

private:
    std::optional<std::uint8_t> m_index;
};

} // namespace ThermionKit
