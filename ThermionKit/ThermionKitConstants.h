#pragma once

namespace ThermionKit {

// Names the program shares with the companion.
struct ThermionKitConstants {
    // The defaults suite both programs read and write.
    static constexpr const char* appGroup = "group.Q7ZT4K1XW2.com.brannock.thermion";
    // The companion's identifier: its desktop-file id and the session-bus name it owns while it runs.
    static constexpr const char* bundleIdentifier = "com.brannock.thermion";
};

} // namespace ThermionKit
