#pragma once

#include "Platform/PropertyList/PlistValue.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace Platform {

// What the two writers of property lists (PlistBinaryWriter and PlistXmlWriter) share: which values
// are written and as what, and the decoder's bounds, which everything written keeps, counted as the
// decoder counts them. PlistValue's encoding notes state the rules as a caller sees them.
class PlistWriteRules {
public:
    enum class Form { binary, xml };

    // None values and invalid dates: an array or dictionary that holds one leaves it out, and as the
    // outermost value it writes nothing.
    static bool leftOut(const PlistValue& value);

    // A text or key as written: each lone surrogate as '?'. None when it holds a NUL character, which
    // no reader of the formats gives back.
    static std::optional<QString> text(const QString& text);

    // The entries of a dictionary that are written, in the dictionary's order: those whose value is not
    // left out, each key as text() writes it. None when one of these keys holds a NUL or two of them
    // are one key once written.
    using Entry = std::pair<QString, const PlistValue*>;
    static std::optional<std::vector<Entry>> entries(const PlistValue::DictionaryType& dictionary);

    // A valid date's milliseconds from 2001-01-01 as written: clamped to the range (a date past its
    // last second, by however little, is that second; one before its first second is that second);
    // in XML the second the date lies in (its milliseconds dropped, before 2001 as after it).
    static std::int64_t dateMilliseconds(const QDateTime& date, Form form);

    // The decoder's count of a value being written: every value and key at each of its places, how
    // deep each value lies (the outermost one at depth 0), and the bytes of texts and keys (two a
    // UTF-16 unit) and of data. A writer counts each value before it writes it and stops at the first
    // that passes a bound: what it has written would not be read back.
    class Budget {
    public:
        bool value(int depth, std::uint64_t bytes = 0)
        {
            return depth <= PlistValue::kMaxDepth && take(bytes);
        }
        bool key(const QString& text) { return take(std::uint64_t(text.size()) * 2); }

    private:
        bool take(std::uint64_t bytes)
        {
            ++m_values;
            m_bytes += bytes;
            return m_values <= PlistValue::kMaxElements && m_bytes <= PlistValue::kMaxDecodedBytes;
        }

        std::uint64_t m_values = 0;
        std::uint64_t m_bytes = 0;
    };
};

} // namespace Platform
