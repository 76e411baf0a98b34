// Live samples of the processor and memory samplers next to the same figures worked out here straight
// from /proc, so the two can be compared by eye.
#include "LiveSample.h"

#include "SystemKit/Processor/MemoryController.h"
#include "SystemKit/Processor/ProcessorController.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <array>

#include <unistd.h>

namespace {

QTextStream out(stdout);

QString percent(double value)
{
    return QString::number(value, 'f', 1).rightJustified(5) + QStringLiteral(" %");
}

QString mebibytes(quint64 bytes)
{
    return QString::number(double(bytes) / 1048576.0, 'f', 1).rightJustified(9) + QStringLiteral(" MiB");
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The host line of /proc/stat as the kernel writes it: user nice system idle iowait irq softirq steal.
std::array<quint64, 8> procStatHost()
{
    std::array<quint64, 8> fields{};
    const QByteArray stat = readFile(QStringLiteral("/proc/stat"));
    const QList<QByteArray> parts = stat.left(stat.indexOf('\n')).simplified().split(' ');
    for (int i = 1; i < parts.size() && i <= 8; ++i)
        fields[std::size_t(i - 1)] = parts[i].toULongLong();
    return fields;
}

// utime + stime of /proc/[pid]/stat in clock ticks; -1 when unreadable.
qint64 procTicks(int pid)
{
    const QByteArray stat = readFile(QStringLiteral("/proc/%1/stat").arg(pid));
    const int close = stat.lastIndexOf(')');
    if (close < 0)
        return -1;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return fields[11].toLongLong() + fields[12].toLongLong();
}

quint64 meminfoKiB(const QByteArray& meminfo, const char* key)
{
    for (const QByteArray& line : meminfo.split('\n')) {
        if (line.startsWith(QByteArray(key) + ':'))
            return line.mid(qsizetype(qstrlen(key)) + 1).simplified().split(' ').value(0).toULongLong();
    }
    return 0;
}

} // namespace

int liveSamples(int samples)
{
    samples = std::max(1, samples);
    const double hz = double(::sysconf(_SC_CLK_TCK));

    SystemKit::ProcessorController processor(30);
    SystemKit::MemoryController memory(30);
    processor.setCollectProcessInformation(true);

    // The first sample gives averages since boot and no process loads: take it before the loop.
    auto previousHost = procStatHost();
    processor.refresh();
    QHash<int, qint64> previousTicks;
    for (const auto& process : processor.processes())
        previousTicks.insert(process->pid(), procTicks(process->pid()));
    QElapsedTimer clock;
    clock.start();

    for (int n = 1; n <= samples; ++n) {
        QThread::sleep(1);
        const double seconds = double(clock.restart()) / 1000.0;
        const auto host = procStatHost();
        processor.refresh();
        memory.refresh();

        std::array<double, 8> delta{};
        double all = 0;
        for (std::size_t i = 0; i < 8; ++i) {
            delta[i] = host[i] > previousHost[i] ? double(host[i] - previousHost[i]) : 0.0;
            all += delta[i];
        }
        previousHost = host;
        const double procUser = all > 0 ? delta[0] / all * 100 : 0;
        const double procSystem = all > 0 ? (delta[2] + delta[5] + delta[6] + delta[7]) / all * 100 : 0;

        out << "Sample " << n << "\n";
        out << "  processor  sampler: total " << percent(processor.total()) << "  user " << percent(processor.user())
            << "  system " << percent(processor.system()) << "  tasks " << processor.tasks() << "  threads "
            << processor.threads() << "\n";
        out << "             /proc  : total " << percent(procUser + procSystem) << "  user " << percent(procUser)
            << "  system " << percent(procSystem) << "\n";
        out << "  cores " << processor.cores().size() << ":";
        for (const auto& core : processor.cores())
            out << " " << QString::number(core->usage() * 100.0, 'f', 0) << "%";
        out << "\n";

        auto processes = processor.processes();
        std::sort(processes.begin(), processes.end(),
                  [](const auto& a, const auto& b) { return a->cpuUsage() > b->cpuUsage(); });
        out << "  top processes      pid  sampler   /proc   resident  name\n";
        QHash<int, qint64> ticks;
        for (const auto& process : processor.processes())
            ticks.insert(process->pid(), procTicks(process->pid()));
        for (qsizetype i = 0; i < std::min<qsizetype>(5, processes.size()); ++i) {
            const auto& process = processes[i];
            const qint64 now = ticks.value(process->pid(), -1);
            const qint64 before = previousTicks.value(process->pid(), -1);
            const QString fromProc = now >= 0 && before >= 0 ? percent(double(now - before) / hz / seconds * 100.0)
                                                             : QStringLiteral("    -  ");
            out << "    " << QString::number(process->pid()).rightJustified(17) << "  "
                << percent(process->cpuUsage()) << " " << fromProc << " " << mebibytes(process->memoryUsage())
                << "  " << process->name() << "\n";
        }
        previousTicks = ticks;

        const QByteArray meminfo = readFile(QStringLiteral("/proc/meminfo"));
        out << "  memory     sampler: used " << mebibytes(memory.total()) << "  free " << mebibytes(memory.free())
            << "  active " << mebibytes(memory.active()) << "  wired " << mebibytes(memory.wired())
            << "  compressed " << mebibytes(memory.compressed()) << "  usage " << percent(memory.usage() * 100)
            << "\n";
        out << "             /proc  : total " << mebibytes(meminfoKiB(meminfo, "MemTotal") * 1024) << "  free "
            << mebibytes(meminfoKiB(meminfo, "MemFree") * 1024) << "  available "
            << mebibytes(meminfoKiB(meminfo, "MemAvailable") * 1024) << "  active "
            << mebibytes(meminfoKiB(meminfo, "Active") * 1024) << "  zswap "
            << mebibytes(meminfoKiB(meminfo, "Zswap") * 1024) << "\n";
        out.flush();
    }
    return 0;
}
