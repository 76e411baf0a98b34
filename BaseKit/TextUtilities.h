#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace BaseKit {

class TextUtilities {
public:
    TextUtilities() = delete;

    // The flag of a two-letter country code ("DE" or "de" gives the German flag). Anything but
    // exactly two ASCII letters gives the empty text.
    static QString flagEmoji(const QString& countryCode);

    // The first run of digits in the text as an integer ("Mac14,2" gives 14, "No. 0012" gives 12).
    // None when the text has no digits, when the first run holds digits other than 0 … 9, or when it
    // lies beyond the signed 64-bit range.
    static std::optional<std::int64_t> firstInteger(const QString& text);
};

} // namespace BaseKit
