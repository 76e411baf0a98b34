// Property-list values built from the input, written in both forms and read back: what either writer
// writes, the decoder reads back as the value (but for what the writers are documented not to keep),
// and a value the writers refuse or the decoder would refuse is not written at all; the XML writer's
// count of its size, made before it writes, is what it writes. The values hold every kind: texts and
// keys with U+FEFF, NUL, lone surrogates, line ends, markup and any other character; integers and
// unsigned numbers at both ends; every real; dates at, inside and beyond both ends of the range, with
// and without milliseconds and in other time zones; nesting to beyond the depth bound.
//
// The input is read as a program: each value starts with a byte choosing its kind, and what the kind
// needs follows (a missing byte reads as 0).
#include "PlistForms.h"

#include "Platform/PropertyList/PlistXmlWriter.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

using PlistForms::Form;
using Platform::PlistValue;

class Builder {
public:
    Builder(const std::uint8_t* data, std::size_t size) : m_data(data), m_left(size) {}

    PlistValue value(int depth)
    {
        // Every value built counts toward the bound: a repeated one at each place, a nested one at each
        // level.
        if (++m_nodes > kMaxBuilt || depth > kMaxNesting)
            return PlistValue(true);
        switch (byte() % 12) {
        case 0:
            return PlistValue(text());
        case 1:
            return PlistValue(integer());
        case 2:
            return PlistValue(unsignedNumber());
        case 3:
            return PlistValue(real());
        case 4:
            return PlistValue((byte() & 1) != 0);
        case 5:
            return PlistValue(data());
        case 6:
            return PlistValue(date());
        case 7: {
            PlistValue::ArrayType items;
            for (int n = byte() % 8; n > 0; --n)
                items.push_back(value(depth + 1));
            return PlistValue(std::move(items));
        }
        case 8: {
            PlistValue::DictionaryType entries;
            for (int n = byte() % 8; n > 0; --n) {
                QString key = text();
                entries[key] = value(depth + 1);
            }
            return PlistValue(std::move(entries));
        }
        case 9:
            return nested(depth);
        case 10:
            return repeated(depth);
        default:
            return PlistValue();
        }
    }

private:
    // Values past the depth bound, and few enough that each input costs milliseconds, also at that depth.
    // The element bound is left to the unit tests: a list that long would take each input a hundred
    // times longer.
    static constexpr std::uint64_t kMaxBuilt = 1024;
    static constexpr int kMaxNesting = PlistValue::kMaxDepth + 8;

    std::uint8_t byte()
    {
        if (m_left == 0)
            return 0;
        --m_left;
        return *m_data++;
    }
    std::uint64_t number(int bytes)
    {
        std::uint64_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value = (value << 8) | byte();
        return value;
    }
    // One of `edges` by the next byte, or (for a byte past them) `bytes` bytes of input as they are.
    template <typename T, std::size_t N>
    std::uint64_t edgeOr(const std::array<T, N>& edges, int bytes)
    {
        const std::uint8_t pick = byte();
        return pick < N ? std::uint64_t(edges[pick]) : number(bytes);
    }

    QString text()
    {
        // A surrogate stands alone (unless two happen to make a pair): the writers write it as '?', an
        // ASCII character here as well.
        static constexpr std::array<char32_t, 32> marked = {
            0xFEFF, 0x0000, '\r', '\n', '\t', ' ', '<', '>', '&', ']', ';', '#', 'x', '0', 0x7F, 0x85,
            0xA0, 0x2028, 0xFFFE, 0xFFFF, 0xFFFD, 0x10000, 0x1F600, 0x10FFFF, 0xD7FF, 0xE000, 0x01, 0x1F,
            0xC0, 0x7FF, 0x800, 0xD800};
        QString result;
        for (int n = byte() % 24; n > 0; --n) {
            const std::uint8_t pick = byte();
            char32_t c = 0;
            if (pick < marked.size()) {
                c = marked[pick];
            } else if (pick < 160) {
                c = char32_t(pick - 32); // ASCII
            } else {
                c = char32_t(number(3) % 0x110000);
            }
            // By its UTF-16 units: a conversion from UTF-32 would take a leading U+FEFF for a byte-order mark.
            if (QChar::requiresSurrogates(c)) {
                result.append(QChar(QChar::highSurrogate(c)));
                result.append(QChar(QChar::lowSurrogate(c)));
            } else {
                result.append(QChar(char16_t(c)));
            }
        }
        return result;
    }

