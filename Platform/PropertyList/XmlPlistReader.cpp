#include "Platform/PropertyList/XmlPlistReader.h"
#include "Platform/PropertyList/PlistDate.h"
#include "Platform/System/Utf8.h"

#include <QByteArrayView>
#include <QDate>
#include <QStringDecoder>
#include <QTime>

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace Platform {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    return text.sliced(from, to - from);
}

// An integer as written: blanks around it, a sign, decimal digits or 0x and hex digits; from -2^63 to
// 2^64 - 1.
std::optional<PlistValue> integerValue(QByteArrayView written)
{
    QByteArrayView text = trimmed(written);
    bool negative = false;
    if (!text.isEmpty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text = text.sliced(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text = text.sliced(2);
    }
    if (text.isEmpty())
        return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (!negative) {
        if (magnitude >> 63)
            return PlistValue(magnitude);
        return PlistValue(std::int64_t(magnitude));
    }
    if (magnitude > (std::uint64_t(1) << 63))
        return std::nullopt;
    return PlistValue(std::int64_t(0 - magnitude));
}

// A real as written: blanks around it, one sign at most.
std::optional<PlistValue> realValue(QByteArrayView written)
{
    QByteArrayView text = trimmed(written);
    // One sign at most: from_chars reads a '-' of its own, and no '+' at all.
    if (text.startsWith('+')) {
        text = text.sliced(1);
        if (text.startsWith('-'))
            return std::nullopt;
    }
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return PlistValue(number);
}

// "2024-03-05T10:30:15Z", within the range.
std::optional<PlistValue> dateValue(QByteArrayView written)
{
    const QByteArrayView text = trimmed(written);
    static constexpr char shape[] = "dddd-dd-ddTdd:dd:ddZ";
    if (text.size() != qsizetype(sizeof shape - 1))
        return std::nullopt;
    const char* const characters = text.data();
    for (std::size_t i = 0; i + 1 < sizeof shape; ++i) {
        const char c = characters[i];
        if (shape[i] == 'd' ? c < '0' || c > '9' : c != shape[i])
            return std::nullopt;
    }
    const auto field = [characters](int from, int length) {
        int value = 0;
        for (const char* c = characters + from; c != characters + from + length; ++c)
            value = value * 10 + (*c - '0');
        return value;
    };
    const QDate date(field(0, 4), field(5, 2), field(8, 2));
    const QTime time(field(11, 2), field(14, 2), field(17, 2));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    // Seconds from 1970 by the calendar's arithmetic: no time zone is looked up for a date.
    constexpr std::int64_t julianDayOf1970 = 2'440'588;
    const std::int64_t sinceEpoch =
        (date.toJulianDay() - julianDayOf1970) * 86'400 + time.msecsSinceStartOfDay() / 1000;
    const std::int64_t seconds = sinceEpoch - PlistValue::kDateEpochOffset;
    if (seconds < PlistValue::kMinDateSeconds || seconds > PlistValue::kMaxDateSeconds)
        return std::nullopt;
    return PlistValue(PlistDate::fromMSecsSinceEpoch(sinceEpoch * 1000));
}

// Base64 with blanks anywhere and "=" padding at the end only, in one pass.
std::optional<PlistValue> dataValue(QByteArrayView written)
{
    static const auto sextets = [] {
        std::array<std::int8_t, 256> table{};
        table.fill(-1);
        const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        for (int i = 0; i < 64; ++i)
            table[std::uint8_t(alphabet[i])] = std::int8_t(i);
        return table;
    }();
    QByteArray decoded(written.size() / 4 * 3 + 3, Qt::Uninitialized);
    char* out = decoded.data();
    std::uint32_t bits = 0;
    int count = 0;
    int padding = 0;
    for (const char c : written) {
        if (isBlank(c))
            continue;
        if (c == '=') {
            ++padding;
            continue;
        }
        const int sextet = sextets[std::uint8_t(c)];
        if (sextet < 0 || padding > 0)
            return std::nullopt;
        bits = (bits << 6) | std::uint32_t(sextet);
        if (++count == 4) {
            *out++ = char(bits >> 16);
            *out++ = char(bits >> 8);
            *out++ = char(bits);
            bits = 0;
            count = 0;
        }
    }
    // What is left: none, or two or three sextets with the padding that completes them (or none).
    if (count == 1 || (padding > 0 && (count < 2 || count + padding != 4)))
        return std::nullopt;
    if (count == 2) {
        *out++ = char(bits >> 4);
    } else if (count == 3) {
        *out++ = char(bits >> 10);
        *out++ = char(bits >> 2);
    }
    decoded.truncate(out - decoded.data());
    return PlistValue(decoded);
}

class Parser {
public:
    Parser(const QByteArray& bytes, int maxDepth, std::size_t maxNodes, std::uint64_t maxBytes)
        : m_p(bytes.constData()), m_end(bytes.constData() + bytes.size()), m_maxDepth(maxDepth),
          m_maxNodes(maxNodes), m_maxBytes(maxBytes)
    {
    }

    std::optional<PlistValue> document()
    {
        if (startsWith("\xEF\xBB\xBF"))
            m_p += 3;
        if (!skipMisc())
            return std::nullopt;
        if (startsWith("<!DOCTYPE")) {
            // No internal subset: it could declare entities.
            const char* close = find(">");
            const char* subset = static_cast<const char*>(std::memchr(m_p, '[', std::size_t(m_end - m_p)));
            if (!close || (subset && subset < close))
                return std::nullopt;
            m_p = close + 1;
            if (!skipMisc())
                return std::nullopt;
        }
        const auto open = tag();
        if (!open || open->closing || open->selfClosing || open->name != "plist")
            return std::nullopt;
        auto value = this->value(0);
        if (!value || !skipMisc())
            return std::nullopt;
        const auto close = tag();
        if (!close || !close->closing || close->name != "plist" || !skipMisc() || m_p != m_end)
            return std::nullopt;
        return value;
    }

private:
    struct Tag {
        QByteArrayView name;
        bool closing = false;
        bool selfClosing = false;
    };

    bool startsWith(std::string_view text) const
    {
        return std::size_t(m_end - m_p) >= text.size() && std::memcmp(m_p, text.data(), text.size()) == 0;
    }
    // Where `text` first starts from here on; null when nowhere.
    const char* find(std::string_view text) const
    {
        const std::string_view rest(m_p, std::size_t(m_end - m_p));
        const auto at = rest.find(text);
        return at == std::string_view::npos ? nullptr : m_p + at;
    }
    void skipBlanks()
    {
        while (m_p < m_end && isBlank(*m_p))
            ++m_p;
    }
    // Passes over blanks, comments and processing instructions; false when one does not end.
    bool skipMisc()
    {
        for (;;) {
            skipBlanks();
            if (startsWith("<!--")) {
                m_p += 4;
                const char* close = find("-->");
                if (!close)
                    return false;
                m_p = close + 3;
            } else if (startsWith("<?")) {
                const char* close = find("?>");
                if (!close)
                    return false;
                m_p = close + 2;
            } else {
                return true;
            }
        }
    }

    // A start, end or empty-element tag here. Only <plist> may hold attributes.
    std::optional<Tag> tag()
    {
        if (m_p >= m_end || *m_p != '<')
            return std::nullopt;
        Tag found;
        ++m_p;
        if (m_p < m_end && *m_p == '/') {
            found.closing = true;
            ++m_p;
        }
        const char* name = m_p;
        while (m_p < m_end && isNameCharacter(*m_p))
            ++m_p;
        found.name = QByteArrayView(name, m_p - name);
        if (found.name.isEmpty())
            return std::nullopt;
        if (!found.closing && found.name == "plist") {
            // Attributes: quoted values may hold anything but '<'.
            while (m_p < m_end && *m_p != '>' && *m_p != '<') {
                if (*m_p == '"' || *m_p == '\'') {
                    const void* quote = std::memchr(m_p + 1, *m_p, std::size_t(m_end - m_p - 1));
                    if (!quote || std::memchr(m_p + 1, '<', std::size_t(static_cast<const char*>(quote) - m_p - 1)))
                        return std::nullopt;
                    m_p = static_cast<const char*>(quote);
                }
                ++m_p;
            }
            if (m_p >= m_end || *m_p != '>')
                return std::nullopt;
            found.selfClosing = m_p[-1] == '/';
            ++m_p;
            return found;
        }
        skipBlanks();
        if (!found.closing && startsWith("/>")) {
            found.selfClosing = true;
            m_p += 2;
            return found;
        }
        if (m_p >= m_end || *m_p != '>')
            return std::nullopt;
        ++m_p;
        return found;
    }

    bool count(std::uint64_t bytes)
    {
        m_bytes += bytes;
        return m_bytes <= m_maxBytes;
    }

    // The character data of an element up to its end tag `name`, references replaced, as UTF-8: where
    // it lies in the input when it holds neither references nor sections, else in `text`.
    std::optional<QByteArrayView> content(QByteArrayView name, QByteArray& text)
    {
        const char* start = m_p;
        const void* lt = std::memchr(m_p, '<', std::size_t(m_end - m_p));
        if (lt && !std::memchr(m_p, '&', std::size_t(static_cast<const char*>(lt) - m_p))) {
            m_p = static_cast<const char*>(lt);
            if (closes(name))
                return QByteArrayView(start, static_cast<const char*>(lt) - start);
            m_p = start;
        }
        // References only shorten the text up to the first '<'.
        if (lt)
            text.reserve(static_cast<const char*>(lt) - start);
        for (;;) {
            const char* run = m_p;
            while (m_p < m_end && *m_p != '<' && *m_p != '&')
                ++m_p;
            text.append(run, m_p - run);
            if (m_p >= m_end)
                return std::nullopt;
            if (*m_p == '&') {
                if (!reference(text))
                    return std::nullopt;
            } else if (startsWith("<![CDATA[")) {
                m_p += 9;
                const char* close = find("]]>");
                if (!close)
                    return std::nullopt;
                text.append(m_p, close - m_p);
                m_p = close + 3;
            } else if (startsWith("<!--")) {
                m_p += 4;
                const char* close = find("-->");
                if (!close)
                    return std::nullopt;
                m_p = close + 3;
            } else {
                const auto end = tag();
                if (!end || !end->closing || end->name != name)
                    return std::nullopt;
                return QByteArrayView(text);
            }
        }
    }

    // One reference at '&', appended as UTF-8.
    bool reference(QByteArray& text)
    {
        static constexpr std::pair<std::string_view, char> named[] = {
            {"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"quot;", '"'}, {"apos;", '\''}};
        for (const auto& [entity, c] : named) {
            if (std::size_t(m_end - m_p) > entity.size() && std::memcmp(m_p + 1, entity.data(), entity.size()) == 0) {
                m_p += 1 + entity.size();
                text.append(c);
                return true;
            }
        }
        const qsizetype room = std::min<qsizetype>(m_end - m_p, 12);
        const void* semicolon = std::memchr(m_p, ';', std::size_t(room));
        if (!semicolon)
            return false;
        const QByteArrayView name(m_p + 1, static_cast<const char*>(semicolon) - m_p - 1);
        m_p = static_cast<const char*>(semicolon) + 1;
        if (name.size() < 2 || name[0] != '#')
            return false;
        const bool hex = name[1] == 'x';
        const QByteArrayView digits = name.sliced(hex ? 2 : 1);
        std::uint32_t code = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
        if (digits.isEmpty() || digits[0] == '+' || digits[0] == '-' || error != std::errc()
            || end != digits.data() + digits.size() || code == 0 || code > 0x10FFFF
            || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        appendUtf8(text, char32_t(code));
        return true;
    }

    // UTF-8 without NUL as a text, every U+FEFF kept: one at the start is a character of the text, no
    // byte-order mark (which QString::fromUtf8 would drop).
    std::optional<QString> text(QByteArrayView utf8)
    {
        if (std::memchr(utf8.data(), 0, std::size_t(utf8.size())) || !utf8.isValidUtf8())
            return std::nullopt;
        const QString result = m_utf8.decode(utf8);
        if (!count(std::uint64_t(result.size()) * 2))
            return std::nullopt;
        return result;
    }

    std::optional<QString> textElement(const Tag& open)
    {
        if (open.selfClosing)
            return QString();
        QByteArray scratch;
        const auto utf8 = content(open.name, scratch);
        return utf8 ? text(*utf8) : std::nullopt;
    }

    std::optional<PlistValue> value(int depth)
    {
        if (!skipMisc())
            return std::nullopt;
        const auto open = tag();
        if (!open || open->closing || ++m_nodes > m_maxNodes || depth > m_maxDepth)
            return std::nullopt;
        const QByteArrayView name = open->name;
        if (name == "dict" || name == "array")
            return name == "dict" ? dictionary(*open, depth) : array(*open, depth);
        if (name == "string") {
            auto text = textElement(*open);
            return text ? std::optional<PlistValue>(PlistValue(*text)) : std::nullopt;
        }
        if (name == "true" || name == "false") {
            if (!open->selfClosing) {
                skipBlanks();
                const auto close = tag();
                if (!close || !close->closing || close->name != name)
                    return std::nullopt;
            }
            return PlistValue(name == "true");
        }
        if (open->selfClosing)
            return name == "data" ? std::optional<PlistValue>(PlistValue(QByteArray())) : std::nullopt;
        QByteArray scratch;
        const auto written = content(name, scratch);
        if (!written)
            return std::nullopt;
        if (name == "integer")
            return integerValue(*written);
        if (name == "real")
            return realValue(*written);
        if (name == "date")
            return dateValue(*written);
        if (name == "data") {
            auto data = dataValue(*written);
            if (!data || !count(std::uint64_t(data->toData()->size())))
                return std::nullopt;
            return data;
        }
        return std::nullopt;
    }

    // Whether the next tag here closes `name`; it is then passed over.
    bool closes(QByteArrayView name)
    {
        if (!startsWith("</"))
            return false;
        const char* at = m_p;
        const auto close = tag();
        if (close && close->name == name)
            return true;
        m_p = at;
        return false;
    }

    std::optional<PlistValue> dictionary(const Tag& open, int depth)
    {
        PlistValue::DictionaryType entries;
        if (open.selfClosing)
            return PlistValue(std::move(entries));
        for (;;) {
            if (!skipMisc())
                return std::nullopt;
            if (closes("dict"))
                return PlistValue(std::move(entries));
            const auto keyTag = tag();
            if (!keyTag || keyTag->closing || keyTag->name != "key" || ++m_nodes > m_maxNodes)
                return std::nullopt;
            auto key = textElement(*keyTag);
            if (!key)
                return std::nullopt;
            auto item = value(depth + 1);
            if (!item || !entries.emplace(std::move(*key), std::move(*item)).second)
                return std::nullopt;
        }
    }

    std::optional<PlistValue> array(const Tag& open, int depth)
    {
        PlistValue::ArrayType items;
        if (open.selfClosing)
            return PlistValue(std::move(items));
        for (;;) {
            if (!skipMisc())
                return std::nullopt;
            if (closes("array"))
                return PlistValue(std::move(items));
            auto item = value(depth + 1);
            if (!item)
                return std::nullopt;
            items.push_back(std::move(*item));
        }
    }

    const char* m_p;
    const char* const m_end;
    const int m_maxDepth;
    const std::size_t m_maxNodes;
    const std::uint64_t m_maxBytes;
    std::size_t m_nodes = 0;
    std::uint64_t m_bytes = 0;
    QStringDecoder m_utf8{QStringDecoder::Utf8,
                          QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom};
};

} // namespace

std::optional<PlistValue> XmlPlistReader::read(const QByteArray& bytes, int maxDepth, std::size_t maxNodes,
                                               std::uint64_t maxBytes)
{
    return Parser(bytes, maxDepth, maxNodes, maxBytes).document();
}

} // namespace Platform
