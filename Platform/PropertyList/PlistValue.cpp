#include "Platform/PropertyList/PlistValue.h"

#include "Platform/PropertyList/PlistStructureCheck.h"

#include <plist/plist.h>

#include <locale.h>

#include <QTimeZone>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>

namespace Platform {

namespace {
const PlistValue& noneValue()
{
    static const PlistValue none;
    return none;
}

// 2^63 and 2^64 as doubles: a finite double d fits int64 when -2^63 <= d < 2^63.
constexpr double kTwo63 = 9223372036854775808.0;
constexpr double kTwo64 = 18446744073709551616.0;
} // namespace

std::optional<QString> PlistValue::toString() const
{
    if (const auto* text = std::get_if<QString>(&m_value))
        return *text;
    return std::nullopt;
}

std::optional<bool> PlistValue::toBool() const
{
    if (const auto* flag = std::get_if<bool>(&m_value))
        return *flag;
    return std::nullopt;
}

std::optional<QByteArray> PlistValue::toData() const
{
    if (const auto* bytes = std::get_if<QByteArray>(&m_value))
        return *bytes;
    return std::nullopt;
}

std::optional<QDateTime> PlistValue::toDate() const
{
    if (const auto* date = std::get_if<QDateTime>(&m_value))
        return *date;
    return std::nullopt;
}

const PlistValue::ArrayType* PlistValue::toArray() const
{
    return std::get_if<ArrayType>(&m_value);
}

const PlistValue::DictionaryType* PlistValue::toDictionary() const
{
    return std::get_if<DictionaryType>(&m_value);
}

std::optional<double> PlistValue::toDouble() const
{
    if (const auto* i = std::get_if<std::int64_t>(&m_value))
        return double(*i);
    if (const auto* u = std::get_if<std::uint64_t>(&m_value))
        return double(*u);
    if (const auto* d = std::get_if<double>(&m_value)) {
        if (std::isfinite(*d))
            return *d;
    }
    return std::nullopt;
}

std::optional<double> PlistValue::toReal() const
{
    if (const auto* d = std::get_if<double>(&m_value))
        return *d;
    return std::nullopt;
}

std::optional<std::int64_t> PlistValue::toInt64() const
{
    if (const auto* i = std::get_if<std::int64_t>(&m_value))
        return *i;
    if (const auto* u = std::get_if<std::uint64_t>(&m_value)) {
        if (*u <= std::uint64_t(std::numeric_limits<std::int64_t>::max()))
            return std::int64_t(*u);
        return std::nullopt;
    }
    if (const auto* d = std::get_if<double>(&m_value)) {
        if (std::isfinite(*d) && *d >= -kTwo63 && *d < kTwo63 && std::trunc(*d) == *d)
            return std::int64_t(*d);
    }
    return std::nullopt;
}

std::optional<std::uint64_t> PlistValue::toUInt64() const
{
    if (const auto* i = std::get_if<std::int64_t>(&m_value)) {
        if (*i >= 0)
            return std::uint64_t(*i);
        return std::nullopt;
    }
    if (const auto* u = std::get_if<std::uint64_t>(&m_value))
        return *u;
    if (const auto* d = std::get_if<double>(&m_value)) {
        if (std::isfinite(*d) && *d >= 0 && *d < kTwo64 && std::trunc(*d) == *d)
            return std::uint64_t(*d);
    }
    return std::nullopt;
}

std::optional<std::int64_t> PlistValue::toInt64Truncating() const
{
    if (const auto* d = std::get_if<double>(&m_value)) {
        if (!std::isfinite(*d))
            return std::nullopt;
        const double t = std::trunc(*d);
        if (t >= -kTwo63 && t < kTwo63)
            return std::int64_t(t);
        return std::nullopt;
    }
    return toInt64();
}

std::optional<std::uint64_t> PlistValue::toUInt64Truncating() const
{
    if (const auto* d = std::get_if<double>(&m_value)) {
        if (!std::isfinite(*d))
            return std::nullopt;
        const double t = std::trunc(*d);
        if (t >= 0 && t < kTwo64)
            return std::uint64_t(t);
        return std::nullopt;
    }
    return toUInt64();
}

std::optional<std::uint32_t> PlistValue::toUInt32Bits() const
{
    if (const auto* i = std::get_if<std::int64_t>(&m_value))
        return std::uint32_t(std::uint64_t(*i) & 0xffffffffu);
    if (const auto* u = std::get_if<std::uint64_t>(&m_value))
        return std::uint32_t(*u & 0xffffffffu);
    return std::nullopt;
}

const PlistValue& PlistValue::operator[](const QString& key) const
{
    if (const auto* dict = toDictionary()) {
        auto it = dict->find(key);
        if (it != dict->end())
            return it->second;
    }
    return noneValue();
}

bool PlistValue::contains(const QString& key) const
{
    const auto* dict = toDictionary();
    return dict && dict->count(key) != 0;
}

struct PlistValueAccess {
    static double real(const PlistValue& value) { return std::get<double>(value.m_value); }
};

namespace {

// Seconds from 1970-01-01 to 2001-01-01, the epoch of property-list dates.
constexpr std::int64_t kPlistEpochOffset = 978307200;
// Inputs beyond this size are refused before parsing.
constexpr qsizetype kMaxInputSize = 256 * 1024 * 1024;

// libplist reads and writes the numbers of XML property lists with the C library, which follows the
// numeric locale that the toolkit takes from the environment at start: under a German locale "0.5"
// would read as 0 and 0.5 would be written "0,5". Property lists always use ".", so each call into the
// library runs with the C locale made current for its thread.
class CNumericLocale {
public:
    CNumericLocale() : m_previous(c() ? ::uselocale(c()) : locale_t(0)) {}
    ~CNumericLocale()
    {
        if (m_previous)
            ::uselocale(m_previous);
    }
    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;

private:
    static locale_t c()
    {
        static const locale_t locale = ::newlocale(LC_ALL_MASK, "C", locale_t(0));
        return locale;
    }
    locale_t m_previous;
};

struct PlistDeleter {
    void operator()(void* node) const { plist_free(node); }
};
using PlistHandle = std::unique_ptr<void, PlistDeleter>;

// Whether a date node lies before the epoch, for the dates within its last second, where libplist
// hands out no sign: the binary form of the node holds the double itself (marker 0x33, then eight
// big-endian bytes), and its sign bit decides.
bool dateIsNegative(plist_t node)
{
    PlistHandle copy(plist_copy(node));
    char* buffer = nullptr;
    std::uint32_t length = 0;
    plist_to_bin(copy.get(), &buffer, &length);
    bool negative = false;
    if (buffer && length > 9 && static_cast<unsigned char>(buffer[8]) == 0x33)
        negative = (static_cast<unsigned char>(buffer[9]) & 0x80) != 0;
    if (buffer)
        plist_to_bin_free(buffer);
    return negative;
}

// What the structure check found, which tells when a node needs a closer look, and how many closer
// looks were taken: each costs a few microseconds, so a list that would need more is refused.
struct DecodeContext {
    PlistStructureCheck::Findings findings;
    std::size_t closerLooks = 0;
    static constexpr std::size_t kMaxCloserLooks = 1000;
    bool mayLookCloser() { return ++closerLooks <= kMaxCloserLooks; }
};

// Whether an integer node was stored as a number from 2^63 on (16 bytes) rather than as a negative
// one (8 bytes): the library keeps the width but hands out only the bits, so the node's binary form
// decides.
bool isUnsignedBeyondSigned(plist_t node)
{
    PlistHandle copy(plist_copy(node));
    char* buffer = nullptr;
    std::uint32_t length = 0;
    plist_to_bin(copy.get(), &buffer, &length);
    const bool wide = buffer && length > 8 && static_cast<unsigned char>(buffer[8]) == 0x14;
    if (buffer)
        plist_to_bin_free(buffer);
    return wide;
}

std::optional<PlistValue> fromNode(plist_t node, int depth, DecodeContext& context)
{
    if (!node || depth > PlistValue::kMaxDepth)
        return std::nullopt;
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        std::uint8_t flag = 0;
        plist_get_bool_val(node, &flag);
        return PlistValue(flag != 0);
    }
    case PLIST_UINT: {
        std::uint64_t number = 0;
        plist_get_uint_val(node, &number);
        // With the top bit set, the number is one of 2^63 or more, stored without a sign, or a
        // negative one; when the list holds both kinds, the node's width tells them apart.
        if ((number >> 63) == 0 || !context.findings.unsignedBeyondSigned)
            return PlistValue(std::int64_t(number));
        if (!context.findings.negativeInteger)
            return PlistValue(number);
        if (!context.mayLookCloser())
            return std::nullopt;
        if (isUnsignedBeyondSigned(node))
            return PlistValue(number);
        return PlistValue(std::int64_t(number));
    }
    case PLIST_UID: {
        std::uint64_t number = 0;
        plist_get_uid_val(node, &number);
        return PlistValue(number);
    }
    case PLIST_REAL: {
        double number = 0;
        plist_get_real_val(node, &number);
        return PlistValue(number);
    }
    case PLIST_STRING:
    case PLIST_KEY: {
        std::uint64_t length = 0;
        const char* text = plist_get_string_ptr(node, &length);
        if (!text)
            return PlistValue(QString());
        return PlistValue(QString::fromUtf8(text, qsizetype(length)));
    }
    case PLIST_DATA: {
        std::uint64_t length = 0;
        const char* bytes = plist_get_data_ptr(node, &length);
        return PlistValue(bytes ? QByteArray(bytes, qsizetype(length)) : QByteArray());
    }
    case PLIST_DATE: {
        std::int32_t seconds = 0;
        std::int32_t microseconds = 0;
        plist_get_date_val(node, &seconds, &microseconds);
        // libplist keeps a double and hands out its whole seconds cut toward zero and the fraction
        // without its sign (-4.5 comes out as -4 and 500000, -0.75 as 0 and 750000) and cut to the
        // microsecond below (100.999 as 998999).
        std::int64_t fraction = std::abs(std::int64_t(microseconds));
        bool negative = seconds < 0;
        if (seconds == 0 && fraction != 0 && context.findings.negativeDateWithinASecond) {
            if (!context.findings.positiveDateWithinASecond) {
                negative = true;
            } else {
                if (!context.mayLookCloser())
                    return std::nullopt;
                negative = dateIsNegative(node);
            }
        }
        if (negative)
            fraction = -fraction;
        const std::int64_t micros = std::int64_t(seconds) * 1000000 + fraction;
        const std::int64_t msecs = kPlistEpochOffset * 1000 + std::llround(double(micros) / 1000.0);
        return PlistValue(QDateTime::fromMSecsSinceEpoch(msecs, QTimeZone::utc()));
    }
    case PLIST_ARRAY: {
        // The library finds the i-th item by walking from the first: the items are walked in turn.
        PlistValue::ArrayType items;
        items.reserve(plist_array_get_size(node));
        plist_array_iter iter = nullptr;
        plist_array_new_iter(node, &iter);
        if (!iter)
            return std::nullopt;
        bool ok = true;
        for (;;) {
            plist_t item = nullptr;
            plist_array_next_item(node, iter, &item);
            if (!item)
                break;
            auto value = fromNode(item, depth + 1, context);
            if (!value) {
                ok = false;
                break;
            }
            items.push_back(std::move(*value));
        }
        std::free(iter);
        if (!ok)
            return std::nullopt;
        return PlistValue(std::move(items));
    }
    case PLIST_DICT: {
        PlistValue::DictionaryType entries;
        plist_dict_iter iter = nullptr;
        plist_dict_new_iter(node, &iter);
        if (!iter)
            return std::nullopt;
        bool ok = true;
        for (;;) {
            char* key = nullptr;
            plist_t item = nullptr;
            plist_dict_next_item(node, iter, &key, &item);
            if (!item) {
                std::free(key);
                break;
            }
            auto value = key ? fromNode(item, depth + 1, context) : std::nullopt;
            if (!value) {
                std::free(key);
                ok = false;
                break;
            }
            entries.insert_or_assign(QString::fromUtf8(key), std::move(*value));
            std::free(key);
        }
        std::free(iter);
        if (!ok)
            return std::nullopt;
        return PlistValue(std::move(entries));
    }
    case PLIST_NONE:
        break;
    }
    return std::nullopt;
}

