#include "BaseKit/Services/Shell.h"

#include <QDeadlineTimer>
#include <QProcess>

namespace BaseKit {

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

} // namespace BaseKit
