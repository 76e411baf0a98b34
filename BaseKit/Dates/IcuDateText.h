#pragma once

#include <QString>

#include <unicode/unistr.h>

namespace BaseKit {

enum class DateStyle;

// Date texts through ICU in DateEnvironment's locale and time zone, each with a formatter of its own.
class IcuDateText {
public:
    IcuDateText() = delete;

    // A Unicode date pattern ("yyyy-MM-dd HH:mm:ss.SSS") as it stands.
    static QString pattern(const QString& pattern, double timestamp);
    // The locale's best pattern for a template of fields ("MMMM", "MMM").
    static QString skeleton(const QString& skeleton, double timestamp);
    // The locale's date and time styles; both None give "".
    static QString styles(DateStyle dateStyle, DateStyle timeStyle, double timestamp);

    static icu::UnicodeString toIcu(const QString& text);
    static QString fromIcu(const icu::UnicodeString& text);
};

} // namespace BaseKit
