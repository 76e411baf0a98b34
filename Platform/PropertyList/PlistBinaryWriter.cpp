#include "Platform/PropertyList/PlistBinaryWriter.h"

#include "Platform/PropertyList/PlistWriteRules.h"

#include <QByteArrayView>
#include <QHashFunctions>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <unordered_map>
#include <vector>

namespace Platform {

namespace {

using Rules = PlistWriteRules;

// Markers: a type in the high nibble, a count or size in the low one.
constexpr std::uint8_t kFalse = 0x08;
constexpr std::uint8_t kTrue = 0x09;
constexpr std::uint8_t kInteger = 0x1;
constexpr std::uint8_t kReal = 0x2;
constexpr std::uint8_t kDate = 0x3;
constexpr std::uint8_t kData = 0x4;
constexpr std::uint8_t kAscii = 0x5;
constexpr std::uint8_t kUtf16 = 0x6;
constexpr std::uint8_t kArray = 0xA;
constexpr std::uint8_t kDictionary = 0xD;

void appendBigEndian(QByteArray& out, std::uint64_t value, unsigned width)
{
    for (unsigned i = width; i > 0; --i)
        out.append(char((value >> (8 * (i - 1))) & 0xff));
}

// The fewest of 1, 2, 4 or 8 bytes that hold `value`.
unsigned widthOf(std::uint64_t value)
{
    if (value <= 0xff)
        return 1;
    if (value <= 0xffff)
        return 2;
    return value <= 0xffffffffu ? 4 : 8;
}

// An integer object of 1, 2, 4 or 8 bytes: its marker's low nibble is the power of two of its width.
void appendInteger(QByteArray& out, std::uint64_t value, unsigned width)
{
    out.append(char((kInteger << 4) | std::countr_zero(width)));
    appendBigEndian(out, value, width);
}

// A marker with its count: in the low nibble below 15, else as an integer object after it.
void appendMarker(QByteArray& out, std::uint8_t type, std::uint64_t count)
{
    if (count < 15) {
        out.append(char((type << 4) | count));
        return;
    }
    out.append(char((type << 4) | 0x0f));
    appendInteger(out, count, widthOf(count));
}

class Writer {
public:
    Writer() : m_known(0, LeafHash{&m_leaves}, LeafEqual{&m_leaves}) {}
    // The hash of the leaves refers to them.
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    QByteArray write(const PlistValue& value)
    {
        if (Rules::leftOut(value) || !add(value, 0))
            return {};
        return assemble();
    }

    std::uint64_t encodedBytes() const { return m_encodedBytes; }

private:
    // An object of the table: a leaf's bytes in m_leaves, or a container's references in m_refs (a
    // dictionary's keys, then its values).
    struct Object {
        std::uint8_t container = 0; // kArray, kDictionary, or 0 for a leaf
        std::uint64_t count = 0;    // elements, or entries of a dictionary
        std::size_t from = 0;
        std::size_t length = 0;
    };
    struct Span {
        qsizetype from = 0;
        qsizetype length = 0;
    };
    struct LeafHash {
        const QByteArray* leaves;
        std::size_t operator()(const Span& span) const
        {
            return qHash(QByteArrayView(leaves->constData() + span.from, span.length), QHashSeed::globalSeed());
        }
    };
    struct LeafEqual {
        const QByteArray* leaves;
        bool operator()(const Span& a, const Span& b) const
        {
            return QByteArrayView(leaves->constData() + a.from, a.length)
                == QByteArrayView(leaves->constData() + b.from, b.length);
        }
    };
    // The object of a data value written before, and the value, kept so that its storage is not freed
    // and taken for other bytes while the write goes on.
    struct KnownData {
        QByteArray bytes;
        std::uint64_t object = 0;
    };