    std::int64_t integer()
    {
        constexpr auto lowest = std::numeric_limits<std::int64_t>::min();
        constexpr auto highest = std::numeric_limits<std::int64_t>::max();
        static constexpr std::array<std::int64_t, 12> edges = {
            lowest, lowest + 1, -1, 0, 1, highest, highest - 1, -2147483648LL, 2147483647, 4294967295LL,
            4294967296LL, -4294967296LL};
        return std::int64_t(edgeOr(edges, 8));
    }

    std::uint64_t unsignedNumber()
    {
        constexpr std::uint64_t top = std::uint64_t(1) << 63;
        static constexpr std::array<std::uint64_t, 6> edges = {top, top + 1, ~std::uint64_t(0), ~std::uint64_t(0) - 1,
                                                               top - 1, 0};
        return edgeOr(edges, 8);
    }

    double real()
    {
        using limits = std::numeric_limits<double>;
        static constexpr std::array<double, 14> edges = {
            0.0, -0.0, limits::quiet_NaN(), limits::infinity(), -limits::infinity(), limits::min(), -limits::min(),
            limits::denorm_min(), -limits::denorm_min(), limits::max(), -limits::max(), 0.1, 1e-310, 9007199254740993.0};
        const std::uint8_t pick = byte();
        return pick < edges.size() ? edges[pick] : std::bit_cast<double>(number(8));
    }

    QByteArray data()
    {
        QByteArray bytes;
        for (int n = byte(); n > 0; --n)
            bytes.append(char(byte()));
        return bytes;
    }

    // Seconds from 2001 at and beyond both ends of the range and anywhere, milliseconds on either side
    // of the second, in UTC or another zone; or no valid date at all.
    QDateTime date()
    {
        constexpr std::int64_t lowest = PlistValue::kMinDateSeconds;
        constexpr std::int64_t highest = PlistValue::kMaxDateSeconds;
        std::int64_t seconds = 0;
        switch (byte() % 10) {
        case 0: seconds = lowest; break;
        case 1: seconds = highest; break;
        case 2: seconds = 0; break;
        case 3: seconds = lowest - 1; break;
        case 4: seconds = highest + 1; break;
        case 5: seconds = std::int32_t(std::uint32_t(number(4))); break;
        case 6: seconds = std::int64_t(number(5)) - (std::int64_t(1) << 39); break; // far on either side
        case 7: {
            // Any moment the toolkit holds, its milliseconds since 1970 at their ends or as they come.
            static constexpr std::array<std::int64_t, 4> extremes = {
                std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::min() + 1,
                std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::max() - 1};
            const auto msecs = std::int64_t(edgeOr(extremes, 8));
            return QDateTime::fromMSecsSinceEpoch(msecs, zone());
        }
        case 8: return QDateTime();
        default: seconds = std::int64_t(number(2)) - 32768; break; // near 2001
        }
        static constexpr std::array<int, 10> fractions = {0, 1, 499, 500, 501, 999, -1, -500, -999, 250};
        const std::uint8_t pick = byte();
        const int msec = pick < fractions.size() ? fractions[pick] : int(number(2) % 1999) - 999;
        const std::int64_t msecs = (PlistValue::kDateEpochOffset + seconds) * 1000 + msec;
        return QDateTime::fromMSecsSinceEpoch(msecs, zone());
    }

