#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace BaseKit {

// What a shell command printed and how it ended.
struct ShellOutput {
    // Standard output and standard error in the order the command wrote them, decoded as UTF-8 (bytes
    // that are no UTF-8 become U+FFFD); the error's description when the shell could not be started.
    std::optional<QString> output;
    // The exit status; the signal number when a signal ended the command; -1 when it never started.
    std::int32_t exitCode = 0;
    // True when the command ended by exiting, false when a signal ended it or it never started.
    bool didExit = false;
    // True when the command was still running at its time limit and was killed.
    bool timedOut = false;
    // Working buffer while the command runs; empty once the run has returned.
    QByteArray data;
};

} // namespace BaseKit
