#include "BaseKit/Services/Shell.h"

#include <QDeadlineTimer>
#include <QPointer>
#include <QProcess>
#include <QTimer>

#include <memory>

namespace BaseKit {

namespace {

// A finished run's process leaves its context before the completion runs, so that a completion that
// destroys the context does not destroy the process under its own signal.
void release(QProcess* process)
{
    process->disconnect();
    process->setParent(nullptr);
    process->deleteLater();
}

} // namespace

ShellOutput Shell::run(const QStringList& arguments, std::chrono::milliseconds timeLimit, const QString& program)
{
    ShellOutput result;
    QProcess process;
    // Standard output and standard error share one channel, in the order the command wrote them.
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(program, QStringList{QStringLiteral("-c")} + arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(-1)) {
        result.output = process.errorString();
        result.exitCode = -1;
        result.didExit = false;
        return result;
    }

    // Drain the pipe while waiting, so that a command printing megabytes never blocks on a full pipe.
    const QDeadlineTimer deadline(timeLimit);
    bool finished = false;
    while (!finished) {
        const qint64 left = deadline.remainingTime();
        if (left == 0)
            break;
        finished = process.waitForFinished(int(std::min<qint64>(left, 1000)));
        result.data += process.readAll();
        if (!finished && process.state() == QProcess::NotRunning)
            finished = true;
    }
    if (!finished) {
        result.timedOut = true;
        process.kill();
        process.waitForFinished(-1);
    }
    // Whatever is still in the pipe after the exit belongs to the output too.
    result.data += process.readAll();

    result.output = QString::fromUtf8(result.data);
    result.data.clear();
    result.didExit = finished && process.exitStatus() == QProcess::NormalExit;
    // After a signal Qt's exit code holds the signal number, which is what the caller is told.
    result.exitCode = process.exitCode();
    return result;
}

void Shell::start(const QStringList& arguments, std::chrono::milliseconds timeLimit, QObject* context,
                  Completion completion, const QString& program)
{
    // The process is the context's child: it dies with the context, and nothing is reported then.
    auto* process = new QProcess(context);
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setInputChannelMode(QProcess::ForwardedInputChannel);
    auto* limit = new QTimer(process);
    limit->setSingleShot(true);

    struct Run {
        ShellOutput result;
        Completion completion;
        bool reported = false;
    };
    auto run = std::make_shared<Run>();
    run->completion = std::move(completion);

    const auto finish = [process, run]() {
        if (run->reported)
            return;
        run->reported = true;
        run->result.data += process->readAll();
        run->result.output = QString::fromUtf8(run->result.data);
        run->result.data.clear();
        run->result.didExit = !run->result.timedOut && process->exitStatus() == QProcess::NormalExit;
        run->result.exitCode = process->exitCode();
        release(process);
        if (run->completion)
            run->completion(run->result);
    };

    // The context goes first: its process is stopped before it is deleted with it, and reports nothing.
    QObject::connect(context, &QObject::destroyed, process, [process, run]() {
        run->reported = true;
        process->disconnect();
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(-1);
        }
    });

    // Drained as it arrives, so that a command printing megabytes never blocks on a full pipe.
    QObject::connect(process, &QProcess::readyRead, process, [process, run]() { run->result.data += process->readAll(); });
    QObject::connect(process, &QProcess::finished, process, finish);
    QObject::connect(process, &QProcess::errorOccurred, process, [process, run](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart || run->reported)
            return;
        run->reported = true;
        run->result.output = process->errorString();
        run->result.exitCode = -1;
        run->result.didExit = false;
        // The error may come from within QProcess::start; the caller hears of it from the event loop.
        QMetaObject::invokeMethod(
            process,
            [process, run]() {
                release(process);
                if (run->completion)
                    run->completion(run->result);
            },
            Qt::QueuedConnection);
    });
    QObject::connect(limit, &QTimer::timeout, process, [process, run]() {
        run->result.timedOut = true;
        process->kill(); // `finished` follows and reports what was printed so far
    });
    limit->start(std::chrono::duration_cast<std::chrono::milliseconds>(timeLimit));
    process->start(program, QStringList{QStringLiteral("-c")} + arguments, QIODevice::ReadOnly);
}

} // namespace BaseKit
