#pragma once

#include "Platform/PropertyList/PlistValue.h"

#include <QByteArray>

#include <cstdint>

namespace Platform {

// The writer of binary property lists, by the rules PlistValue's encoding notes state (PlistWriteRules
// holds them): the outermost value is object 0; equal texts (keys and values alike), data, numbers,
// dates and booleans are one object, referred to from each of their places; containers are written at
// each place. Texts with no character above U+007F take a byte a character, all others UTF-16.
// References take the fewest of 1, 2, 4 or 8 bytes that hold the highest object number, offsets the
// fewest that hold the last object's offset. Time and memory are linear in the value's size, a text or
// data value whose copies at many places share its storage (as the decoder gives a shared object) counted
// once: such a value is encoded at its first place only and known again by its storage at the others,
// and a hash of the objects written finds the other equal ones.
class PlistBinaryWriter {
public:
    // What one write did: the bytes of the objects it encoded, those of an object found equal to one
    // written before (and taken back) included.
    struct Work {
        std::uint64_t encodedBytes = 0;
    };

    // Empty when the value writes nothing or breaks a rule. `work`, when given, is told what the write
    // did.
    static QByteArray write(const PlistValue& value, Work* work = nullptr);
};

} // namespace Platform
