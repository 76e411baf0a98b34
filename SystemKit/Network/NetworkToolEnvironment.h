#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

namespace SystemKit {

// What the per-process traffic and connection listings run and look up. An empty member means this
// machine's own source; tests give a shell of their own that prints a captured listing, and lookups
// over invented processes.
struct NetworkToolEnvironment {
    // The shell that runs a listing's command line (called with "-c" and the line).
    QString shell;
    // A listing still running after this long is killed and its output dropped.
    std::chrono::milliseconds timeLimit{0};
    // The executable file of a process; none when it is gone or not readable.
    std::function<std::optional<QString>(std::uint32_t pid)> executablePath;
    // The name of the application an executable belongs to; none when it belongs to none.
    std::function<std::optional<QString>(const QString& executablePath)> applicationName;
    // The kernel's protocol-control-block list of "tcp" or "udp"; none when it cannot be read.
    std::function<std::optional<QByteArray>(const char* protocol)> controlBlocks;

    static constexpr std::chrono::milliseconds defaultTimeLimit{5000};

    // This machine's sources: "/bin/bash", the process table below `root`, no applications (an
    // executable here belongs to no application bundle), no control-block lists.
    static NetworkToolEnvironment live(const QString& root = QStringLiteral("/"));
    // This environment with every empty member taken from live(root).
    NetworkToolEnvironment completed(const QString& root = QStringLiteral("/")) const;
};

} // namespace SystemKit
