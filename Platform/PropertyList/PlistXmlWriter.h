#pragma once

#include "Platform/PropertyList/PlistValue.h"

#include <QByteArray>

namespace Platform {

// The writer of XML property lists, by the rules PlistValue's encoding notes state (PlistWriteRules
// holds them), in UTF-8 with one value or key a line, each line indented by a tab a level up to
// kMaxIndent tabs. Texts and keys escape '&', '<' and '>' and write a CR as a reference (an XML
// reader would read a CR written as it is as a line feed); every other character is written as it is.
// Integers are decimal; reals take the fewest digits that read back as the same double, "nan", "inf"
// and "-inf" (a NaN keeps neither its sign nor its payload), a zero its sign ("-0"); dates are
// "2024-03-05T10:30:15Z", data base64 on one line. Numbers are written the same under every locale.
// Time and memory are linear in the value's size.
class PlistXmlWriter {
public:
    static constexpr int kMaxIndent = 32;

    // Empty when the value writes nothing or breaks a rule.
    static QByteArray write(const PlistValue& value);
};

} // namespace Platform
