#pragma once

#include <cstdint>

namespace ThermionKit {

// The values of a stored list of records once each dictionary shared at several places is counted at
// each of them: the list, and each dictionary with its keys and values (what a value holds in turn
// is counted by the reader as it reads it). Counting stops once past `bound`, so that a list of
// shared references costs no more than one of its own values.
template <typename Source>
std::uint64_t listedElements(const Source& source, typename Source::Node list, std::uint64_t count, std::uint64_t bound)
{
    std::uint64_t elements = 1;
    for (std::uint64_t i = 0; i < count && elements <= bound; ++i) {
        const auto item = source.item(list, i);
        elements += 1 + 2 * (item ? source.entries(*item) : 0);
    }
    return elements;
}

} // namespace ThermionKit