    // The object of a value that is not left out, written and counted at `depth`; none when it or a
    // value it holds breaks a rule.
    std::optional<std::uint64_t> add(const PlistValue& value, int depth)
    {
        const qsizetype from = m_leaves.size();
        switch (value.type()) {
        case PlistValue::Type::None:
            return std::nullopt;
        case PlistValue::Type::String: {
            const QString text = *value.toString();
            if (!m_budget.value(depth, std::uint64_t(text.size()) * 2))
                return std::nullopt;
            return textObject(text);
        }
        case PlistValue::Type::Integer:
        case PlistValue::Type::Unsigned: {
            if (!m_budget.value(depth))
                return std::nullopt;
            if (const auto number = value.toInt64()) {
                if (*number < 0)
                    appendInteger(m_leaves, std::uint64_t(*number), 8);
                else
                    appendInteger(m_leaves, std::uint64_t(*number), widthOf(std::uint64_t(*number)));
            } else {
                // From 2^63 on: 16 bytes, the upper 8 of them zero.
                m_leaves.append(char((kInteger << 4) | 4));
                appendBigEndian(m_leaves, 0, 8);
                appendBigEndian(m_leaves, *value.toUInt64(), 8);
            }
            break;
        }
        case PlistValue::Type::Real:
            if (!m_budget.value(depth))
                return std::nullopt;
            m_leaves.append(char((kReal << 4) | 3));
            appendBigEndian(m_leaves, std::bit_cast<std::uint64_t>(*value.toReal()), 8);
            break;
        case PlistValue::Type::Boolean:
            if (!m_budget.value(depth))
                return std::nullopt;
            m_leaves.append(char(*value.toBool() ? kTrue : kFalse));
            break;
        case PlistValue::Type::Data: {
            const QByteArray bytes = *value.toData();
            if (!m_budget.value(depth, std::uint64_t(bytes.size())))
                return std::nullopt;
            // Long data is known again by its storage, as long texts are (Rules::Texts); short data
            // costs less to encode again than to look up.
            KnownData* known = nullptr;
            if (bytes.size() >= 2 * Rules::Texts::kKnownUnits) {
                const auto [found, added] = m_data.try_emplace(Rules::Storage{bytes.constData(), bytes.size()});
                if (!added)
                    return found->second.object;
                known = &found->second;
            }
            appendMarker(m_leaves, kData, std::uint64_t(bytes.size()));
            m_leaves.append(bytes);
            const std::uint64_t object = leaf(from);
            if (known)
                *known = {bytes, object};
            return object;
        }
        case PlistValue::Type::Date: {
            if (!m_budget.value(depth))
                return std::nullopt;
            const double seconds = double(Rules::dateMilliseconds(*value.toDate(), Rules::Form::binary)) / 1000.0;
            m_leaves.append(char((kDate << 4) | 3));
            appendBigEndian(m_leaves, std::bit_cast<std::uint64_t>(seconds), 8);
            break;
        }
        case PlistValue::Type::Array:
            return array(*value.toArray(), depth);
        case PlistValue::Type::Dictionary:
            return dictionary(*value.toDictionary(), depth);
        }
        return leaf(from);
    }

    // The object of a text or key (counted already): the one its storage was written as, or one it is
    // written as now; none when it holds a NUL.
    std::optional<std::uint64_t> textObject(const QString& text)
    {
        Rules::Texts::Seen& seen = m_texts(text);
        if (!seen.written)
            return std::nullopt;
        if (!seen.note) {
            const qsizetype from = m_leaves.size();
            appendText(*seen.written);
            seen.note = leaf(from);
        }
        return *seen.note;
    }

    // The object of the leaf whose bytes were just appended from `from` on: an equal one written
    // before, the bytes then taken back, or a new one.
    std::uint64_t leaf(qsizetype from)
    {
        const Span span{from, m_leaves.size() - from};
        m_encodedBytes += std::uint64_t(span.length);
        const auto [known, added] = m_known.emplace(span, std::uint64_t(m_objects.size()));
        if (!added) {
            m_leaves.truncate(from);
            return known->second;
        }
        m_objects.push_back({0, 0, std::size_t(from), std::size_t(span.length)});
        return known->second;
    }

    // ASCII texts one byte a character, others UTF-16 big-endian.
    void appendText(const QString& text)
    {
        const qsizetype size = text.size();
        const QChar* units = text.constData();
        bool ascii = true;
        for (qsizetype i = 0; i < size && ascii; ++i)
            ascii = units[i].unicode() < 0x80;
        if (ascii) {
            appendMarker(m_leaves, kAscii, std::uint64_t(size));
            m_leaves.append(text.toLatin1());
            return;
        }
        appendMarker(m_leaves, kUtf16, std::uint64_t(size));
        for (qsizetype i = 0; i < size; ++i)
            appendBigEndian(m_leaves, units[i].unicode(), 2);
    }

