#include "Platform/PropertyList/BinaryPlistView.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace Platform {

namespace {
constexpr std::uint64_t headerSize = 8;
constexpr std::uint64_t trailerSize = 32;
} // namespace

std::optional<std::uint64_t> BinaryPlistView::number(std::uint64_t at, unsigned size) const
{
    const auto length = std::uint64_t(m_bytes.size());
    if (size == 0 || size > 8 || at > length || length - at < size)
        return std::nullopt;
    std::uint64_t value = 0;
    const auto* data = reinterpret_cast<const unsigned char*>(m_bytes.constData()) + at;
    for (unsigned i = 0; i < size; ++i)
        value = (value << 8) | data[i];
    return value;
}

std::optional<BinaryPlistView> BinaryPlistView::open(const QByteArray& bytes)
{
    const auto length = std::uint64_t(bytes.size());
    if (length < headerSize + trailerSize || !bytes.startsWith("bplist00"))
        return std::nullopt;
    BinaryPlistView view(bytes);
    const std::uint64_t trailer = length - trailerSize;
    view.m_offsetSize = std::uint8_t(bytes[qsizetype(trailer + 6)]);
    view.m_refSize = std::uint8_t(bytes[qsizetype(trailer + 7)]);
    const auto count = view.number(trailer + 8, 8);
    const auto top = view.number(trailer + 16, 8);
    const auto table = view.number(trailer + 24, 8);
    if (!count || !top || !table || view.m_offsetSize < 1 || view.m_offsetSize > 8 || view.m_refSize < 1
        || view.m_refSize > 8)
        return std::nullopt;
    // Every object takes at least one byte between the header and the offset table.
    if (*count == 0 || *top >= *count || *table < headerSize || *table > trailer || *count > *table - headerSize
        || (trailer - *table) / view.m_offsetSize < *count)
        return std::nullopt;
    view.m_objectCount = *count;
    view.m_top = *top;
    view.m_offsetTable = *table;
    return view;
}

std::optional<BinaryPlistView::Object> BinaryPlistView::object(Ref ref) const
{
    if (ref >= m_objectCount)
        return std::nullopt;
    const auto offset = number(m_offsetTable + ref * m_offsetSize, m_offsetSize);
    if (!offset || *offset < headerSize || *offset >= m_offsetTable)
        return std::nullopt;
    const auto marker = std::uint8_t(m_bytes[qsizetype(*offset)]);
    Object result;
    result.type = marker >> 4;
    result.info = marker & 0x0f;
    result.payload = *offset + 1;
    result.count = result.info;
    const unsigned type = marker >> 4;
    const bool counted = type == 0x4 || type == 0x5 || type == 0x6 || (type >= 0xa && type <= 0xd);
    if (counted && result.info == 0x0f) {
        // The count follows as an integer object.
        const auto size = number(result.payload, 1);
        if (!size || (*size >> 4) != 0x1 || (*size & 0x0f) > 3)
            return std::nullopt;
        const unsigned bytes = 1u << (*size & 0x0f);
        const auto value = number(result.payload + 1, bytes);
        if (!value)
            return std::nullopt;
        result.count = *value;
        result.payload += 1 + bytes;
    }
    // Counts are checked against what the data can hold before they are multiplied.
    const std::uint64_t room = m_offsetTable - std::min(result.payload, m_offsetTable);
    std::uint64_t contentSize = 0;
    switch (type) {
    case 0x1:
        result.kind = Kind::integer;
        if (result.info > 4)
            return std::nullopt;
        contentSize = 1u << result.info;
        break;
    case 0x2:
        result.kind = Kind::real;
        if (result.info != 2 && result.info != 3)
            return std::nullopt;
        contentSize = 1u << result.info;
        break;
    case 0x3:
        result.kind = Kind::date;
        if (result.info != 3)
            return std::nullopt;
        contentSize = 8;
        break;
    case 0x4:
        result.kind = Kind::data;
        contentSize = result.count;
        break;
    case 0x5:
        result.kind = Kind::string;
        contentSize = result.count;
        break;
    case 0x6:
        result.kind = Kind::string;
        if (result.count > room / 2)
            return std::nullopt;
        contentSize = result.count * 2;
        break;
    case 0xa:
    case 0xb:
    case 0xc:
        result.kind = type == 0xa ? Kind::array : Kind::set;
        if (result.count > room / m_refSize)
            return std::nullopt;
        contentSize = result.count * m_refSize;
        break;
    case 0xd:
        result.kind = Kind::dictionary;
        if (result.count > room / (2 * m_refSize))
            return std::nullopt;
        contentSize = result.count * 2 * m_refSize;
        break;
    default:
        return result;
    }
    if (result.payload > m_offsetTable || m_offsetTable - result.payload < contentSize)
        return std::nullopt;
    return result;
}

std::uint64_t BinaryPlistView::references(const Object& container)
{
    switch (container.kind) {
    case Kind::dictionary:
        return container.count * 2;
    case Kind::array:
    case Kind::set:
        return container.count;
    default:
        return 0;
    }
}

std::optional<BinaryPlistView::Ref> BinaryPlistView::element(const Object& container, std::uint64_t index) const
{
    if (index >= references(container))
        return std::nullopt;
    return number(container.payload + index * m_refSize, m_refSize);
}

