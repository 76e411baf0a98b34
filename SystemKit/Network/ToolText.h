#pragma once

#include <QList>
#include <QStringView>

#include <cstdint>
#include <limits>
#include <optional>

namespace SystemKit {

// Reading the text that command-line tools print: lines and unsigned numbers, strictly.
class ToolText {
public:
    ToolText() = delete;

    // The text split at every newline character (line feed, vertical tab, form feed, carriage
    // return, next line, line separator, paragraph separator), empty pieces kept: "a\r\nb" gives
    // "a", "", "b". The views point into `text`.
    static QList<QStringView> lines(QStringView text);

    // An unsigned number in base 10 or 16: an optional "+" (or a "-" before a value of zero), then
    // one or more digits of the base only (a-f in either case for 16, no "0x"). None for anything
    // else or a value above `limit`.
    static std::optional<std::uint64_t> readUnsigned(QStringView field, int base, std::uint64_t limit);

    template <typename T>
    static std::optional<T> read(QStringView field, int base = 10)
    {
        const auto value = readUnsigned(field, base, std::numeric_limits<T>::max());
        if (!value)
            return std::nullopt;
        return static_cast<T>(*value);
    }
};

} // namespace SystemKit
