#include "Platform/PropertyList/PlistValue.h"

#include "Platform/PropertyList/BinaryPlistView.h"
#include "Platform/PropertyList/PlistDate.h"
#include "Platform/PropertyList/PlistStructureCheck.h"
#include "Platform/PropertyList/XmlPlistReader.h"

#include <plist/plist.h>

#include <locale.h>

#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
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

// libplist writes the numbers of XML property lists with the C library, which follows the numeric
// locale that the toolkit takes from the environment at start: under a German locale 0.5 would be
// written "0,5". Property lists always use ".", so each call into the library runs with the C locale
// made current for its thread.
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

// Builds the libplist tree of a value in one form as the decoder reads it back: none values and invalid
// dates are left out, texts and keys are cut at their first NUL (the library keeps C strings; of keys
// that are then the same, the last one whose value is not left out keeps its value), dates are clamped
// to the range and in XML kept to their second. A value whose tree the decoder would refuse, counted as
// the decoder counts it (nested deeper than kMaxDepth, more than kMaxElements values and keys, more
// than kMaxDecodedBytes of texts, keys and data), gives no tree at all: what is written always reads
// back.
class TreeBuilder {
public:
    enum class Form { binary, xml };
    explicit TreeBuilder(Form form) : m_form(form) {}

    PlistHandle build(const PlistValue& value)
    {
        Size size;
        PlistHandle root(node(value, 0, size));
        return m_refused ? PlistHandle() : std::move(root);
    }

private:
    struct Size {
        std::uint64_t nodes = 0;
        std::uint64_t bytes = 0;
        Size& operator+=(const Size& other)
        {
            nodes += other.nodes;
            bytes += other.bytes;
            return *this;
        }
    };

    // A text up to its first NUL.
    static QString cut(const QString& text)
    {
        const qsizetype nul = text.indexOf(QChar(0));
        return nul < 0 ? text : text.first(nul);
    }

    static bool leftOut(const PlistValue& value)
    {
        return value.isNone() || (value.type() == PlistValue::Type::Date && !value.toDate()->isValid());
    }

    // The node of `value` at `depth`, its size added to `size`; null when it is left out or refused.
    plist_t node(const PlistValue& value, int depth, Size& size)
    {
        if (leftOut(value))
            return nullptr;
        if (depth > PlistValue::kMaxDepth)
            return refuse();
        Size own{1, 0};
        plist_t made = nullptr;
        switch (value.type()) {
        case PlistValue::Type::None:
            return nullptr;
        case PlistValue::Type::String: {
            const QString text = cut(*value.toString());
            own.bytes = std::uint64_t(text.size()) * 2;
            made = plist_new_string(text.toUtf8().constData());
            break;
        }
        case PlistValue::Type::Integer:
            made = plist_new_uint(std::uint64_t(*value.toInt64()));
            break;
        case PlistValue::Type::Unsigned:
            made = plist_new_uint(*value.toUInt64());
            break;
        case PlistValue::Type::Real:
            made = plist_new_real(*value.toReal());
            break;
        case PlistValue::Type::Boolean:
            made = plist_new_bool(*value.toBool() ? 1 : 0);
            break;
        case PlistValue::Type::Data: {
            const QByteArray bytes = *value.toData();
            own.bytes = std::uint64_t(bytes.size());
            made = plist_new_data(bytes.constData(), std::uint64_t(bytes.size()));
            break;
        }
        case PlistValue::Type::Date:
            made = date(*value.toDate());
            break;
        case PlistValue::Type::Array:
            made = plist_new_array();
            for (const PlistValue& item : *value.toArray()) {
                Size itemSize;
                if (plist_t child = node(item, depth + 1, itemSize)) {
                    plist_array_append_item(made, child);
                    own += itemSize;
                } else if (m_refused) {
                    break;
                }
            }
            break;
        case PlistValue::Type::Dictionary: {
            made = plist_new_dict();
            // Keys that are the same once cut stand next to each other in the dictionary's order; of them,
            // only the last one whose value is not left out is written.
            const PlistValue::DictionaryType& entries = *value.toDictionary();
            for (auto it = entries.begin(); it != entries.end() && !m_refused;) {
                const QString key = cut(it->first);
                const PlistValue* kept = nullptr;
                for (; it != entries.end() && cut(it->first) == key; ++it) {
                    if (!leftOut(it->second))
                        kept = &it->second;
                }
                Size entry{1, std::uint64_t(key.size()) * 2};
                if (plist_t child = kept ? node(*kept, depth + 1, entry) : nullptr) {
                    plist_dict_set_item(made, key.toUtf8().constData(), child);
                    own += entry;
                }
            }
            break;
        }
        }
        if (m_refused || own.nodes > PlistValue::kMaxElements || own.bytes > PlistValue::kMaxDecodedBytes) {
            plist_free(made);
            return refuse();
        }
        size += own;
        return made;
    }

    // A date's seconds from 2001 and their fraction, clamped to the range at both ends (a date past its
    // last second, by however little, is its last second); in XML whole seconds, the milliseconds dropped.
    plist_t date(const QDateTime& date) const
    {
        constexpr std::int64_t epoch = PlistValue::kDateEpochOffset * 1000;
        constexpr std::int64_t lowest = epoch + PlistValue::kMinDateSeconds * 1000;
        constexpr std::int64_t highest = epoch + PlistValue::kMaxDateSeconds * 1000;
        const std::int64_t msecs = std::clamp<std::int64_t>(date.toMSecsSinceEpoch(), lowest, highest) - epoch;
        std::int64_t seconds = msecs / 1000;
        std::int64_t millis = msecs % 1000;
        if (millis < 0) {
            millis += 1000;
            seconds -= 1;
        }
        if (m_form == Form::xml)
            millis = 0;
        return plist_new_date(std::int32_t(seconds), std::int32_t(millis * 1000));
    }

    plist_t refuse()
    {
        m_refused = true;
        return nullptr;
    }

    const Form m_form;
    bool m_refused = false;
};

// The value written by one of the library's writers (binary or XML), whose buffer `release` frees;
// empty when the value cannot be written.
template <typename Write, typename Release>
QByteArray encoded(const PlistValue& value, TreeBuilder::Form form, Write write, Release release)
{
    const CNumericLocale cLocale;
    const PlistHandle root = TreeBuilder(form).build(value);
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
    return encoded(*this, TreeBuilder::Form::binary, plist_to_bin, plist_to_bin_free);
}

QByteArray PlistValue::encodeXml() const
{
    return encoded(*this, TreeBuilder::Form::xml, plist_to_xml, plist_to_xml_free);
}

} // namespace Platform
