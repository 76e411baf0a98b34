#pragma once

// What the fuzz programs over property lists share: what a value reads back as once it is written in
// either form, by the rules PlistValue's writers document, and a comparison of values that may take any
// real that is not a number for any other.

#include "Platform/PropertyList/PlistValue.h"

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <QTimeZone>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace PlistForms {

using Platform::PlistValue;

enum class Form { binary, xml };

// The largest XML form a program writes and reads back. XML spells a shared text or data block out
// at each of its places, so that a binary list of some kilobytes may take tens of megabytes as XML (a
// text of 4,096 '&' at 4,096 places: 84 MB), whose reading alone would take an input seconds under the
// sanitizers. The writer counts its size before it writes; an XML form larger than this is left out.
inline constexpr std::uint64_t kMaxXmlRoundTrip = 4 * 1024 * 1024;

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

// What a value reads back as once written in `form`, by the writers' rules:
// - none values and invalid dates are left out of arrays and dictionaries (a dictionary's key with
//   them); as the outermost value they write nothing;
// - an Integer reads back as itself; an Unsigned number up to 2^63 - 1 as an Integer of that value, one
//   from 2^63 on as itself;
// - a real reads back as itself, bit for bit in binary form; in XML a NaN as a NaN (its sign and payload
//   lost), every other real as itself, a zero with its sign;
// - a date as writtenDate;
// - a lone surrogate in a text or key reads back as '?';
// - nothing at all is written (the value is refused) when a text or key that is written holds a NUL,
//   or when two keys of a dictionary are one key once their lone surrogates are '?'.
// The decoder's bounds (withinBounds) apply to what is written: a value past one is refused as well.
struct Written {
    bool refused = false;
    std::optional<PlistValue> value; // none when left out or refused
};

// A text or key as written: lone surrogates as '?'; none when it holds a NUL.
inline std::optional<QString> writtenText(const QString& text)
{
    // Most texts hold no NUL and surrogates only in pairs: the toolkit tells at once, and the text
    // stays as it is, shared (a text at thousands of places is neither walked through by this
    // program's instrumented code nor copied at each).
    if (!text.contains(QChar(0)) && QStringView(text).isValidUtf16())
        return text;
    QString result = text;
    const QChar* units = text.constData();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = units[i];
        if (c.unicode() == 0)
            return std::nullopt;
        if (c.isHighSurrogate() && i + 1 < text.size() && units[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            result[i] = QLatin1Char('?');
    }
    return result;
}

inline std::optional<PlistValue> written(const PlistValue& value, Form form, bool& refused)
{
    switch (value.type()) {
    case PlistValue::Type::None:
        return std::nullopt;
    case PlistValue::Type::String: {
        auto text = writtenText(*value.toString());
        refused = refused || !text;
        return text ? std::optional<PlistValue>(PlistValue(*text)) : std::nullopt;
    }
    case PlistValue::Type::Unsigned:
        if (const auto number = value.toInt64())
            return PlistValue(*number);
        return value;
    case PlistValue::Type::Date:
        if (!value.toDate()->isValid())
            return std::nullopt;
        return PlistValue(writtenDate(*value.toDate(), form));
    case PlistValue::Type::Array: {
        PlistValue::ArrayType items;
        for (const PlistValue& item : *value.toArray()) {
            if (auto kept = written(item, form, refused))
                items.push_back(std::move(*kept));
        }
        return PlistValue(std::move(items));
    }
    case PlistValue::Type::Dictionary: {
        PlistValue::DictionaryType entries;
        for (const auto& [key, item] : *value.toDictionary()) {
            auto kept = written(item, form, refused);
            if (!kept)
                continue;
            const auto text = writtenText(key);
            if (!text || !entries.emplace(*text, std::move(*kept)).second)
                refused = true;
        }
        return PlistValue(std::move(entries));
    }
    default:
        return value;
    }
}

inline Written written(const PlistValue& value, Form form)
{
    Written result;
    auto kept = written(value, form, result.refused);
    if (!result.refused)
        result.value = std::move(kept);
    return result;
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

// Equal values, reals bit for bit (a zero's sign counts); with `nanPayload` false, any real that is not
// a number equals any other.
inline bool same(const PlistValue& a, const PlistValue& b, bool nanPayload)
{
    if (a.type() != b.type())
        return false;
    switch (a.type()) {
    case PlistValue::Type::Real: {
        const double x = *a.toReal();
        const double y = *b.toReal();
        if (!nanPayload && (std::isnan(x) || std::isnan(y)))
            return std::isnan(x) && std::isnan(y);
        return std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y);
    }
    case PlistValue::Type::Array: {
        const auto& x = *a.toArray();
        const auto& y = *b.toArray();
        return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                          [&](const PlistValue& i, const PlistValue& j) { return same(i, j, nanPayload); });
    }
    case PlistValue::Type::Dictionary: {
        const auto& x = *a.toDictionary();
        const auto& y = *b.toDictionary();
        return std::equal(x.begin(), x.end(), y.begin(), y.end(), [&](const auto& i, const auto& j) {
            return i.first == j.first && same(i.second, j.second, nanPayload);
        });
    }
    default:
        return a == b;
    }
}

} // namespace PlistForms
