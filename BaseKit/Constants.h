#pragma once

#include <cstdint>

namespace BaseKit {

// Byte-unit multipliers: the binary series, then the decimal series (the same values as IOConstants).
struct Constants {
    static constexpr std::uint64_t kibibyte = 1024ULL;
    static constexpr std::uint64_t mebibyte = 1048576ULL;
    static constexpr std::uint64_t gibibyte = 1073741824ULL;
    static constexpr std::uint64_t tebibyte = 1099511627776ULL;
    static constexpr std::uint64_t pebibyte = 1125899906842624ULL;
    static constexpr std::uint64_t exbibyte = 1152921504606846976ULL;
    static constexpr std::uint64_t kilobyte = 1000ULL;
    static constexpr std::uint64_t megabyte = 1000000ULL;
    static constexpr std::uint64_t gigabyte = 1000000000ULL;
    static constexpr std::uint64_t terabyte = 1000000000000ULL;
    static constexpr std::uint64_t petabyte = 1000000000000000ULL;
    static constexpr std::uint64_t exabyte = 1000000000000000000ULL;
};

} // namespace BaseKit
