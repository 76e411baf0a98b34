#include "Platform/PropertyList/PlistXmlWriter.h"

#include "Platform/PropertyList/PlistWriteRules.h"

#include <QDate>
#include <QTime>
#include <QTimeZone>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace Platform {

namespace {

using Rules = PlistWriteRules;

constexpr std::string_view kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n";
constexpr std::string_view kTail = "</plist>\n";
// "2024-03-05T10:30:15Z": the years of the range take four digits.
constexpr std::uint64_t kDateSize = 20;

// A number's decimal characters.
class Digits {
public:
    template <typename Number>
    explicit Digits(Number number)
    {
        const auto result = std::to_chars(m_digits, m_digits + sizeof m_digits, number);
        m_size = std::size_t(result.ptr - m_digits);
    }
    std::string_view view() const { return {m_digits, m_size}; }

private:
    char m_digits[32];
    std::size_t m_size = 0;
};

// `number` as `width` decimal digits, zeros in front.
void appendDigits(QByteArray& out, int number, int width)
{
    char digits[8];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = char('0' + number % 10);
        number /= 10;
    }
    out.append(digits, width);
}

// The bytes a written text (surrogates only in pairs) takes as character data: its UTF-8, each '&',
// '<', '>' and CR as a reference.
std::uint64_t characterDataSize(const QString& text)
{
    std::uint64_t size = 0;
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x80)
            size += unit == '&' || unit == '\r' ? 5 : unit == '<' || unit == '>' ? 4 : 1;
        else if (unit < 0x800 || QChar::isSurrogate(unit))
            size += 2; // a pair of surrogates takes four bytes
        else
            size += 3;
    }
    return size;
}

// Where a pass puts down what it writes: Count counts the bytes, Bytes writes them.
class Count {
public:
    void append(std::string_view text) { m_size += text.size(); }
    void indent(int depth) { m_size += std::uint64_t(std::min(depth, PlistXmlWriter::kMaxIndent)); }
    // A text's size, of a long one found at its first place and kept in its note for the others.
    void text(Rules::Texts::Seen& seen)
    {
        if (!seen.note)
            seen.note = characterDataSize(*seen.written);
        m_size += *seen.note;
    }
    void data(const QByteArray& bytes) { m_size += (std::uint64_t(bytes.size()) + 2) / 3 * 4; }
    void date(const QDateTime&) { m_size += kDateSize; }

    std::uint64_t size() const { return m_size; }

private:
    // The bounds a pass keeps (Rules::Budget) keep this far below any overflow: some hundred
    // megabytes at most.
    std::uint64_t m_size = 0;
};

class Bytes {
public:
    explicit Bytes(QByteArray& out) : m_out(out) {}

    void append(std::string_view text) { m_out.append(text.data(), qsizetype(text.size())); }
    void indent(int depth)
    {
        static const QByteArray tabs(PlistXmlWriter::kMaxIndent, '\t');
        m_out.append(tabs.constData(), std::min(depth, PlistXmlWriter::kMaxIndent));
    }
    void text(Rules::Texts::Seen& seen)
    {
        const QByteArray utf8 = seen.written->toUtf8();
        const char* run = utf8.constData();
        const char* const end = run + utf8.size();
        for (const char* p = run; p != end; ++p) {
            const char* reference = nullptr;
            switch (*p) {
            case '&': reference = "&amp;"; break;
            case '<': reference = "&lt;"; break;
            case '>': reference = "&gt;"; break;
            case '\r': reference = "&#13;"; break;
            default: continue;
            }
            m_out.append(run, p - run);
            m_out.append(reference);
            run = p + 1;
        }
        m_out.append(run, end - run);
    }
    void data(const QByteArray& bytes) { m_out.append(bytes.toBase64()); }
    void date(const QDateTime& date)
    {
        const std::int64_t msecs = Rules::dateMilliseconds(date, Rules::Form::xml);
        const QDateTime utc = QDateTime::fromMSecsSinceEpoch(PlistValue::kDateEpochOffset * 1000 + msecs, QTimeZone::utc());
        const QDate day = utc.date();
        const QTime time = utc.time();
        appendDigits(m_out, day.year(), 4);
        m_out.append('-');
        appendDigits(m_out, day.month(), 2);
        m_out.append('-');
        appendDigits(m_out, day.day(), 2);
        m_out.append('T');
        appendDigits(m_out, time.hour(), 2);
        m_out.append(':');
        appendDigits(m_out, time.minute(), 2);
        m_out.append(':');
        appendDigits(m_out, time.second(), 2);
        m_out.append('Z');
    }

private:
    QByteArray& m_out;
};

// One pass over a value: every value is counted and checked by the rules, and put down in `sink`.
// Both passes take the same course, the second one over what the first found to hold.
template <typename Sink>
class Pass {
public:
    Pass(Sink& sink, Rules::Texts& texts) : m_sink(sink), m_texts(texts) {}

