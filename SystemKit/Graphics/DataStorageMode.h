#pragma once

namespace SystemKit {

// What a graphics card keeps besides its current sample. `all`: the sample before it, a history
// filled with placeholder samples at construction, and per-counter maxima and last-change times.
// `none`: the current sample only (the AMD card still keeps maxima and last-change times).
enum class DataStorageMode { all, none };

} // namespace SystemKit
