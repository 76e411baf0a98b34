#pragma once

#include "Platform/Registry/Registry.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace BaseKit {

// Reads single registry properties that the registry stores as raw bytes and turns them into a
// number or a text. Only data values are read; a property of any other kind, or none, gives none.
// The entry is a plain id: nothing is retained or released.
class IOKitHelper {
public:
    IOKitHelper() = delete;

    // The bytes as an unsigned integer in the machine's byte order. A value of eight bytes or more
    // reads its first eight whole (a frequency of 4.295 GHz or more keeps its high half); shorter
    // values read their first four bytes, one to three bytes with the missing high bytes as zero;
    // an empty value reads as 0.
    static std::optional<std::uint64_t> numberProperty(const Platform::Registry& registry,
                                                       Platform::RegistryEntryId entry, const QString& key);

    // The whole value decoded as strict UTF-8 (any invalid sequence gives none), NUL bytes kept.
    static std::optional<QString> stringProperty(const Platform::Registry& registry, Platform::RegistryEntryId entry,
                                                 const QString& key);

    // The number reading of a data value on its own.
    static std::uint64_t numberFromBytes(const QByteArray& bytes);
};

} // namespace BaseKit