    // The whole document; false when the value writes nothing or breaks a rule.
    bool document(const PlistValue& value)
    {
        if (Rules::leftOut(value))
            return false;
        m_sink.append(kHead);
        if (!add(value, 0))
            return false;
        m_sink.append(kTail);
        return true;
    }

private:
    // One value that is not left out, on its own line at `depth`; false when it or a value it holds
    // breaks a rule.
    bool add(const PlistValue& value, int depth)
    {
        switch (value.type()) {
        case PlistValue::Type::None:
            return false;
        case PlistValue::Type::String: {
            const QString text = *value.toString();
            if (!m_budget.value(depth, std::uint64_t(text.size()) * 2))
                return false;
            Rules::Texts::Seen& seen = m_texts(text);
            if (!seen.written)
                return false;
            m_sink.indent(depth);
            m_sink.append("<string>");
            m_sink.text(seen);
            m_sink.append("</string>\n");
            return true;
        }
        case PlistValue::Type::Integer:
        case PlistValue::Type::Unsigned:
            if (!m_budget.value(depth))
                return false;
            m_sink.indent(depth);
            m_sink.append("<integer>");
            if (const auto number = value.toInt64())
                m_sink.append(Digits(*number).view());
            else
                m_sink.append(Digits(*value.toUInt64()).view());
            m_sink.append("</integer>\n");
            return true;
        case PlistValue::Type::Real:
            if (!m_budget.value(depth))
                return false;
            m_sink.indent(depth);
            m_sink.append("<real>");
            real(*value.toReal());
            m_sink.append("</real>\n");
            return true;
        case PlistValue::Type::Boolean:
            if (!m_budget.value(depth))
                return false;
            m_sink.indent(depth);
            m_sink.append(*value.toBool() ? "<true/>\n" : "<false/>\n");
            return true;
        case PlistValue::Type::Data: {
            const QByteArray bytes = *value.toData();
            if (!m_budget.value(depth, std::uint64_t(bytes.size())))
                return false;
            m_sink.indent(depth);
            m_sink.append("<data>");
            m_sink.data(bytes);
            m_sink.append("</data>\n");
            return true;
        }
        case PlistValue::Type::Date:
            if (!m_budget.value(depth))
                return false;
            m_sink.indent(depth);
            m_sink.append("<date>");
            m_sink.date(*value.toDate());
            m_sink.append("</date>\n");
            return true;
        case PlistValue::Type::Array:
            return array(*value.toArray(), depth);
        case PlistValue::Type::Dictionary:
            return dictionary(*value.toDictionary(), depth);
        }
        return false;
    }

    void real(double number)
    {
        if (std::isnan(number))
            m_sink.append("nan");
        else if (std::isinf(number))
            m_sink.append(number > 0 ? "inf" : "-inf");
        else
            m_sink.append(Digits(number).view()); // the shortest form that reads back as the same double
    }

    bool array(const PlistValue::ArrayType& items, int depth)
    {
        if (!m_budget.value(depth))
            return false;
        m_sink.indent(depth);
        const bool empty = std::all_of(items.begin(), items.end(), Rules::leftOut);
        if (empty) {
            m_sink.append("<array/>\n");
            return true;
        }
        m_sink.append("<array>\n");
        for (const PlistValue& item : items) {
            if (!Rules::leftOut(item) && !add(item, depth + 1))
                return false;
        }
        m_sink.indent(depth);
        m_sink.append("</array>\n");
        return true;
    }

    bool dictionary(const PlistValue::DictionaryType& entries, int depth)
    {
        const auto written = Rules::entries(entries, m_texts);
        if (!written || !m_budget.value(depth))
            return false;
        m_sink.indent(depth);
        if (written->empty()) {
            m_sink.append("<dict/>\n");
            return true;
        }
        m_sink.append("<dict>\n");
        for (const auto& [key, value] : *written) {
            if (!m_budget.key(key))
                return false;
            m_sink.indent(depth + 1);
            m_sink.append("<key>");
            m_sink.text(m_texts(key));
            m_sink.append("</key>\n");
            if (!add(*value, depth + 1))
                return false;
        }
        m_sink.indent(depth);
        m_sink.append("</dict>\n");
        return true;
    }

    Sink& m_sink;
    Rules::Texts& m_texts;
    Rules::Budget m_budget;
};

} // namespace

namespace {

// The size of the document `value` writes, its texts looked at through `texts`; none when it writes
// nothing or breaks a rule.
std::optional<std::uint64_t> countedSize(const PlistValue& value, Rules::Texts& texts)
{
    Count count;
    if (!Pass<Count>(count, texts).document(value))
        return std::nullopt;
    return count.size();
}

} // namespace

QByteArray PlistXmlWriter::write(const PlistValue& value)
{
    Rules::Texts texts;
    const auto size = countedSize(value, texts);
    if (!size)
        return {};
    QByteArray out;
    out.reserve(qsizetype(*size));
    Bytes bytes(out);
    const bool written = Pass<Bytes>(bytes, texts).document(value);
    Q_ASSERT(written && std::uint64_t(out.size()) == *size);
    return out;
}

std::optional<std::uint64_t> PlistXmlWriter::size(const PlistValue& value)
{
    Rules::Texts texts;
    return countedSize(value, texts);
}

} // namespace Platform
