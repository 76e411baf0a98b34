#pragma once

namespace BaseKit {

// What lies at a path.
enum class PathType {
    invalid = 0, // nothing exists there
    file = 1,
    directory = 2,
};

} // namespace BaseKit
