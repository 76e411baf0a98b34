#pragma once

// What the fuzz programs over property lists share: what a value reads back as once it is written in
// either form, by the rules PlistValue's writers document, and a comparison of values in which any real
// that is not a number equals any other.

#include "Platform/PropertyList/PlistValue.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace PlistForms {

using Platform::PlistValue;

enum class Form { binary, xml };

// A date as the form keeps it: clamped to the range, and in XML to its whole second (the milliseconds
// dropped, before 2001 as after it).
inline QDateTime writtenDate(const QDateTime& date, Form form)
{
    constexpr std::int64_t lowest = (PlistValue::kDateEpochOffset + PlistValue::kMinDateSeconds) * 1000;
    constexpr std::int64_t highest = (PlistValue::kDateEpochOffset + PlistValue::kMaxDateSeconds) * 1000;
    std::int64_t msecs = std::clamp<std::int64_t>(date.toMSecsSinceEpoch(), lowest, highest);
    if (form == Form::xml)
        msecs -= (msecs % 1000 + 1000) % 1000;
    return QDateTime::fromMSecsSinceEpoch(msecs, QTimeZone::utc());
}

// What `value` reads back as once written in `form`; none where the writer leaves it out (a none value,
// an invalid date). Texts and keys are cut at their first NUL, and of the keys that are then the same
// the last one (in the dictionary's order) whose value is not left out keeps its value; an unsigned
// number is its 64 bits, read back signed; dates as writtenDate.
inline std::optional<PlistValue> written(const PlistValue& value, Form form)
{
    const auto cut = [](const QString& text) {
        const qsizetype nul = text.indexOf(QChar(0));
        return nul < 0 ? text : text.left(nul);
    };
    switch (value.type()) {
    case PlistValue::Type::None:
        return std::nullopt;
    case PlistValue::Type::String:
        return PlistValue(cut(*value.toString()));
    case PlistValue::Type::Unsigned:
        return PlistValue(std::int64_t(*value.toUInt64()));
    case PlistValue::Type::Date:
        if (!value.toDate()->isValid())
            return std::nullopt;
        return PlistValue(writtenDate(*value.toDate(), form));
    case PlistValue::Type::Array: {
        PlistValue::ArrayType items;
        for (const PlistValue& item : *value.toArray()) {
            if (auto kept = written(item, form))
                items.push_back(std::move(*kept));
        }
        return PlistValue(std::move(items));
    }
    case PlistValue::Type::Dictionary: {
        PlistValue::DictionaryType entries;
        for (const auto& [key, item] : *value.toDictionary()) {
            if (auto kept = written(item, form))
                entries[cut(key)] = std::move(*kept);
        }
        return PlistValue(std::move(entries));
    }
    default:
        return value;
    }
}

// What the decoder counts of a value: how deep it nests (the outermost value at 0), its values and keys,
// and the bytes of its texts and keys (two a UTF-16 unit) and data.
struct Size {
    int depth = 0;
    std::uint64_t nodes = 0;
    std::uint64_t bytes = 0;
};

inline void measure(const PlistValue& value, int depth, Size& size)
{
    size.depth = std::max(size.depth, depth);
    ++size.nodes;
    if (const auto text = value.toString())
        size.bytes += std::uint64_t(text->size()) * 2;
    else if (const auto data = value.toData())
        size.bytes += std::uint64_t(data->size());
    else if (const auto* items = value.toArray()) {
        for (const PlistValue& item : *items)
            measure(item, depth + 1, size);
    } else if (const auto* entries = value.toDictionary()) {
        for (const auto& [key, item] : *entries) {
            ++size.nodes;
            size.bytes += std::uint64_t(key.size()) * 2;
            measure(item, depth + 1, size);
        }
    }
}

// Whether the decoder takes a value of this size.
inline bool withinBounds(const PlistValue& value)
{
    Size size;
    measure(value, 0, size);
    return size.depth <= PlistValue::kMaxDepth && size.nodes <= PlistValue::kMaxElements
        && size.bytes <= PlistValue::kMaxDecodedBytes;
}

// Equal values, any real that is not a number equal to any other; with `zeroSign`, a zero's sign counts
// as well.
inline bool same(const PlistValue& a, const PlistValue& b, bool zeroSign)
{
    if (a.type() != b.type())
        return false;
    switch (a.type()) {
    case PlistValue::Type::Real: {
        const double x = *a.toReal();
        const double y = *b.toReal();
        if (std::isnan(x) || std::isnan(y))
            return std::isnan(x) && std::isnan(y);
        return zeroSign ? std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y) : x == y;
    }
    case PlistValue::Type::Array: {
        const auto& x = *a.toArray();
        const auto& y = *b.toArray();
        return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                          [&](const PlistValue& i, const PlistValue& j) { return same(i, j, zeroSign); });
    }
    case PlistValue::Type::Dictionary: {
        const auto& x = *a.toDictionary();
        const auto& y = *b.toDictionary();
        return std::equal(x.begin(), x.end(), y.begin(), y.end(), [&](const auto& i, const auto& j) {
            return i.first == j.first && same(i.second, j.second, zeroSign);
        });
    }
    default:
        return a == b;
    }
}

} // namespace PlistForms
