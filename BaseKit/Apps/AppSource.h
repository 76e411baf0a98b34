#pragma once

namespace BaseKit {

// Where an application came from. Linux has no application store of ours: every application is
// `other`.
enum class AppSource {
    appStore = 0,
    other = 1,
};

} // namespace BaseKit
