#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace ThermionKit {

// One fan the companion reports, its speeds in revolutions per minute.
struct Fan {
    QString identifier;
    QString name;
    std::int64_t rpm = 0;
    std::int64_t min = 0;
    std::int64_t max = 0;
    std::int64_t target = 0;

    // Where rpm lies between min and max, from 0 to 1. The differences are taken in double precision,
    // so no value of the companion's can overflow them. When max equals min a speed above them gives 1
    // and any other speed 0.
    float percentage() const;
    static float percentage(std::int64_t rpm, std::int64_t min, std::int64_t max);

    // Whether the lowercased search text stands in the identifier, the name or the texts of "FAN" and
    // "AIR". An empty search matches nothing.
    bool matches(const QString& search) const;

    // The stored form: a binary property list, an array of one dictionary per fan with the keys
    // "identifier", "name" (texts) and "rpm", "min", "max", "target" (integers).
    static QByteArray encodeList(const std::vector<Fan>& fans);
    // Binary or XML. None unless every dictionary holds all six keys with values of the right kind
    // (integers within the signed 64-bit range); keys beyond these are ignored. Data larger than
    // maxEncodedSize is refused unread, and a list of as many values or text bytes as a sensor list
    // may not hold.
    static std::optional<std::vector<Fan>> decodeList(const QByteArray& data);
    // The reader of decodeList for binary lists, which reads their objects in place; decodeList takes
    // its answer for every binary list. Both read the records the same way.
    static std::optional<std::vector<Fan>> decodeBinaryList(const QByteArray& data);
    // The general decoder alone (any format, through the property-list tree).
    static std::optional<std::vector<Fan>> decodeTree(const QByteArray& data);

    static constexpr qsizetype maxEncodedSize = 4 * 1024 * 1024;

    bool operator==(const Fan&) const = default;
};

} // namespace ThermionKit
