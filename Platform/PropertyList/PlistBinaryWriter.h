#pragma once

#include "Platform/PropertyList/PlistValue.h"

#include <QByteArray>

namespace Platform {

// The writer of binary property lists, by the rules PlistValue's encoding notes state (PlistWriteRules
// holds them): the outermost value is object 0; equal texts (keys and values alike), data, numbers,
// dates and booleans are one object, referred to from each of their places; containers are written at
// each place. References and offsets take the fewest of 1, 2, 4 or 8 bytes that hold them. Time and
// memory are linear in the value's size (a hash of the objects written finds the equal ones).
class PlistBinaryWriter {
public:
    // Empty when the value writes nothing or breaks a rule.
    static QByteArray write(const PlistValue& value);
};

} // namespace Platform