// Builds the libplist tree of a value; none (and an invalid date) gives null. A structure nested
// deeper than kMaxDepth sets `tooDeep` and gives null.
plist_t toNode(const PlistValue& value, int depth, bool& tooDeep)
{
    if (depth > PlistValue::kMaxDepth) {
        tooDeep = true;
        return nullptr;
    }
    switch (value.type()) {
    case PlistValue::Type::None:
        return nullptr;
    case PlistValue::Type::String:
        return plist_new_string(value.toString()->toUtf8().constData());
    case PlistValue::Type::Integer:
        return plist_new_uint(std::uint64_t(*value.toInt64Truncating()));
    case PlistValue::Type::Unsigned:
        return plist_new_uint(*value.toUInt64());
    case PlistValue::Type::Real: {
        // toDouble() refuses non-finite numbers; the format stores them all the same.
        double number = 0;
        if (auto d = value.toDouble())
            number = *d;
        else if (auto t = value.toInt64Truncating())
            number = double(*t);
        else
            number = PlistValueAccess::real(value);
        return plist_new_real(number);
    }
    case PlistValue::Type::Boolean:
        return plist_new_bool(*value.toBool() ? 1 : 0);
    case PlistValue::Type::Data: {
        const QByteArray bytes = *value.toData();
        return plist_new_data(bytes.constData(), std::uint64_t(bytes.size()));
    }
    case PlistValue::Type::Date: {
        const QDateTime date = *value.toDate();
        if (!date.isValid())
            return nullptr;
        const std::int64_t msecs = date.toMSecsSinceEpoch() - kPlistEpochOffset * 1000;
        std::int64_t seconds = msecs / 1000;
        std::int64_t micro = (msecs % 1000) * 1000;
        if (micro < 0) {
            micro += 1000000;
            seconds -= 1;
        }
        if (seconds > std::numeric_limits<std::int32_t>::max()) {
            seconds = std::numeric_limits<std::int32_t>::max();
            micro = 0;
        } else if (seconds < std::numeric_limits<std::int32_t>::min()) {
            seconds = std::numeric_limits<std::int32_t>::min();
            micro = 0;
        }
        return plist_new_date(std::int32_t(seconds), std::int32_t(micro));
    }
    case PlistValue::Type::Array: {
        plist_t array = plist_new_array();
        for (const PlistValue& item : *value.toArray()) {
            if (plist_t node = toNode(item, depth + 1, tooDeep))
                plist_array_append_item(array, node);
            else if (tooDeep)
                break;
        }
        if (tooDeep) {
            plist_free(array);
            return nullptr;
        }
        return array;
    }
    case PlistValue::Type::Dictionary: {
        plist_t dict = plist_new_dict();
        for (const auto& [key, item] : *value.toDictionary()) {
            if (plist_t node = toNode(item, depth + 1, tooDeep))
                plist_dict_set_item(dict, key.toUtf8().constData(), node);
            else if (tooDeep)
                break;
        }
        if (tooDeep) {
            plist_free(dict);
            return nullptr;
        }
        return dict;
    }
    }
    return nullptr;
}

