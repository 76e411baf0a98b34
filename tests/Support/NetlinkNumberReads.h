#pragma once

// libnl reads a 16- or 32-bit attribute through a plain pointer of that width, inside a library the
// sanitizers do not see, and x86 reads a misaligned number without a fault: a reader that hands libnl
// an attribute off its boundary goes unnoticed. A program linked with
// -Wl,--wrap=nla_get_u16,--wrap=nla_get_u32 includes this header in one of its files: every such read
// then passes here first, and misaligned() counts those whose number does not lie at a multiple of its
// width.

#include <netlink/attr.h>

#include <atomic>
#include <cstdint>

namespace NetlinkNumberReads {

inline std::atomic<int> misalignedReads{0};

inline int misaligned() { return misalignedReads.load(); }

template <typename Number>
void check(const nlattr* attribute)
{
    if (reinterpret_cast<std::uintptr_t>(nla_data(attribute)) % sizeof(Number) != 0)
        ++misalignedReads;
}

} // namespace NetlinkNumberReads

extern "C" {

std::uint16_t __real_nla_get_u16(const nlattr* attribute);
std::uint32_t __real_nla_get_u32(const nlattr* attribute);

std::uint16_t __wrap_nla_get_u16(const nlattr* attribute)
{
    NetlinkNumberReads::check<std::uint16_t>(attribute);
    return __real_nla_get_u16(attribute);
}

std::uint32_t __wrap_nla_get_u32(const nlattr* attribute)
{
    NetlinkNumberReads::check<std::uint32_t>(attribute);
    return __real_nla_get_u32(attribute);
}

} // extern "C"
