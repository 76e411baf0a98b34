#include "Platform/PlistValue.h"

#include <cmath>
#include <limits>

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

} // namespace Platform
