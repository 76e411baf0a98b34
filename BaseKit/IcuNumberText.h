#pragma once

#include <QString>

#include <unicode/locid.h>
#include <unicode/numberformatter.h>
#include <unicode/unistr.h>

#include <functional>
#include <optional>

namespace BaseKit::IcuNumberText {

// The ICU locale of the program's current locale (QLocale(), which follows the system unless a
// default was set). The C locale maps to ICU's POSIX English.
icu::Locale currentLocale();

// The name the cache keys on: QLocale().name().
QString currentLocaleName();

QString toQString(const icu::UnicodeString& text);

// The text of a formatted number, `status` being that of the formatting; none when ICU failed or
// gave no text.
std::optional<QString> formattedText(const icu::number::FormattedNumber& formatted, UErrorCode status);

// A formatter for (current locale, kind, digits), built once per thread and kept: building one costs
// far more than formatting with it, and the cards format many values every second. `make` builds the
// formatter from the locale when the cache has none.
const icu::number::LocalizedNumberFormatter& cachedFormatter(
    int kind, int digits,
    const std::function<icu::number::LocalizedNumberFormatter(const icu::Locale&)>& make);

} // namespace BaseKit::IcuNumberText