bool BinaryPlistView::hasNul(const Object& text) const
{
    if (text.kind != Kind::string)
        return false;
    const char* data = m_bytes.constData() + text.payload;
    if (text.type == 0x5)
        return std::memchr(data, 0, std::size_t(text.count)) != nullptr;
    for (std::uint64_t i = 0; i < text.count; ++i) {
        if (data[2 * i] == 0 && data[2 * i + 1] == 0)
            return true;
    }
    return false;
}

std::optional<QString> BinaryPlistView::string(Ref ref) const
{
    const auto found = object(ref);
    return found ? string(*found) : std::nullopt;
}

std::optional<QString> BinaryPlistView::string(const Object& found) const
{
    if (found.kind != Kind::string)
        return std::nullopt;
    const char* data = m_bytes.constData() + found.payload;
    if (found.type == 0x5) {
        for (std::uint64_t i = 0; i < found.count; ++i) {
            const auto c = std::uint8_t(data[i]);
            if (c == 0 || c >= 0x80)
                return std::nullopt;
        }
        return QString::fromLatin1(data, qsizetype(found.count));
    }
    QString text(qsizetype(found.count), Qt::Uninitialized);
    for (std::uint64_t i = 0; i < found.count; ++i) {
        const auto unit = char16_t((std::uint8_t(data[2 * i]) << 8) | std::uint8_t(data[2 * i + 1]));
        if (unit == 0)
            return std::nullopt;
        text[qsizetype(i)] = QChar(unit);
    }
    if (!QStringView(text).isValidUtf16())
        return std::nullopt;
    return text;
}

bool BinaryPlistView::isWiderThan64Bits(const Object& integer) const
{
    if (integer.kind != Kind::integer || integer.info != 4)
        return false;
    const auto high = number(integer.payload, 8);
    return !high || *high != 0;
}

std::optional<std::uint64_t> BinaryPlistView::unsignedBeyondSigned(const Object& integer) const
{
    if (integer.kind != Kind::integer || integer.info != 4 || isWiderThan64Bits(integer))
        return std::nullopt;
    const auto low = number(integer.payload + 8, 8);
    if (!low || (*low >> 63) == 0)
        return std::nullopt;
    return low;
}

std::optional<std::int64_t> BinaryPlistView::integer(Ref ref) const
{
    const auto found = object(ref);
    return found ? integer(*found) : std::nullopt;
}

std::optional<std::int64_t> BinaryPlistView::integer(const Object& found) const
{
    if (found.kind != Kind::integer)
        return std::nullopt;
    if (found.info == 4) {
        // 16 bytes: a number from 2^63 on, which the format writes this way, fits no signed integer.
        if (isWiderThan64Bits(found) || unsignedBeyondSigned(found))
            return std::nullopt;
        const auto low = number(found.payload + 8, 8);
        return low ? std::optional<std::int64_t>(std::int64_t(*low)) : std::nullopt;
    }
    const auto value = number(found.payload, 1u << found.info);
    if (!value)
        return std::nullopt;
    return std::int64_t(*value);
}

std::optional<double> BinaryPlistView::real(Ref ref) const
{
    const auto found = object(ref);
    return found ? real(*found) : std::nullopt;
}

std::optional<double> BinaryPlistView::real(const Object& found) const
{
    if (found.kind != Kind::real)
        return std::nullopt;
    const auto bits = number(found.payload, 1u << found.info);
    if (!bits)
        return std::nullopt;
    return found.info == 2 ? double(std::bit_cast<float>(std::uint32_t(*bits))) : std::bit_cast<double>(*bits);
}

std::optional<double> BinaryPlistView::dateSeconds(const Object& date) const
{
    if (date.kind != Kind::date)
        return std::nullopt;
    const auto bits = number(date.payload, 8);
    if (!bits)
        return std::nullopt;
    return std::bit_cast<double>(*bits);
}

bool BinaryPlistView::fields(Ref dictionary, std::span<const QLatin1StringView> keys, std::span<Ref> values) const
{
    const auto item = object(dictionary);
    if (!item || item->kind != Kind::dictionary || keys.size() > 64 || values.size() != keys.size())
        return false;
    std::uint64_t found = 0; // one bit a key
    // The same text in either form: ASCII bytes, or UTF-16 units that are each the byte.
    auto same = [this](const Object& key, QLatin1StringView wanted) {
        const char* text = m_bytes.constData() + key.payload;
        if (key.type == 0x5)
            return std::memcmp(text, wanted.data(), std::size_t(wanted.size())) == 0;
        for (qsizetype i = 0; i < wanted.size(); ++i) {
            if (text[2 * i] != 0 || text[2 * i + 1] != wanted[i].toLatin1())
                return false;
        }
        return true;
    };
    for (std::uint64_t k = 0; k < item->count; ++k) {
        const auto keyRef = element(*item, k);
        const auto valueRef = element(*item, item->count + k);
        const auto key = keyRef ? object(*keyRef) : std::nullopt;
        if (!valueRef || !key || key->kind != Kind::string)
            return false;
        const bool lengthAskedFor = std::any_of(keys.begin(), keys.end(), [&](QLatin1StringView wanted) {
            return key->count == std::uint64_t(wanted.size());
        });
        if (!lengthAskedFor)
            continue;
        if (hasNul(*key))
            return false;
        for (std::size_t n = 0; n < keys.size(); ++n) {
            if (key->count != std::uint64_t(keys[n].size()) || !same(*key, keys[n]))
                continue;
            const std::uint64_t bit = std::uint64_t(1) << n;
            if (found & bit)
                return false;
            found |= bit;
            values[n] = *valueRef;
        }
    }
    return found == (keys.size() == 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << keys.size()) - 1);
}

} // namespace Platform