// The value written by one of the library's writers (binary or XML), whose buffer `release` frees;
// empty when the value cannot be written.
template <typename Write, typename Release>
QByteArray encoded(const PlistValue& value, Write write, Release release)
{
    const CNumericLocale cLocale;
    bool tooDeep = false;
    PlistHandle root(toNode(value, 0, tooDeep));
    if (!root)
        return {};
    char* buffer = nullptr;
    std::uint32_t length = 0;
    write(root.get(), &buffer, &length);
    QByteArray bytes = buffer ? QByteArray(buffer, qsizetype(length)) : QByteArray();
    if (buffer)
        release(buffer);
    return bytes;
}

} // namespace

std::optional<PlistValue> PlistValue::decode(const QByteArray& bytes)
{
    if (bytes.isEmpty() || bytes.size() > kMaxInputSize)
        return std::nullopt;
    DecodeContext context;
    if (!PlistStructureCheck::accepts(bytes, kMaxDepth, kMaxElements, &context.findings))
        return std::nullopt;
    const CNumericLocale cLocale;
    plist_t root = nullptr;
    plist_from_memory(bytes.constData(), std::uint32_t(bytes.size()), &root);
    PlistHandle handle(root);
    if (!root)
        return std::nullopt;
    return fromNode(root, 0, context);
}

QByteArray PlistValue::encodeBinary() const
{
    return encoded(*this, plist_to_bin, plist_to_bin_free);
}

QByteArray PlistValue::encodeXml() const
{
    return encoded(*this, plist_to_xml, plist_to_xml_free);
}

} // namespace Platform
