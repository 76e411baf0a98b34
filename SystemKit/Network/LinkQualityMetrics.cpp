#include "SystemKit/Network/LinkQualityMetrics.h"

#include <QStringList>

#include <limits>

namespace SystemKit {

namespace {

// An optional "+" or "-" and decimal digits only, within [low, high].
template <typename T>
std::optional<T> parseDecimal(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    qsizetype i = 0;
    bool negative = false;
    if (text[0] == QLatin1Char('+') || text[0] == QLatin1Char('-')) {
        negative = text[0] == QLatin1Char('-');
        i = 1;
    }
    if (i == text.size())
        return std::nullopt;
    // Accumulated as a magnitude that stops growing past any 32-bit range, so long texts cannot
    // overflow.
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        magnitude = std::min<std::int64_t>(magnitude * 10 + (c.unicode() - '0'), std::int64_t(1) << 40);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::int64_t(std::numeric_limits<T>::min()) || value > std::int64_t(std::numeric_limits<T>::max()))
        return std::nullopt;
    return T(value);
}

} // namespace

LinkQualityMetrics LinkQualityMetrics::parse(const QString& text)
{
    LinkQualityMetrics metrics;
    for (const QString& piece : text.split(QLatin1Char(' '))) {
        const QStringList pair = piece.split(QLatin1Char('='));
        if (pair.size() != 2)
            continue;
        const QString key = pair[0].toLower();
        const QString& value = pair[1];
        if (key == QLatin1String("rssi"))
            metrics.rssi = parseDecimal<std::int8_t>(value);
        else if (key == QLatin1String("rxdatarssi"))
            metrics.rxDataRssi = parseDecimal<std::int8_t>(value);
        else if (key == QLatin1String("tx"))
            metrics.tx = parseDecimal<std::uint32_t>(value);
        else if (key == QLatin1String("txf"))
            metrics.txf = parseDecimal<std::uint32_t>(value);
        else if (key == QLatin1String("txr"))
            metrics.txr = parseDecimal<std::uint32_t>(value);
        else if (key == QLatin1String("rxbeacons"))
            metrics.rxBeacons = parseDecimal<std::uint32_t>(value);
    }
    return metrics;
}

} // namespace SystemKit
