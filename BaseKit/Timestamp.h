#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace BaseKit {

struct DateEnvironment;

// Dates from seconds since 1970 and from texts.
class Timestamp {
public:
    Timestamp() = delete;

    // The current time as seconds since 1970 (the environment's clock).
    static double now(const DateEnvironment& environment);

    // The date of the given seconds since 1970 (to the millisecond); an invalid date for a value
    // that is not finite.
    static QDateTime date(double secondsSince1970);

    // The date that a text spells in a Unicode date pattern ("yyyy-MM-dd HH:mm"), read in
    // the environment's locale and time zone. None when the text does not match the pattern as a whole.
    static std::optional<QDateTime> date(const DateEnvironment& environment, const QString& text,
                                         const QString& format);
};

} // namespace BaseKit