    std::optional<std::uint64_t> array(const PlistValue::ArrayType& items, int depth)
    {
        if (!m_budget.value(depth))
            return std::nullopt;
        const std::uint64_t index = m_objects.size();
        m_objects.emplace_back();
        std::vector<std::uint64_t> refs;
        refs.reserve(items.size());
        for (const PlistValue& item : items) {
            if (Rules::leftOut(item))
                continue;
            const auto ref = add(item, depth + 1);
            if (!ref)
                return std::nullopt;
            refs.push_back(*ref);
        }
        place(index, kArray, refs.size(), refs);
        return index;
    }

    std::optional<std::uint64_t> dictionary(const PlistValue::DictionaryType& entries, int depth)
    {
        const auto written = Rules::entries(entries, m_texts);
        if (!written || !m_budget.value(depth))
            return std::nullopt;
        const std::uint64_t index = m_objects.size();
        m_objects.emplace_back();
        std::vector<std::uint64_t> refs(written->size() * 2);
        for (std::size_t i = 0; i < written->size(); ++i) {
            const auto& [key, value] = (*written)[i];
            const auto keyObject = m_budget.key(key) ? textObject(key) : std::nullopt;
            if (!keyObject)
                return std::nullopt;
            refs[i] = *keyObject;
            const auto ref = add(*value, depth + 1);
            if (!ref)
                return std::nullopt;
            refs[written->size() + i] = *ref;
        }
        place(index, kDictionary, written->size(), refs);
        return index;
    }

    void place(std::uint64_t index, std::uint8_t container, std::uint64_t count, const std::vector<std::uint64_t>& refs)
    {
        m_objects[index] = {container, count, m_refs.size(), refs.size()};
        m_refs.insert(m_refs.end(), refs.begin(), refs.end());
    }

    // Header, objects in their order, offset table and trailer.
    QByteArray assemble() const
    {
        const unsigned refWidth = widthOf(m_objects.size() - 1);
        QByteArray out;
        out.reserve(8 + m_leaves.size() + qsizetype(m_refs.size() * refWidth + m_objects.size() * 10) + 32);
        out.append("bplist00");
        std::vector<std::uint64_t> offsets;
        offsets.reserve(m_objects.size());
        for (const Object& object : m_objects) {
            offsets.push_back(std::uint64_t(out.size()));
            if (!object.container) {
                out.append(m_leaves.constData() + object.from, qsizetype(object.length));
                continue;
            }
            appendMarker(out, object.container, object.count);
            for (std::size_t i = object.from; i < object.from + object.length; ++i)
                appendBigEndian(out, m_refs[i], refWidth);
        }
        const unsigned offsetWidth = widthOf(offsets.back());
        const std::uint64_t table = std::uint64_t(out.size());
        for (const std::uint64_t offset : offsets)
            appendBigEndian(out, offset, offsetWidth);
        out.append(QByteArray(6, '\0'));
        out.append(char(offsetWidth));
        out.append(char(refWidth));
        appendBigEndian(out, m_objects.size(), 8);
        appendBigEndian(out, 0, 8); // the outermost value
        appendBigEndian(out, table, 8);
        return out;
    }

    Rules::Budget m_budget;
    std::vector<Object> m_objects;
    QByteArray m_leaves;
    std::vector<std::uint64_t> m_refs;
    std::unordered_map<Span, std::uint64_t, LeafHash, LeafEqual> m_known;
    Rules::Texts m_texts;
    std::unordered_map<Rules::Storage, KnownData, Rules::StorageHash> m_data;
    std::uint64_t m_encodedBytes = 0;
};

} // namespace

QByteArray PlistBinaryWriter::write(const PlistValue& value, Work* work)
{
    Writer writer;
    QByteArray written = writer.write(value);
    if (work)
        work->encodedBytes = writer.encodedBytes();
    return written;
}

} // namespace Platform
