#pragma once

// How many heap blocks, and how many bytes, the calling thread asks for while a piece of work runs:
// malloc, calloc, realloc and operator new alike, in this program and in the libraries it uses (Qt's
// texts and containers allocate with malloc, its objects with new). A count is the same on a quiet and
// on a busy machine, where a processor time is not. Other threads' allocations meanwhile (a D-Bus
// connection's, a thread pool's) are not counted.
//
// The count comes from AddressSanitizer's allocator, which calls hooks at every allocation; the test
// and fuzz programs are built with it (scripts/test, tests/fuzz). A build without it cannot count:
// `available` is false there and the tests that count skip.

#include <cstddef>
#include <cstdint>
#include <utility>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTRION_ALLOCATIONS_FROM_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define KESTRION_ALLOCATIONS_FROM_SANITIZER 1
#endif

#ifdef KESTRION_ALLOCATIONS_FROM_SANITIZER
// The sanitizer runtime's hooks (GCC installs no header for its allocator interface). At most five
// pairs may be installed in a process, and none removed.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*malloc_hook)(const volatile void*, std::size_t),
                                                        void (*free_hook)(const volatile void*));
#endif

namespace AllocationCount {

struct Counts {
    std::uint64_t blocks = 0;
    std::uint64_t bytes = 0;
};

#ifdef KESTRION_ALLOCATIONS_FROM_SANITIZER
inline constexpr bool available = true;

// This thread's allocations since it started (or since the hooks went in). Constant-initialised, so
// that the hook reaches it without a call that could itself allocate.
inline thread_local Counts thisThread;

inline void countAllocation(const volatile void*, std::size_t size)
{
    ++thisThread.blocks;
    thisThread.bytes += size;
}

inline void ignoreFree(const volatile void*) {}

// Puts the hooks in, once for the whole program.
inline bool install()
{
    static const bool installed = __sanitizer_install_malloc_and_free_hooks(countAllocation, ignoreFree) != 0;
    return installed;
}
#else
inline constexpr bool available = false;
inline Counts thisThread;
inline bool install() { return false; }
#endif

// What the calling thread allocates while `work` runs (all zero where `available` is false).
template <typename Work>
Counts during(Work&& work)
{
    install();
    const Counts before = thisThread;
    std::forward<Work>(work)();
    const Counts after = thisThread;
    return {after.blocks - before.blocks, after.bytes - before.bytes};
}

} // namespace AllocationCount
