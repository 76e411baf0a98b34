#pragma once

#include "BaseKit/Services/ShellOutput.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

class QObject;

namespace BaseKit {

// Runs a command line through "/bin/bash" "-c" and waits for it. Standard input, environment and
// working folder are the caller's. Only constant command lines belong here: a command built from
// outside data runs its program directly with an argument list instead.
class Shell {
public:
    static constexpr std::chrono::milliseconds defaultTimeLimit{60000};

    // `arguments` follow "-c" (in practice one element, the whole command line). Blocks until the
    // command ends; a command still running after `timeLimit` is killed and what it printed so far is
    // returned (`didExit` false). `program` is the shell to start (tests replace it).
    static ShellOutput run(const QStringList& arguments, std::chrono::milliseconds timeLimit = defaultTimeLimit,
                           const QString& program = QStringLiteral("/bin/bash"));

    using Completion = std::function<void(const ShellOutput& output)>;

    // As `run`, without waiting: starts the command and returns at once. `completion` is called once,
    // on `context`'s thread from its event loop, when the command has ended, was killed at `timeLimit`
    // (`timedOut` true) or could not be started. Destroying `context` first kills the command and
    // drops the completion.
    static void start(const QStringList& arguments, std::chrono::milliseconds timeLimit, QObject* context,
                      Completion completion, const QString& program = QStringLiteral("/bin/bash"));
};

} // namespace BaseKit