    QTimeZone zone()
    {
        const std::uint8_t pick = byte();
        if (pick < 128)
            return QTimeZone::utc();
        // Whole half hours from 14 hours behind to 14 hours ahead.
        return QTimeZone((int(pick % 57) - 28) * 1800);
    }

    // Arrays (or dictionaries) each holding the next, around one value: a few levels, or as many as put
    // the value one level above, at or one level below the depth bound.
    PlistValue nested(int depth)
    {
        const std::uint8_t pick = byte();
        int levels = pick < 253 ? pick % 32 : PlistValue::kMaxDepth + (pick - 254) - depth;
        // Each level is a value: the levels count toward the values built.
        levels = std::clamp(levels, 0, kMaxNesting - depth);
        levels = int(std::min<std::uint64_t>(std::uint64_t(levels), kMaxBuilt - std::min(kMaxBuilt, m_nodes)));
        m_nodes += std::uint64_t(levels);
        const bool dictionaries = (byte() & 1) != 0;
        PlistValue inner = value(depth + levels);
        // Moved in, never copied (as a list of initial values would be): each level costs the same.
        for (int i = 0; i < levels; ++i) {
            if (dictionaries) {
                PlistValue::DictionaryType level;
                level.emplace(QStringLiteral("k"), std::move(inner));
                inner = PlistValue(std::move(level));
            } else {
                PlistValue::ArrayType level;
                level.push_back(std::move(inner));
                inner = PlistValue(std::move(level));
            }
        }
        return inner;
    }

    // An array of one value at as many places as a byte says.
    PlistValue repeated(int depth)
    {
        std::uint64_t count = byte();
        const std::uint64_t before = m_nodes;
        const PlistValue item = value(depth + 1);
        const std::uint64_t each = m_nodes - before;
        count = std::min(count, (kMaxBuilt - std::min(kMaxBuilt, before)) / each);
        m_nodes = before + std::max<std::uint64_t>(count, 1) * each;
        return PlistValue(PlistValue::ArrayType(std::size_t(count), item));
    }

    const std::uint8_t* m_data;
    std::size_t m_left;
    std::uint64_t m_nodes = 0;
};

[[noreturn]] void fail(Form form, const char* what, const PlistValue& expected, const QByteArray& written)
{
    std::fprintf(stderr, "%s form: %s\n", form == Form::xml ? "XML" : "binary", what);
    if (form == Form::xml)
        std::fprintf(stderr, "written:\n%.*s\n", int(std::min<qsizetype>(written.size(), 4096)), written.constData());
    const QByteArray shown = expected.encodeXml();
    std::fprintf(stderr, "expected (in XML):\n%.*s\n", int(std::min<qsizetype>(shown.size(), 4096)), shown.constData());
    std::abort();
}

void check(const PlistValue& value, Form form)
{
    const QByteArray bytes = form == Form::xml ? value.encodeXml() : value.encodeBinary();
    if (form == Form::xml && Platform::PlistXmlWriter::size(value).value_or(0) != std::uint64_t(bytes.size()))
        fail(form, "the writer wrote another size than it counted", value, bytes);
    const auto expected = PlistForms::written(value, form).value;
    if (!expected || !PlistForms::withinBounds(*expected)) {
        if (!bytes.isEmpty())
            fail(form, "a value that is left out or refused, or that the decoder refuses, was written", PlistValue(),
                 bytes);
        return;
    }
    const auto decoded = PlistValue::decode(bytes);
    if (!decoded)
        fail(form, "what was written cannot be read", *expected, bytes);
    // XML keeps no NaN's sign or payload.
    if (!PlistForms::same(*decoded, *expected, form == Form::binary))
        fail(form, "what was written reads back otherwise", *expected, bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const PlistValue value = Builder(data, size).value(0);
    check(value, Form::binary);
    check(value, Form::xml);
    return 0;
}
