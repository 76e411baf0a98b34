#include "BaseKit/Text.h"

#include "BaseKit/IcuNumberText.h"

#include <QLocale>
#include <QTextBoundaryFinder>

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <vector>

namespace BaseKit::Text {

namespace {

// UTF-16 offsets of every character boundary: 0, the end of the first character, …, the length.
std::vector<qsizetype> characterBoundaries(const QString& text)
{
    std::vector<qsizetype> bounds{0};
    if (text.isEmpty())
        return bounds;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype next = finder.toNextBoundary();
    while (next != -1) {
        bounds.push_back(next);
        next = finder.toNextBoundary();
    }
    if (bounds.back() != text.size())
        bounds.push_back(text.size());
    return bounds;
}

QString between(const QString& text, const std::vector<qsizetype>& bounds, qsizetype start,
                qsizetype end)
{
    const qsizetype count = static_cast<qsizetype>(bounds.size()) - 1;
    if (start < 0 || start > count || end <= start)
        return QString();
    end = std::min(end, count);
    return text.mid(bounds[start], bounds[end] - bounds[start]);
}

std::optional<float> parseFloat(const char* first, const char* last)
{
    bool negative = false;
    const char* begin = first;
    // from_chars takes no "+" sign and no "0x" prefix, both of which the C conventions accept.
    if (begin != last && (*begin == '+' || *begin == '-')) {
        negative = *begin == '-';
        ++begin;
    }
    if (begin != last && *begin == '+')
        return std::nullopt;
    std::chars_format format = std::chars_format::general;
    if (last - begin > 2 && begin[0] == '0' && (begin[1] == 'x' || begin[1] == 'X')) {
        format = std::chars_format::hex;
        begin += 2;
        if (begin != last && (*begin == '+' || *begin == '-'))
            return std::nullopt;
    }
    if (begin != last && *begin == '-')
        return std::nullopt;

    float value = 0;
    const auto [end, error] = std::from_chars(begin, last, value, format);
    if (end != last)
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Too large gives infinity, too small gives zero, as strtof does.
        const std::string_view number(begin, static_cast<std::size_t>(last - begin));
        const std::size_t exponent
            = number.find_first_of(format == std::chars_format::hex ? "pP" : "eE");
        bool tiny = false;
        if (exponent != std::string_view::npos) {
            tiny = exponent + 1 < number.size() && number[exponent + 1] == '-';
        } else {
            const std::string_view integerPart = number.substr(0, number.find('.'));
            tiny = integerPart.find_first_not_of('0') == std::string_view::npos;
        }
        value = tiny ? 0.0f : std::numeric_limits<float>::infinity();
    } else if (error != std::errc()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace

QString truncated(const QString& text, qsizetype count)
{
    if (count <= 0)
        return QString();
    const std::vector<qsizetype> bounds = characterBoundaries(text);
    const qsizetype characters = static_cast<qsizetype>(bounds.size()) - 1;
    if (characters <= count)
        return text;
    return text.left(bounds[count]);
}

QString substring(const QString& text, qsizetype from, qsizetype length)
{
    if (length <= 0)
        return QString();
    const std::vector<qsizetype> bounds = characterBoundaries(text);
    const qsizetype characters = static_cast<qsizetype>(bounds.size()) - 1;
    const qsizetype end = length > characters ? characters : std::min(from + length, characters);
    return between(text, bounds, from, end);
}

QString substringTo(const QString& text, qsizetype from, qsizetype to)
{
    const std::vector<qsizetype> bounds = characterBoundaries(text);
    return between(text, bounds, std::max<qsizetype>(from, 0), to);
}

std::optional<float> floatValue(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    const char16_t first = text.front().unicode();
    if (first == u'\0' || first == u'\t' || first == u'\n' || first == u'\v' || first == u'\f'
        || first == u'\r' || first == u' ')
        return std::nullopt;
    const QByteArray utf8 = text.toUtf8();
    return parseFloat(utf8.constData(), utf8.constData() + utf8.size());
}

QString removingNullCharacters(const QString& text)
{
    QString result = text;
    result.remove(QChar(u'\0'));
    return result;
}

QString lastPathComponent(const QString& text)
{
    qsizetype end = text.size();
    while (end > 1 && text.at(end - 1) == QLatin1Char('/'))
        --end;
    const QString path = text.left(end);
    if (path == QLatin1String("/"))
        return path;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}

bool isNilOrEmpty(const std::optional<QString>& text)
{
    return !text || text->isEmpty();
}

QString decimalSeparator()
{
    const QString separator = QLocale().decimalPoint();
    return separator.isEmpty() ? QStringLiteral(".") : separator;
}

QString groupedText(std::int64_t value)
{
    using namespace icu::number;
    constexpr int kGroupedKind = 2;
    const LocalizedNumberFormatter& formatter
        = IcuNumberText::cachedFormatter(kGroupedKind, 0, [](const icu::Locale& locale, int) {
              return NumberFormatter::withLocale(locale)
                  .precision(Precision::integer())
                  .grouping(UNUM_GROUPING_ON_ALIGNED);
          });
    UErrorCode status = U_ZERO_ERROR;
    const FormattedNumber formatted = formatter.formatInt(value, status);
    return IcuNumberText::formattedText(formatted, status).value_or(QString());
}

} // namespace BaseKit::Text
