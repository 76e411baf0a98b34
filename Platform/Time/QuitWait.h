#pragma once

#include <chrono>

namespace Platform {

// The longest a source waits, as it goes, for a thread of its own that asks the system (the process
// table's reader, the Wi-Fi query) to end; a thread that takes longer is left to end by itself. The
// program quits in under a second because of it: the sources that have such a thread wait one after
// the other, and all of their waits together stay well below a second.
inline constexpr std::chrono::milliseconds quitWait{200};

} // namespace Platform
