#pragma once

#include "Platform/PropertyList/PlistValue.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace Platform {

// The writer of XML property lists, by the rules PlistValue's encoding notes state (PlistWriteRules
// holds them), in UTF-8 with one value or key a line, each line indented by a tab a level up to
// kMaxIndent tabs. Texts and keys escape '&', '<' and '>' and write a CR as a reference (an XML
// reader would read a CR written as it is as a line feed); every other character is written as it is.
// Integers are decimal; a real takes the fewest characters that read back as the same double, in plain
// or exponent form, whichever is shorter (0.1, 1e+300; 1.2345678901234568e20 is 123456789012345683968),
// "nan", "inf" and "-inf" (a NaN keeps neither its sign nor its payload), a zero its sign ("-0"); dates
// are "2024-03-05T10:30:15Z", data base64 on one line. Numbers are written the same under every locale.
// The writer first counts what it will write, each text or key that shares its storage at many places
// (as the decoder gives a shared object) looked at once and counted at each place: a value that breaks
// a rule is refused before a byte is written, and the bytes are put down once, in a buffer of their
// size. Time and memory are linear in the bytes written and the number of values.
class PlistXmlWriter {
public:
    static constexpr int kMaxIndent = 32;

    // Empty when the value writes nothing or breaks a rule.
    static QByteArray write(const PlistValue& value);
    // The size of what write() gives, counted without writing; none when it gives nothing.
    static std::optional<std::uint64_t> size(const PlistValue& value);
};

} // namespace Platform
