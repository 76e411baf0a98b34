#pragma once

#include "Platform/PropertyList/PlistValue.h"

#include <QDateTime>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
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

    // The texts and keys of one value being written, each as text() writes it and, from kKnownUnits
    // UTF-16 units on, looked at once however many places it stands at: such a text is known again by
    // the storage of its characters, which every copy of it shares (the decoder hands out one text at
    // each place a list refers to it), and is kept, so that no storage is freed and taken for another
    // text while the value is written. A shorter text costs less to look at again than to look up.
    // Where a text's characters or a data value's bytes lie, and how many there are: copies of one value
    // share them, so two places holding the same storage hold the same value while both are kept.
    struct Storage {
        const void* at = nullptr;
        qsizetype size = 0;
        bool operator==(const Storage&) const = default;
    };
    struct StorageHash {
        std::size_t operator()(const Storage& storage) const noexcept
        {
            return std::hash<const void*>()(storage.at) * 31 + std::size_t(storage.size);
        }
    };

    class Texts {
    public:
        static constexpr qsizetype kKnownUnits = 64;

        struct Seen {
            std::optional<QString> written; // as text() writes it; none when it holds a NUL
            std::optional<std::uint64_t> note; // the writer's own note of it, none until it makes one
        };
        // The entry of `text`: of a long text made at its first sight, and where it is while more are
        // made; of a short one made anew, and good until the next call.
        Seen& operator()(const QString& text);

    private:
        struct Kept {
            QString text;
            Seen seen;
        };
        std::unordered_map<Storage, Kept, StorageHash> m_seen;
        Seen m_short;
    };

    // The entries of a dictionary that are written, in the dictionary's order: those whose value is not
    // left out, each key as text() writes it (`texts` looks at a long key once). None when one of these
    // keys holds a NUL or two of them are one key once written.
    using Entry = std::pair<QString, const PlistValue*>;
    static std::optional<std::vector<Entry>> entries(const PlistValue::DictionaryType& dictionary, Texts& texts);

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
