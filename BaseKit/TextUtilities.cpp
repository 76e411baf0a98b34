#include "BaseKit/TextUtilities.h"

#include <QRegularExpression>

#include <charconv>

namespace BaseKit {

QString TextUtilities::flagEmoji(const QString& countryCode)
{
    // The code comes from outside (a geolocation answer): only two letters A–Z form a flag.
    if (countryCode.size() != 2)
        return QString();
    QString flag;
    for (QChar c : countryCode) {
        const char16_t unit = c.unicode();
        char16_t letter = 0;
        if (unit >= u'A' && unit <= u'Z')
            letter = unit;
        else if (unit >= u'a' && unit <= u'z')
            letter = static_cast<char16_t>(unit - u'a' + u'A');
        else
            return QString();
        // Regional indicator symbols U+1F1E6 … U+1F1FF.
        const char32_t indicator = 0x1F1E6 + (letter - u'A');
        flag += QString::fromUcs4(&indicator, 1);
    }
    return flag;
}

std::optional<std::int64_t> TextUtilities::firstInteger(const QString& text)
{
    // Any decimal digit starts the run, as in a Unicode-aware search; only ASCII digits parse.
    static const QRegularExpression digits(QStringLiteral("\\d+"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = digits.match(text);
    if (!match.hasMatch() || match.capturedLength() == 0)
        return std::nullopt;
    const QString run = match.captured();
    for (QChar c : run) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    const QByteArray ascii = run.toLatin1();
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), value);
    if (error != std::errc() || end != ascii.constData() + ascii.size())
        return std::nullopt;
    return value;
}

} // namespace BaseKit
