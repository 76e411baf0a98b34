#pragma once

namespace BaseKit {

// The outcome of a reachability test: whether it succeeded and how long the answer took, in seconds.
// Nothing in the program measures into it yet.
struct PingResult {
    bool isSuccess = false;
    double responseTime = 0.0;
};

} // namespace BaseKit
