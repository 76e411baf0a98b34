#pragma once

#include <QMetaType>

#include <cstdint>

namespace SystemKit {

// Speeds of one direction pair in bytes per second; the current record also keeps the last raw
// counters the speeds were computed from.
struct NetworkSpeed {
    std::uint32_t oldUpload = 0;
    std::uint32_t oldDownload = 0;
    std::uint64_t upload = 0;
    std::uint64_t download = 0;
};

// The current speeds and the highest ones seen while the adapter lives.
struct NetworkSpeeds {
    NetworkSpeed current;
    NetworkSpeed max;
};

// Whether the sampler's speeds are those of its current adapter or the per-process totals.
enum class NetworkSpeedMode { adapter, processes };

// What the sampler announces after each sample.
struct NetworkSpeedInfo {
    NetworkSpeedMode mode = NetworkSpeedMode::adapter;
    std::uint64_t download = 0;
    std::uint64_t upload = 0;
};

// The kinds of adapter and which adapters a listing covers; part of the library's vocabulary.
enum class AdapterType { unknown, IEEE80211, ETHERNET };
enum class AdapterMode { all, primary };

} // namespace SystemKit

Q_DECLARE_METATYPE(SystemKit::NetworkSpeedInfo)
