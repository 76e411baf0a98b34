#pragma once

#include <QString>

#include <unicode/unistr.h>

namespace BaseKit {

enum class DateStyle;
struct DateEnvironment;

// Date texts through ICU in an environment's locale and time zone, each with a formatter of its own.
class IcuDateText {
public:
    IcuDateText() = delete;

    // A Unicode date pattern ("yyyy-MM-dd HH:mm:ss.SSS") as it stands.
    static QString pattern(const DateEnvironment& environment, const QString& pattern, double timestamp);
    // The locale's best pattern for a template of fields ("MMMM", "MMM").
    static QString skeleton(const DateEnvironment& environment, const QString& skeleton, double timestamp);
    // The locale's date and time styles; both None give "".
    static QString styles(const DateEnvironment& environment, DateStyle dateStyle, DateStyle timeStyle,
                          double timestamp);

    static icu::UnicodeString toIcu(const QString& text);
    static QString fromIcu(const icu::UnicodeString& text);
};

} // namespace BaseKit
