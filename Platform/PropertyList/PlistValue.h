#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <variant>
#include <vector>

namespace Platform {

// One property-list value: text, signed or unsigned integer, real, boolean, data, date, array or a
// text-keyed dictionary. A default-constructed value is "none" (absent). Values are plain data:
// copyable, comparable, safe to read from any type (a read of the wrong type gives no value).
class PlistValue {
public:
    enum class Type { None, String, Integer, Unsigned, Real, Boolean, Data, Date, Array, Dictionary };
    using ArrayType = std::vector<PlistValue>;
    using DictionaryType = std::map<QString, PlistValue>;

    PlistValue() = default;
    PlistValue(const QString& text) : m_value(text) {}
    PlistValue(const char* text) : m_value(QString::fromUtf8(text)) {}
    PlistValue(std::int64_t number) : m_value(number) {}
    PlistValue(int number) : m_value(std::int64_t(number)) {}
    PlistValue(std::uint64_t number) : m_value(number) {}
    // long long and unsigned long long are distinct from std::int64_t and std::uint64_t (long and
    // unsigned long here); qint64 and quint64 are the former.
    PlistValue(long long number) : m_value(std::int64_t(number)) {}
    PlistValue(unsigned long long number) : m_value(std::uint64_t(number)) {}
    PlistValue(unsigned int number) : m_value(std::int64_t(number)) {}
    PlistValue(double number) : m_value(number) {}
    PlistValue(bool flag) : m_value(flag) {}
    PlistValue(const QByteArray& bytes) : m_value(bytes) {}
    PlistValue(const QDateTime& date) : m_value(date) {}
    PlistValue(ArrayType items) : m_value(std::move(items)) {}
    PlistValue(DictionaryType entries) : m_value(std::move(entries)) {}

    Type type() const { return Type(m_value.index()); }
    bool isNone() const { return type() == Type::None; }
    bool isNumber() const { return type() == Type::Integer || type() == Type::Unsigned || type() == Type::Real; }

    std::optional<QString> toString() const;
    std::optional<bool> toBool() const;
    std::optional<QByteArray> toData() const;
    std::optional<QDateTime> toDate() const;
    const ArrayType* toArray() const;
    const DictionaryType* toDictionary() const;

    // Numbers. The exact conversions give a value only when the stored number is representable
    // without loss (an integral real within range counts); the truncating ones cut a real toward
    // zero and a wider integer to the target's range check. NaN, infinity and out-of-range
    // numbers give no value in every conversion.
    std::optional<double> toDouble() const;
    // A real as it is stored, not-a-number and infinities included; none for every other type.
    std::optional<double> toReal() const;
    std::optional<std::int64_t> toInt64() const;
    std::optional<std::uint64_t> toUInt64() const;
    std::optional<std::int64_t> toInt64Truncating() const;
    std::optional<std::uint64_t> toUInt64Truncating() const;
    // The low 32 bits of an integer, as a counter of that width carries them.
    std::optional<std::uint32_t> toUInt32Bits() const;

    // Dictionary lookup; none when this is not a dictionary or the key is absent.
    const PlistValue& operator[](const QString& key) const;
    const PlistValue& value(const QString& key) const { return (*this)[key]; }
    bool contains(const QString& key) const;

    bool operator==(const PlistValue& other) const = default;

    // Decoding and encoding read and write binary and XML property lists with readers and writers of
    // the project's own, each in time and memory linear in what it reads and writes (a few tens of
    // milliseconds for a list of some megabytes; an object shared by many places of a binary list is
    // read once, and written once in binary form). Malformed, truncated or hostile input gives no
    // value: structures nested deeper than kMaxDepth (the outermost value at depth 0), lists of more
    // than kMaxElements values (keys included) or more than kMaxDecodedBytes of texts and keys (two
    // bytes a UTF-16 unit) and data, shared objects of a binary list counted at each of their places;
    // texts or keys holding a NUL character, a key that stands twice in a dictionary, integers beyond
    // the 64-bit range (below -2^63 or above 2^64 - 1), dates outside the format's range (about 1933
    // to 2069), sets and UIDs. Texts are kept as they are stored, every U+FEFF (leading ones too) and
    // every CR included; a shared text or data object is one shared value at each place.
    // Integers decode signed, except one stored as a number from 2^63 to 2^64 - 1 (16 bytes in binary
    // form, a number that large in XML), which decodes as Unsigned.
    // What the encoders write, decode reads back equal, but for what the formats do not keep:
    // - an Integer is written signed and reads back as itself, from -2^63 to 2^63 - 1; an Unsigned value
    //   up to 2^63 - 1 is written as that number and reads back as an Integer, one from 2^63 on is
    //   written in 16 bytes (binary) or as its decimal number (XML) and reads back as Unsigned;
    // - a date is clamped to the format's range (a date past its last second, by however little, is
    //   written as that second; one before its first second as that second) and kept to the millisecond
    //   in binary form and to the second it lies in in XML (before 2001 as after it);
    // - XML writes a real that is not a number as "nan", without its sign or payload (a zero keeps its
    //   sign), and characters XML 1.0 has no place for (control characters other than tab, line feed
    //   and CR; U+FFFE, U+FFFF) as they are: decode reads them back, a strict XML reader refuses them;
    // - None values and invalid dates inside arrays and dictionaries are left out (a dictionary's key
    //   with them);
    // - a lone surrogate in a text or key is written as '?'.
    // Encoding gives empty bytes (writes nothing) for a none value or invalid date, and for a value
    // decode would not give back: one nested too deep or holding too many values or bytes (counted as
    // above, of what is written), a text or key that is written holding a NUL character, and a
    // dictionary two of whose keys are one key once their lone surrogates are written as '?'.
    static constexpr int kMaxDepth = 512;
    static constexpr std::size_t kMaxElements = 100'000;
    static constexpr std::uint64_t kMaxDecodedBytes = 32 * 1024 * 1024;
    // Dates count seconds from 2001-01-01 (this many seconds after 1970-01-01), and a date may lie as
    // many seconds from it as 32 bits hold.
    static constexpr std::int64_t kDateEpochOffset = 978307200;
    static constexpr std::int64_t kMinDateSeconds = -2147483648LL;
    static constexpr std::int64_t kMaxDateSeconds = 2147483647LL;
    static std::optional<PlistValue> decode(const QByteArray& bytes);
    QByteArray encodeBinary() const;
    QByteArray encodeXml() const;

private:
    std::variant<std::monostate, QString, std::int64_t, std::uint64_t, double, bool, QByteArray, QDateTime,
                 ArrayType, DictionaryType>
        m_value;
};

} // namespace Platform
