#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace BaseKit {

// Dates from seconds since 1970 and from texts.
class Timestamp {
public:
    Timestamp() = delete;

    // The current time as seconds since 1970 (DateEnvironment's clock).
    static double now();

    // The date of the given seconds since 1970 (to the millisecond); an invalid date for a value
    // that is not finite.
    static QDateTime date(double secondsSince1970);

    // The date that a text spells in a Unicode date pattern ("yyyy-MM-dd HH:mm"), read in
    // DateEnvironment's locale and time zone. None when the text does not match the pattern as a whole.
    static std::optional<QDateTime> date(const QString& text, const QString& format);
};

} // namespace BaseKit
