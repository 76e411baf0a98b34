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
    // unread, and a list of more than maxElements values or whose texts take more than maxTextBytes
    // (two bytes a character; each shared value counted at each place, also the texts read only to be
    // looked up).
    static std::optional<SensorList> decodeList(const QByteArray& data);
    // The reader of decodeList for binary lists, which reads their objects in place; decodeList takes
    // its answer for every binary list and gives other data to the general decoder. Both read the
    // records the same way: where the general decoder takes a binary list at all, the two agree.
    static std::optional<SensorList> decodeBinaryList(const QByteArray& data);
    // The general decoder alone (any format, through the property-list tree).
    static std::optional<SensorList> decodeTree(const QByteArray& data);

    static constexpr qsizetype maxEncodedSize = 4 * 1024 * 1024;
    // As many values as the general decoder takes.
    static constexpr std::uint64_t maxElements = Platform::PlistValue::kMaxElements;
    // Twice the largest list's bytes: every text of a list of distinct texts.
    static constexpr std::uint64_t maxTextBytes = 2 * std::uint64_t(maxEncodedSize);

private:
    std::optional<std::uint8_t> m_index;
};

} // namespace ThermionKit
