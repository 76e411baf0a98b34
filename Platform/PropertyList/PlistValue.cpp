#include "Platform/PropertyList/PlistValue.h"

#include "Platform/PropertyList/BinaryPlistView.h"
#include "Platform/PropertyList/PlistBinaryWriter.h"
#include "Platform/PropertyList/PlistDate.h"
#include "Platform/PropertyList/PlistStructureCheck.h"
#include "Platform/PropertyList/PlistXmlWriter.h"
#include "Platform/PropertyList/XmlPlistReader.h"

#include <cmath>
#include <limits>
#include <unordered_map>

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

namespace {

// Inputs beyond this size are refused before parsing.
constexpr qsizetype kMaxInputSize = 256 * 1024 * 1024;

// The decoder of binary lists, over lists the structure check accepted: each text and data object is
// read once and shared by every place that refers to it.
class BinaryDecoder {
public:
    BinaryDecoder(const QByteArray& bytes, const BinaryPlistView& view) : m_bytes(bytes), m_view(view) {}

    std::optional<PlistValue> value(BinaryPlistView::Ref ref, int depth)
    {
        using Kind = BinaryPlistView::Kind;
        const auto object = m_view.object(ref);
        // The structure check refused every list nested deeper than kMaxDepth (the outermost value at
        // depth 0, as the XML reader and the writers count); the same bound here keeps the recursion
        // bounded on its own.
        if (!object || depth > PlistValue::kMaxDepth)
            return std::nullopt;
        switch (object->kind) {
        case Kind::integer: {
            if (const auto beyondSigned = m_view.unsignedBeyondSigned(*object))
                return PlistValue(*beyondSigned);
            const auto number = m_view.integer(*object);
            return number ? std::optional<PlistValue>(PlistValue(*number)) : std::nullopt;
        }
        case Kind::real: {
            const auto number = m_view.real(*object);
            return number ? std::optional<PlistValue>(PlistValue(*number)) : std::nullopt;
        }
        case Kind::date: {
            const auto seconds = m_view.dateSeconds(*object);
            if (!seconds || !std::isfinite(*seconds))
                return std::nullopt;
            const std::int64_t msecs = PlistValue::kDateEpochOffset * 1000 + std::llround(*seconds * 1000.0);
            return PlistValue(PlistDate::fromMSecsSinceEpoch(msecs));
        }
        case Kind::string:
        case Kind::data:
            return shared(ref, *object);
        case Kind::array: {
            PlistValue::ArrayType items;
            items.reserve(std::size_t(object->count));
            for (std::uint64_t i = 0; i < object->count; ++i) {
                const auto element = m_view.element(*object, i);
                auto item = element ? value(*element, depth + 1) : std::nullopt;
                if (!item)
                    return std::nullopt;
                items.push_back(std::move(*item));
            }
            return PlistValue(std::move(items));
        }
        case Kind::dictionary: {
            PlistValue::DictionaryType entries;
            for (std::uint64_t i = 0; i < object->count; ++i) {
                const auto keyRef = m_view.element(*object, i);
                const auto valueRef = m_view.element(*object, object->count + i);
                const auto keyObject = keyRef ? m_view.object(*keyRef) : std::nullopt;
                if (!valueRef || !keyObject || keyObject->kind != Kind::string)
                    return std::nullopt;
                auto key = shared(*keyRef, *keyObject);
                auto item = key ? value(*valueRef, depth + 1) : std::nullopt;
                // A key that stands twice is refused, as the readers of records refuse it.
                if (!item || !entries.emplace(*key->toString(), std::move(*item)).second)
                    return std::nullopt;
            }
            return PlistValue(std::move(entries));
        }
        case Kind::other:
            if (object->type == 0 && (object->info == 0x8 || object->info == 0x9))
                return PlistValue(object->info == 0x9);
            return std::nullopt;
        case Kind::set:
            break;
        }
        return std::nullopt;
    }

private:
    std::optional<PlistValue> shared(BinaryPlistView::Ref ref, const BinaryPlistView::Object& object)
    {
        if (const auto known = m_read.find(ref); known != m_read.end())
            return known->second;
        std::optional<PlistValue> read;
        if (object.kind == BinaryPlistView::Kind::data) {
            read = PlistValue(QByteArray(m_bytes.constData() + object.payload, qsizetype(object.count)));
        } else if (auto text = m_view.string(object)) {
            read = PlistValue(*text);
        }
        if (read)
            m_read.emplace(ref, *read);
        return read;
    }

    const QByteArray& m_bytes;
    const BinaryPlistView& m_view;
    std::unordered_map<BinaryPlistView::Ref, PlistValue> m_read;
};

} // namespace

std::optional<PlistValue> PlistValue::decode(const QByteArray& bytes)
{
    if (bytes.isEmpty() || bytes.size() > kMaxInputSize)
        return std::nullopt;
    if (!bytes.startsWith("bplist00"))
        return XmlPlistReader::read(bytes, kMaxDepth, kMaxElements, kMaxDecodedBytes);
    if (!PlistStructureCheck::accepts(bytes, kMaxDepth, kMaxElements, kMaxDecodedBytes))
        return std::nullopt;
    const auto view = BinaryPlistView::open(bytes);
    if (!view)
        return std::nullopt;
    return BinaryDecoder(bytes, *view).value(view->root(), 0);
}

QByteArray PlistValue::encodeBinary() const
{
    return PlistBinaryWriter::write(*this);
}

QByteArray PlistValue::encodeXml() const
{
    return PlistXmlWriter::write(*this);
}

} // namespace Platform
