#include "ThermionKit/BinaryPlistView.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace ThermionKit {

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
    const bool counted = type == 0x5 || type == 0x6 || type == 0xa || type == 0xd;
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
    std::uint64_t contentSize = 0;
    switch (type) {
    case 0x1:
        result.kind = Kind::integer;
        if (result.info > 3)
            return std::nullopt;
        contentSize = 1u << result.info;
        break;
    case 0x2:
        result.kind = Kind::real;
        if (result.info != 2 && result.info != 3)
            return std::nullopt;
        contentSize = 1u << result.info;
        break;
    case 0x5:
        result.kind = Kind::string;
        contentSize = result.count;
        break;
    case 0x6:
        result.kind = Kind::string;
        if (result.count > m_offsetTable)
            return std::nullopt;
        contentSize = result.count * 2;
        break;
    case 0xa:
        result.kind = Kind::array;
        if (result.count > m_objectCount * 2)
            return std::nullopt;
        contentSize = result.count * m_refSize;
        break;
    case 0xd:
        result.kind = Kind::dictionary;
        if (result.count > m_objectCount)
            return std::nullopt;
        contentSize = result.count * 2 * m_refSize;
        break;
    default:
        return Object{};
    }
    if (result.payload > m_offsetTable || m_offsetTable - result.payload < contentSize)
        return std::nullopt;
    return result;
}

std::optional<BinaryPlistView::Ref> BinaryPlistView::element(const Object& container, std::uint64_t index) const
{
    const std::uint64_t places = container.kind == Kind::dictionary ? container.count * 2
                                : container.kind == Kind::array    ? container.count
                                                                   : 0;
    if (index >= places)
        return std::nullopt;
    return number(container.payload + index * m_refSize, m_refSize);
}

std::optional<QString> BinaryPlistView::string(Ref ref) const
{
    const auto found = object(ref);
    if (!found || found->kind != Kind::string)
        return std::nullopt;
    const char* data = m_bytes.constData() + found->payload;
    if (found->type == 0x5) {
        for (std::uint64_t i = 0; i < found->count; ++i) {
            const auto c = std::uint8_t(data[i]);
            if (c == 0 || c >= 0x80)
                return std::nullopt;
        }
        return QString::fromLatin1(data, qsizetype(found->count));
    }
    QString text(qsizetype(found->count), Qt::Uninitialized);
    for (std::uint64_t i = 0; i < found->count; ++i) {
        const auto unit = char16_t((std::uint8_t(data[2 * i]) << 8) | std::uint8_t(data[2 * i + 1]));
        if (unit == 0)
            return std::nullopt;
        text[qsizetype(i)] = QChar(unit);
    }
    if (!QStringView(text).isValidUtf16())
        return std::nullopt;
    return text;
}

bool BinaryPlistView::isAscii(Ref ref, QLatin1StringView text) const
{
    const auto found = object(ref);
    if (!found || found->kind != Kind::string || found->count != std::uint64_t(text.size()))
        return false;
    if (found->type != 0x5)
        return false;
    return std::memcmp(m_bytes.constData() + found->payload, text.data(), std::size_t(text.size())) == 0;
}

std::optional<std::int64_t> BinaryPlistView::integer(Ref ref) const
{
    const auto found = object(ref);
    if (!found || found->kind != Kind::integer)
        return std::nullopt;
    const auto value = number(found->payload, 1u << found->info);
    if (!value)
        return std::nullopt;
    return std::int64_t(*value);
}

std::optional<double> BinaryPlistView::real(Ref ref) const
{
    const auto found = object(ref);
    if (!found || found->kind != Kind::real)
        return std::nullopt;
    const auto bits = number(found->payload, 1u << found->info);
    if (!bits)
        return std::nullopt;
    const double value = found->info == 2 ? double(std::bit_cast<float>(std::uint32_t(*bits)))
                                          : std::bit_cast<double>(*bits);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

bool BinaryPlistView::fields(Ref dictionary, std::span<const QLatin1StringView> keys, std::span<Ref> values) const
{
    const auto item = object(dictionary);
    if (!item || item->kind != Kind::dictionary || keys.size() > 64 || values.size() != keys.size())
        return false;
    std::uint64_t found = 0; // one bit a key
    for (std::uint64_t k = 0; k < item->count; ++k) {
        const auto keyRef = element(*item, k);
        const auto valueRef = element(*item, item->count + k);
        const auto key = keyRef ? object(*keyRef) : std::nullopt;
        // Keys other than plain ASCII texts are left to the full decoder.
        if (!valueRef || !key || key->kind != Kind::string || key->type != 0x5)
            return false;
        for (std::size_t n = 0; n < keys.size(); ++n) {
            if (!isAscii(*keyRef, keys[n]))
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

} // namespace ThermionKit
