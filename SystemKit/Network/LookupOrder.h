#pragma once

#include <cstdint>

namespace SystemKit {

// Numbers lookups that may overlap, so that an answer older than the one already taken is dropped:
// each lookup takes a ticket when it starts, and its answer is taken only when no later ticket's
// answer was taken before it. A lookup whose answer the caller does not offer (one that failed,
// where failures change nothing) blocks nothing.
class LookupOrder {
public:
    // The ticket of a lookup that starts now.
    std::uint64_t begin() { return ++m_issued; }
    // Whether the answer of `ticket` is to be taken; if so, answers of earlier tickets no longer are.
    bool accept(std::uint64_t ticket)
    {
        if (ticket <= m_accepted)
            return false;
        m_accepted = ticket;
        return true;
    }

private:
    std::uint64_t m_issued = 0;
    std::uint64_t m_accepted = 0;
};

} // namespace SystemKit
