#pragma once

#include <QString>

#include <unicode/locid.h>
#include <unicode/numberformatter.h>
#include <unicode/unistr.h>

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

// Builds the formatter of a kind for a locale and a number of digits.
using MakeFormatter = icu::number::LocalizedNumberFormatter (*)(const icu::Locale& locale, int digits);

// A formatter for (current locale, kind, digits), built once per thread and kept: building one costs
// far more than formatting with it, and the cards format many values every second. `make` builds the
// formatter from the locale and the digits when the cache has none. The formatter lives in the cache,
// never in an argument: every argument is a plain value.
const icu::number::LocalizedNumberFormatter& cachedFormatter(int kind, int digits, MakeFormatter make);

} // namespace BaseKit::IcuNumberText
