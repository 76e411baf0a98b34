#pragma once

#include <QDateTime>
#include <QString>
#include <QUrl>

#include <cstdint>
#include <optional>

namespace BaseKit {

// Byte counts and byte rates as the short texts the cards show ("16 GB", "3.42 MB/s", "12 Mb/s").
// Numbers are written without a locale: "." as decimal point, no grouping. Unit names are not
// translated. Stateless; callable from any thread.
class IO {
public:
    IO() = delete;

    // Size in steps of 1024 ("0 B", "1023 B", "1.5 KB", "16 GB", "16 EB"); fractions trimmed.
    static QString sizeText(std::uint64_t bytes);

    // Rate of a byte count per second, in byte units (steps of 1024) or, with inBits, in bit units
    // (decimal steps on bytes × 8, up to "Tb/s").
    static QString rateText(std::uint64_t bytesPerSecond, bool inBits);

    // The same with whole numbers below the gigabyte step ("12 MB/s", "940 Mb/s").
    static QString compactRateText(std::uint64_t bytesPerSecond, bool inBits);

    // The rate of `bytes` moved in `seconds`; "-" for an interval of 0 or less, or one so small
    // that the rate has no 64-bit value.
    static QString intervalRateText(std::uint64_t bytes, double seconds, bool inBits);
    static QString intervalCompactRateText(std::uint64_t bytes, double seconds, bool inBits);

    // The compact byte-unit text of a count that passes through a double first.
    static QString compactByteRateText(std::uint64_t bytesPerSecond);

    // The latest of the access, modification and status-change times of a file or folder, in
    // whole seconds; none when the path cannot be read.
    static std::optional<QDateTime> lastUsedDate(const QString& path);
    // The same from a file URL, to the file system's precision; none when it cannot be read.
    static std::optional<QDateTime> lastUsedDate(const QUrl& url);
};

} // namespace BaseKit
