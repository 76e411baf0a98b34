#include "LanguageKit/TextFormat.h"

#include <QMetaType>

#include <cmath>
#include <optional>

namespace LanguageKit {

namespace {

enum class Conversion { Object, Signed, Unsigned, Real };

struct Placeholder {
    qsizetype length = 0;     // characters from "%" to the conversion, both included
    int position = 0;         // 1-based argument number, 0 when the placeholder takes the next one
    int precision = -1;       // fraction digits of %.Nf, -1 when not given
    Conversion conversion = Conversion::Object;
};

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Reads at most `maxDigits` decimal digits at `i`; none when there are no digits or more than that.
std::optional<int> readNumber(const QString& text, qsizetype& i, int maxDigits)
{
    int value = 0;
    int digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        if (++digits > maxDigits)
            return std::nullopt;
        value = value * 10 + (text[i].unicode() - '0');
        ++i;
    }
    if (digits == 0)
        return std::nullopt;
    return value;
}

// Parses the placeholder that starts with the "%" at `start`; none when it is not one we fill.
std::optional<Placeholder> parsePlaceholder(const QString& text, qsizetype start)
{
    Placeholder result;
    qsizetype i = start + 1;

    // A position "N$"; a run of digits that is not followed by "$" is a width, which we do not take.
    if (i < text.size() && isDigit(text[i])) {
        const auto position = readNumber(text, i, 3);
        if (!position || *position == 0 || i >= text.size() || text[i] != QLatin1Char('$'))
            return std::nullopt;
        result.position = *position;
        ++i;
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        const auto precision = readNumber(text, i, 2);
        if (!precision)
            return std::nullopt;
        result.precision = *precision;
    }
    int longs = 0;
    if (i < text.size() && text[i] == QLatin1Char('q')) {
        longs = 2;
        ++i;
    } else {
        while (i < text.size() && text[i] == QLatin1Char('l') && longs < 2) {
            ++longs;
            ++i;
        }
    }
    if (i >= text.size())
        return std::nullopt;

    const QChar c = text[i];
    if (c == QLatin1Char('@') && longs == 0 && result.precision < 0)
        result.conversion = Conversion::Object;
    else if ((c == QLatin1Char('d') || c == QLatin1Char('i')) && result.precision < 0)
        result.conversion = Conversion::Signed;
    else if (c == QLatin1Char('u') && result.precision < 0)
        result.conversion = Conversion::Unsigned;
    else if (c == QLatin1Char('f') && longs == 0)
        result.conversion = Conversion::Real;
    else
        return std::nullopt;
    result.length = i - start + 1;
    return result;
}

bool isIntegral(int typeId)
{
    switch (typeId) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool isUnsigned(int typeId)
{
    return typeId == QMetaType::UInt || typeId == QMetaType::ULong || typeId == QMetaType::ULongLong
        || typeId == QMetaType::UShort || typeId == QMetaType::UChar;
}

bool isFloating(int typeId)
{
    return typeId == QMetaType::Double || typeId == QMetaType::Float;
}

bool isText(int typeId)
{
    return typeId == QMetaType::QString || typeId == QMetaType::QByteArray || typeId == QMetaType::QChar;
}

QString integerText(const QVariant& value)
{
    return isUnsigned(value.typeId()) ? QString::number(value.toULongLong())
                                      : QString::number(value.toLongLong());
}

// The text of one argument at one placeholder. A number given to %@ shows as the number; text given
// to a number placeholder shows as the text: a mismatch costs the look, never the program.
QString argumentText(const QVariant& value, const Placeholder& placeholder)
{
    const int type = value.typeId();
    switch (placeholder.conversion) {
    case Conversion::Object:
        if (isIntegral(type))
            return integerText(value);
        return value.toString();
    case Conversion::Signed:
    case Conversion::Unsigned:
        if (isIntegral(type))
            return integerText(value);
        if (isFloating(type)) {
            const double real = value.toDouble();
            // Truncated toward zero like a conversion; a value outside 64 bits shows as written.
            if (std::isfinite(real) && std::fabs(real) < 9.2e18)
                return QString::number(static_cast<qlonglong>(real));
            return QString::number(real, 'g', 17);
        }
        return value.toString();
    case Conversion::Real:
        if (isIntegral(type) || isFloating(type)) {
            const int digits = placeholder.precision < 0 ? 6 : placeholder.precision;
            const double real = value.toDouble();
            if (std::isnan(real))
                return QStringLiteral("nan");
            if (std::isinf(real))
                return real < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
            return QString::number(real, 'f', digits);
        }
        return value.toString();
    }
    return value.toString();
}

} // namespace

QString TextFormat::apply(const QString& format, const QVariantList& arguments)
{
    QString result;
    result.reserve(format.size());
    qsizetype next = 0;   // the argument of the next placeholder without a position
    qsizetype i = 0;
    while (i < format.size()) {
        const qsizetype percent = format.indexOf(QLatin1Char('%'), i);
        if (percent < 0) {
            result += QStringView(format).mid(i);
            break;
        }
        result += QStringView(format).mid(i, percent - i);
        if (percent + 1 < format.size() && format[percent + 1] == QLatin1Char('%')) {
            result += QLatin1Char('%');
            i = percent + 2;
            continue;
        }
        const auto placeholder = parsePlaceholder(format, percent);
        if (!placeholder) {
            result += QLatin1Char('%');
            i = percent + 1;
            continue;
        }
        const qsizetype argument = placeholder->position > 0 ? placeholder->position - 1 : next++;
        if (argument < arguments.size() && arguments[argument].isValid())
            result += argumentText(arguments[argument], *placeholder);
        else
            result += QStringView(format).mid(percent, placeholder->length);
        i = percent + placeholder->length;
    }
    return result;
}

QStringList TextFormat::placeholders(const QString& format)
{
    QStringList result;
    qsizetype i = 0;
    while (i < format.size()) {
        const qsizetype percent = format.indexOf(QLatin1Char('%'), i);
        if (percent < 0)
            break;
        if (percent + 1 < format.size() && format[percent + 1] == QLatin1Char('%')) {
            i = percent + 2;
            continue;
        }
        if (const auto placeholder = parsePlaceholder(format, percent)) {
            result.append(format.mid(percent, placeholder->length));
            i = percent + placeholder->length;
        } else {
            i = percent + 1;
        }
    }
    return result;
}

bool TextFormat::isArgument(const QVariant& value)
{
    const int type = value.typeId();
    return isText(type) || isIntegral(type) || isFloating(type);
}

} // namespace LanguageKit
