#include "ViewKit/VKPercentText.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace ViewKit {

QString percentText(double fraction)
{
    const double percent = fraction > 1 ? 100.0 : fraction * 100.0;
    if (!std::isfinite(percent))
        return QStringLiteral("- %");
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, percent, std::chars_format::fixed, 0);
    if (result.ec != std::errc())
        return QStringLiteral("- %");
    return QString::fromLatin1(buffer, int(result.ptr - buffer)) + QStringLiteral(" %");
}

QString integerPercentText(double percent)
{
    if (!std::isfinite(percent) || percent >= 9223372036854775808.0 || percent < -9223372036854775808.0)
        return QStringLiteral("-%");
    return QString::number(static_cast<std::int64_t>(percent)) + QLatin1Char('%');
}

} // namespace ViewKit
