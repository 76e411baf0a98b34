#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace Platform {

// A read-only view of a binary property list: objects are read where they lie, each access checked
// against the bounds of the data, without building a tree. The one reader of the binary format: the
// structure check that guards the general decoder walks its objects through it, and the readers of
// small record lists read their records through it. Malformed objects give none.
//
// The view keeps a reference to its bytes, which must outlive it: a temporary is refused.
class BinaryPlistView {
public:
    using Ref = std::uint64_t;
    enum class Kind { other, integer, real, date, data, string, array, set, dictionary };

    struct Object {
        Kind kind = Kind::other;
        std::uint8_t type = 0;      // the marker's high nibble
        std::uint8_t info = 0;      // the marker's low nibble
        std::uint64_t count = 0;    // elements, entries, characters or bytes
        std::uint64_t payload = 0;  // where the contents start
    };

    // None unless the header, trailer and offset table are sound.
    static std::optional<BinaryPlistView> open(const QByteArray& bytes);
    static std::optional<BinaryPlistView> open(QByteArray&&) = delete;

    Ref root() const { return m_top; }
    std::uint64_t objectCount() const { return m_objectCount; }
    std::optional<Object> object(Ref ref) const;
    // How many references a container holds: its elements, or its keys and values.
    static std::uint64_t references(const Object& container);
    // The index-th reference of a container: an element of an array or set, or key (index < count)
    // and value (count + index) of a dictionary.
    std::optional<Ref> element(const Object& container, std::uint64_t index) const;

    // Texts without NUL characters: ASCII, or UTF-16 with valid surrogate pairs, kept as they are (a
    // leading U+FEFF included).
    std::optional<QString> string(Ref ref) const;
    std::optional<QString> string(const Object& text) const;
    // Whether the object is a text that holds a NUL character (which C strings would cut there).
    bool hasNul(const Object& text) const;
    // Integers that fit a signed 64-bit integer: 1-, 2- and 4-byte ones unsigned, 8-byte ones signed,
    // 16-byte ones when they lie from 0 to 2^63 - 1.
    std::optional<std::int64_t> integer(Ref ref) const;
    std::optional<std::int64_t> integer(const Object& integer) const;
    // Whether an integer object stands for a number beyond 64 bits (a 16-byte one whose upper half is
    // not zero), and the number it stands for when that lies from 2^63 to 2^64 - 1 (a 16-byte one past
    // the signed range).
    bool isWiderThan64Bits(const Object& integer) const;
    std::optional<std::uint64_t> unsignedBeyondSigned(const Object& integer) const;
    // Reals as stored, not-a-number and infinities included.
    std::optional<double> real(Ref ref) const;
    std::optional<double> real(const Object& real) const;
    // A date's seconds from 2001-01-01, as stored.
    std::optional<double> dateSeconds(const Object& date) const;

    // The values of a record: a dictionary holding each of `keys` (ASCII) exactly once, given in the
    // order of `keys`; other keys are passed over unread beyond their length, so that a long key shared
    // by many records costs nothing at each. None when the object is no dictionary, a key is no text or
    // one of the length of a key asked for holds a NUL, or one of `keys` is missing or stands twice.
    template <std::size_t N>
    std::optional<std::array<Ref, N>> fields(Ref dictionary, const std::array<QLatin1StringView, N>& keys) const
    {
        std::array<Ref, N> values{};
        if (!fields(dictionary, keys, values))
            return std::nullopt;
        return values;
    }

private:
    explicit BinaryPlistView(const QByteArray& bytes) : m_bytes(bytes) {}
    std::optional<std::uint64_t> number(std::uint64_t at, unsigned size) const;
    // At most 64 keys.
    bool fields(Ref dictionary, std::span<const QLatin1StringView> keys, std::span<Ref> values) const;

    const QByteArray& m_bytes;
    unsigned m_offsetSize = 0;
    unsigned m_refSize = 0;
    std::uint64_t m_objectCount = 0;
    std::uint64_t m_top = 0;
    std::uint64_t m_offsetTable = 0;
};

} // namespace Platform
