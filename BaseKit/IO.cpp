#include "BaseKit/IO.h"

#include "BaseKit/Text.h"

#include <QFileInfo>

#include <charconv>
#include <cmath>

namespace BaseKit {

namespace {

constexpr double kTwoTo64 = 18446744073709551616.0;

// Locale-free fixed-point text, rounded from the exact value of the double as the C formatting
// functions round (a tie such as 1.25 to one digit goes to the even digit: "1.2").
QString fixed(double value, int digits)
{
    char buffer[400];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, digits);
    if (result.ec != std::errc())
        return QString();
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString whole(std::uint64_t value)
{
    return QString::number(value);
}

// 1.50 -> 1.5, 2.00 -> 2: trailing zeros go, then a decimal point left at the end.
QString trimmed(QString text)
{
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (!text.isEmpty() && !text.back().isDigit())
        text.chop(1);
    return text;
}

// A rate in bytes per second from a byte count moved in an interval; none when the interval is not
// positive or the quotient has no unsigned 64-bit value.
std::optional<std::uint64_t> intervalRate(std::uint64_t bytes, double seconds)
{
    if (!(seconds > 0.0))
        return std::nullopt;
    const double rate = (1.0 / seconds) * static_cast<double>(bytes);
    if (!std::isfinite(rate) || rate >= kTwoTo64)
        return std::nullopt;
    return static_cast<std::uint64_t>(rate);
}

// The latest of the status-change, modification and access times of a file; a time the file
// system does not keep counts as the distant past. None when the file does not exist or keeps none.
std::optional<QDateTime> latestFileTime(const QFileInfo& info)
{
    if (!info.exists())
        return std::nullopt;
    std::optional<QDateTime> latest;
    for (QFileDevice::FileTime kind : {QFileDevice::FileMetadataChangeTime, QFileDevice::FileModificationTime,
                                       QFileDevice::FileAccessTime}) {
        const QDateTime time = info.fileTime(kind);
        if (time.isValid() && (!latest || time > *latest))
            latest = time;
    }
    return latest;
}

} // namespace

QString IO::sizeText(std::uint64_t bytes)
{
    if (bytes == 0)
        return QStringLiteral("0 B");
    if (bytes < (1ULL << 10))
        return whole(bytes) + QStringLiteral(" B");

    const double count = static_cast<double>(bytes);
    QString number;
    const char* unit = nullptr;
    if (bytes < (1ULL << 20)) {
        number = fixed(std::ldexp(count, -10), 2);
        unit = " KB";
    } else if (bytes < (1ULL << 30)) {
        number = fixed(std::ldexp(count, -20), 1);
        unit = " MB";
    } else if (bytes < (1ULL << 40)) {
        number = fixed(std::ldexp(count, -30), 2);
        unit = " GB";
    } else if (bytes < (1ULL << 50)) {
        number = fixed(std::ldexp(count, -40), 2);
        unit = " TB";
    } else if (bytes < (1ULL << 60)) {
        number = fixed(std::ldexp(count, -50), 2);
        unit = " PB";
    } else {
        number = fixed(std::ldexp(count, -60), 2);
        unit = " EB";
    }
    return trimmed(number) + QLatin1String(unit);
}

QString IO::rateText(std::uint64_t bytesPerSecond, bool inBits)
{
    if (!inBits) {
        const std::uint64_t rate = bytesPerSecond;
        if (rate < (1ULL << 10))
            return whole(rate) + QStringLiteral(" B/s");
        if (rate < (1ULL << 20))
            return whole(rate >> 10) + QStringLiteral(" KB/s");
        if (rate < 10 * (1ULL << 20))
            return fixed(std::ldexp(static_cast<double>(rate), -20), 2) + QStringLiteral(" MB/s");
        if (rate < 100 * (1ULL << 20))
            return fixed(std::ldexp(static_cast<double>(rate), -20), 1) + QStringLiteral(" MB/s");
        if (rate < (1ULL << 30))
            return whole(rate >> 20) + QStringLiteral(" MB/s");
        return fixed(std::ldexp(static_cast<double>(rate), -30), 2) + QStringLiteral(" GB/s");
    }

    // The bit count is kept in double precision: bytes × 8 has no 64-bit value from 2^61 bytes on.
    // Every threshold and every whole-number quotient below lies far under 2^53, so they are exact.
    const double bits = static_cast<double>(bytesPerSecond) * 8.0;
    if (bits <= 999.0)
        return whole(static_cast<std::uint64_t>(bits)) + QStringLiteral(" b/s");
    if (bits <= 999999.0)
        return whole(static_cast<std::uint64_t>(bits) / 1000) + QStringLiteral(" Kb/s");
    if (bits <= 999999999.0)
        return fixed(bits / 1e6, 2) + QStringLiteral(" Mb/s");
    if (bits <= 999999999999.0)
        return fixed(bits / 1e9, 2) + QStringLiteral(" Gb/s");
    return fixed(bits / 1e12, 2) + QStringLiteral(" Tb/s");
}

QString IO::compactRateText(std::uint64_t bytesPerSecond, bool inBits)
{
    if (!inBits) {
        const std::uint64_t rate = bytesPerSecond;
        if (rate < (1ULL << 10))
            return whole(rate) + QStringLiteral(" B/s");
        if (rate < (1ULL << 20))
            return whole(rate >> 10) + QStringLiteral(" KB/s");
        if (rate < (1ULL << 30))
            return whole(static_cast<std::uint64_t>(std::ldexp(static_cast<double>(rate), -20)))
                + QStringLiteral(" MB/s");
        return fixed(std::ldexp(static_cast<double>(rate), -30), 2) + QStringLiteral(" GB/s");
    }

    const double bits = static_cast<double>(bytesPerSecond) * 8.0;
    if (bits <= 999.0)
        return whole(static_cast<std::uint64_t>(bits)) + QStringLiteral(" b/s");
    if (bits <= 999999.0)
        return whole(static_cast<std::uint64_t>(bits) / 1000) + QStringLiteral(" Kb/s");
    if (bits <= 999999999.0)
        return whole(static_cast<std::uint64_t>(bits / 1e6)) + QStringLiteral(" Mb/s");
    // At most (2^64 − 1) × 8 / 10^9 ≈ 1.5 × 10^11: always a 64-bit value.
    return whole(static_cast<std::uint64_t>(bits / 1e9)) + QStringLiteral(" Gb/s");
}

QString IO::intervalRateText(std::uint64_t bytes, double seconds, bool inBits)
{
    const std::optional<std::uint64_t> rate = intervalRate(bytes, seconds);
    return rate ? rateText(*rate, inBits) : Text::dash;
}

QString IO::intervalCompactRateText(std::uint64_t bytes, double seconds, bool inBits)
{
    const std::optional<std::uint64_t> rate = intervalRate(bytes, seconds);
    return rate ? compactRateText(*rate, inBits) : Text::dash;
}

QString IO::compactByteRateText(std::uint64_t bytesPerSecond)
{
    // Counts of 2^64 − 1024 and more round to 2^64 as a double, one past the largest 64-bit value.
    const double asDouble = static_cast<double>(bytesPerSecond);
    const std::uint64_t rate
        = asDouble >= kTwoTo64 ? UINT64_MAX : static_cast<std::uint64_t>(asDouble);
    return compactRateText(rate, false);
}

std::optional<QDateTime> IO::lastUsedDate(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    const std::optional<QDateTime> latest = latestFileTime(QFileInfo(path));
    if (!latest)
        return std::nullopt;
    return QDateTime::fromSecsSinceEpoch(latest->toSecsSinceEpoch());
}

std::optional<QDateTime> IO::lastUsedDate(const QUrl& url)
{
    if (!url.isLocalFile())
        return std::nullopt;
    return latestFileTime(QFileInfo(url.toLocalFile()));
}

} // namespace BaseKit
