#pragma once

// How far this process's resident memory rose: the kernel's peak is set back to what is resident now,
// and read again later.

#include <QByteArray>
#include <QFile>

namespace PeakResident {

// A field of /proc/self/status in kibibytes ("VmRSS", "VmHWM"); -1 when absent.
inline long long statusKiB(const char* field)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Sets the peak back to what is resident now (Linux 4.0 on); gives that resident size in kibibytes.
inline long long reset()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
    return statusKiB("VmRSS");
}

// How many mebibytes the peak lies above `baseKiB`, as reset() gave it.
inline double mibAbove(long long baseKiB)
{
    return double(statusKiB("VmHWM") - baseKiB) / 1024.0;
}

} // namespace PeakResident
