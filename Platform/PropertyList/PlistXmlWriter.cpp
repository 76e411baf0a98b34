#include "Platform/PropertyList/PlistXmlWriter.h"

#include "Platform/PropertyList/PlistWriteRules.h"

#include <QDate>
#include <QTime>
#include <QTimeZone>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace Platform {

namespace {

using Rules = PlistWriteRules;

template <typename Number>
void appendNumber(QByteArray& out, Number number)
{
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, number);
    out.append(digits, result.ptr - digits);
}

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

class Writer {
public:
    QByteArray write(const PlistValue& value)
    {
        if (Rules::leftOut(value))
            return {};
        m_out.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n");
        if (!add(value, 0))
            return {};
        m_out.append("</plist>\n");
        return m_out;
    }

private:
    void indent(int depth)
    {
        static const QByteArray tabs(PlistXmlWriter::kMaxIndent, '\t');
        m_out.append(tabs.constData(), std::min(depth, PlistXmlWriter::kMaxIndent));
    }

    // `text` as character data.
    void appendText(const QString& text)
    {
        const QByteArray utf8 = text.toUtf8();
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

    void appendReal(double number)
    {
        if (std::isnan(number))
            m_out.append("nan");
        else if (std::isinf(number))
            m_out.append(number > 0 ? "inf" : "-inf");
        else
            appendNumber(m_out, number); // the shortest form that reads back as the same double
    }

    void appendDate(const QDateTime& date)
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

    // One value that is not left out, on its own line at `depth`; false when it or a value it holds
    // breaks a rule.
    bool add(const PlistValue& value, int depth)
    {
        switch (value.type()) {
        case PlistValue::Type::None:
            return false;
        case PlistValue::Type::String: {
            const auto text = Rules::text(*value.toString());
            if (!text || !m_budget.value(depth, std::uint64_t(text->size()) * 2))
                return false;
            indent(depth);
            m_out.append("<string>");
            appendText(*text);
            m_out.append("</string>\n");
            return true;
        }
        case PlistValue::Type::Integer:
        case PlistValue::Type::Unsigned:
            if (!m_budget.value(depth))
                return false;
            indent(depth);
            m_out.append("<integer>");
            if (const auto number = value.toInt64())
                appendNumber(m_out, *number);
            else
                appendNumber(m_out, *value.toUInt64());
            m_out.append("</integer>\n");
            return true;
        case PlistValue::Type::Real:
            if (!m_budget.value(depth))
                return false;
            indent(depth);
            m_out.append("<real>");
            appendReal(*value.toReal());
            m_out.append("</real>\n");
            return true;
        case PlistValue::Type::Boolean:
            if (!m_budget.value(depth))
                return false;
            indent(depth);
            m_out.append(*value.toBool() ? "<true/>\n" : "<false/>\n");
            return true;
        case PlistValue::Type::Data: {
            const QByteArray bytes = *value.toData();
            if (!m_budget.value(depth, std::uint64_t(bytes.size())))
                return false;
            indent(depth);
            m_out.append("<data>");
            m_out.append(bytes.toBase64());
            m_out.append("</data>\n");
            return true;
        }
        case PlistValue::Type::Date:
            if (!m_budget.value(depth))
                return false;
            indent(depth);
            m_out.append("<date>");
            appendDate(*value.toDate());
            m_out.append("</date>\n");
            return true;
        case PlistValue::Type::Array:
            return array(*value.toArray(), depth);
        case PlistValue::Type::Dictionary:
            return dictionary(*value.toDictionary(), depth);
        }
        return false;
    }

    bool array(const PlistValue::ArrayType& items, int depth)
    {
        if (!m_budget.value(depth))
            return false;
        indent(depth);
        const bool empty = std::all_of(items.begin(), items.end(), Rules::leftOut);
        if (empty) {
            m_out.append("<array/>\n");
            return true;
        }
        m_out.append("<array>\n");
        for (const PlistValue& item : items) {
            if (!Rules::leftOut(item) && !add(item, depth + 1))
                return false;
        }
        indent(depth);
        m_out.append("</array>\n");
        return true;
    }

    bool dictionary(const PlistValue::DictionaryType& entries, int depth)
    {
        const auto written = Rules::entries(entries);
        if (!written || !m_budget.value(depth))
            return false;
        indent(depth);
        if (written->empty()) {
            m_out.append("<dict/>\n");
            return true;
        }
        m_out.append("<dict>\n");
        for (const auto& [key, value] : *written) {
            if (!m_budget.key(key))
                return false;
            indent(depth + 1);
            m_out.append("<key>");
            appendText(key);
            m_out.append("</key>\n");
            if (!add(*value, depth + 1))
                return false;
        }
        indent(depth);
        m_out.append("</dict>\n");
        return true;
    }

    Rules::Budget m_budget;
    QByteArray m_out;
};

} // namespace

QByteArray PlistXmlWriter::write(const PlistValue& value)
{
    return Writer().write(value);
}

} // namespace Platform
