#pragma once

namespace BaseKit {

enum class LogSeverity {
    debug = 0,
    trace = 1,
    info = 2,
    error = 3,
    fault = 4,
};

} // namespace BaseKit
