#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace ThermionKit {

// A read-only view of a binary property list, for reading the companion's records without building a
// tree: objects are read where they lie, each access checked against the bounds of the data. It reads
// only what the records are made of (arrays, dictionaries, ASCII and UTF-16 texts, 1- to 8-byte
// integers, reals); for anything else, and for every malformed or unusual structure, an access gives
// none, and the caller hands the data to the general decoder instead.
class BinaryPlistView {
public:
    using Ref = std::uint64_t;
    enum class Kind { other, integer, real, string, array, dictionary };

    struct Object {
        Kind kind = Kind::other;
        std::uint8_t type = 0;      // the marker's high nibble
        std::uint8_t info = 0;      // the marker's low nibble
        std::uint64_t count = 0;    // elements, entries, characters or bytes
        std::uint64_t payload = 0;  // where the contents start
    };

    // None unless the header, trailer and offset table are sound.
    static std::optional<BinaryPlistView> open(const QByteArray& bytes);

    Ref root() const { return m_top; }
    std::optional<Object> object(Ref ref) const;
    // The index-th element of an array, or key (index < count) and value (count + index) of a dictionary.
    std::optional<Ref> element(const Object& container, std::uint64_t index) const;

    // Texts without NUL characters and, for UTF-16, with valid surrogate pairs.
    std::optional<QString> string(Ref ref) const;
    // Whether the object is an ASCII text equal to `text`.
    bool isAscii(Ref ref, QLatin1StringView text) const;
    // 1-, 2- and 4-byte integers unsigned, 8-byte ones signed.
    std::optional<std::int64_t> integer(Ref ref) const;
    // Reals only, and only finite ones.
    std::optional<double> real(Ref ref) const;

    // The values of a record: a dictionary holding each of `keys` exactly once, given in the order of
    // `keys`; other keys are passed over. None when the object is no dictionary, a key is anything but
    // a plain ASCII text, or one of `keys` is missing or stands twice.
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

} // namespace ThermionKit
