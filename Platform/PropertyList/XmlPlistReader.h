#pragma once

#include "Platform/PropertyList/PlistValue.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace Platform {

// The reader of XML property lists: one pass over the bytes, each byte looked at a bounded number of
// times, whatever the list holds (texts full of character references, blanks after the end). It reads
// the form property-list writers make: an optional declaration, comments and a document type without
// an internal subset, one <plist> element (its attributes passed over) holding one value; dict (key,
// value pairs, each key once), array, string, integer (decimal or 0x hex, with a sign), real, true,
// false, data (base64, blanks allowed) and date ("2024-03-05T10:30:15Z"). Texts take the five named
// references, numeric ones, CDATA sections and comments, and are kept as written: every U+FEFF (leading
// ones too) and every line end (a CR stays a CR). Refused: anything else, texts that are no UTF-8 or
// hold a NUL, attributes on values, numbers with two signs, integers beyond the 64-bit range (from -2^63
// to 2^64 - 1 are taken), dates beyond the 32-bit seconds around 2001, values more than `maxDepth` levels
// below the outermost one, more than `maxNodes` values (keys included) and more than `maxBytes` bytes of
// texts (two a UTF-16 unit) and data.
class XmlPlistReader {
public:
    static std::optional<PlistValue> read(const QByteArray& bytes, int maxDepth, std::size_t maxNodes,
                                          std::uint64_t maxBytes);
};

} // namespace Platform
