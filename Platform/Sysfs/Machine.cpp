#include "Platform/Sysfs/Machine.h"

#include "Platform/System/AssignmentFile.h"
#include "Platform/Proc/ProcFile.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <charconv>
#include <vector>
#include <limits>

#include <sys/utsname.h>
#include <unistd.h>

namespace Platform {

namespace {

std::optional<long long> parseInteger(QByteArrayView text)
{
    const QByteArray trimmed = text.trimmed().toByteArray();
    long long value = 0;
    const char* begin = trimmed.constData();
    const char* end = begin + trimmed.size();
    if (begin == end)
        return std::nullopt;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

// "0-3,5,8-9" as processor numbers, ascending and each once; malformed pieces are skipped.
QList<int> parseProcessorList(const QByteArray& text)
{
    constexpr long long kLimit = 65536; // processor numbers 0 … 65535
    // Marks, not a search of the list so far: thousands of processors cost no quadratic time, and
    // overlapping ranges no more memory.
    std::vector<bool> listed;
    for (const QByteArray& piece : text.trimmed().split(',')) {
        const qsizetype dash = piece.indexOf('-');
        const auto first = parseInteger(dash < 0 ? piece : piece.left(dash));
        const auto last = dash < 0 ? first : parseInteger(piece.mid(dash + 1));
        if (!first || !last || *first < 0 || *last < *first || *last >= kLimit)
            continue;
        if (listed.size() <= std::size_t(*last))
            listed.resize(std::size_t(*last) + 1);
        std::fill(listed.begin() + *first, listed.begin() + *last + 1, true);
    }
    QList<int> result;
    for (std::size_t n = 0; n < listed.size(); ++n) {
        if (listed[n])
            result << int(n);
    }
    return result;
}

QString withoutNuls(QString text)
{
    text.remove(QChar(0));
    return text;
}

bool isFirmwarePlaceholder(const QString& text)
{
    static const QStringList placeholders{QStringLiteral("to be filled by o.e.m."), QStringLiteral("default string"),
                                          QStringLiteral("system product name"),
                                          QStringLiteral("system manufacturer")};
    return placeholders.contains(text.trimmed().toLower());
}

// The line of a /proc key-value file such as cpuinfo: "key<tabs>: value".
std::optional<QString> valueOfLine(const QString& line, const QString& key)
{
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0 || line.left(colon).trimmed() != key)
        return std::nullopt;
    return line.mid(colon + 1).trimmed();
}

} // namespace

KernelIdentity KernelIdentity::current()
{
    KernelIdentity identity;
    struct utsname name {};
    if (uname(&name) == 0) {
        identity.system = QString::fromLocal8Bit(name.sysname);
        identity.nodeName = QString::fromLocal8Bit(name.nodename);
        identity.release = QString::fromLocal8Bit(name.release);
        identity.machine = QString::fromLatin1(name.machine);
    }
    return identity;
}

KernelIdentity KernelIdentity::captured(const QString& root)
{
    const auto value = [&root](const char* relative) {
        return QString::fromUtf8(ProcFile::readFile(QDir(root).filePath(QLatin1String(relative)), 4096)).trimmed();
    };
    KernelIdentity identity;
    identity.system = value("proc/sys/kernel/ostype");
    identity.nodeName = value("proc/sys/kernel/hostname");
    identity.release = value("proc/sys/kernel/osrelease");
    identity.machine = value("proc/sys/kernel/arch");
    if (identity.release.isEmpty()) {
        // "Linux version 4.16.15-200.fc27.x86_64 (mockbuild@...) ..."
        const QStringList words = value("proc/version").split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() >= 3 && words[1] == QLatin1String("version")) {
            identity.release = words[2];
            if (identity.system.isEmpty())
                identity.system = words[0];
        }
    }
    return identity;
}

Machine::Machine(QString root, std::optional<KernelIdentity> kernel)
    : m_root(root.isEmpty() ? QStringLiteral("/") : std::move(root)),
      m_kernel(kernel ? std::move(*kernel) : KernelIdentity::current())
{
}

QString Machine::path(const QString& relative) const
{
    return QDir(m_root).filePath(relative);
}

QByteArray Machine::read(const QString& relative) const
{
    return ProcFile::readFile(path(relative), 4 * 1024 * 1024);
}

QString Machine::text(const QString& relative) const
{
    return withoutNuls(QString::fromUtf8(read(relative))).trimmed();
}

QString Machine::firstDevicetreeString(const QString& relative) const
{
    const QByteArray bytes = read(relative);
    const qsizetype nul = bytes.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? bytes : bytes.left(nul)).trimmed();
}

QString Machine::model() const
{
    const QString product = text(QStringLiteral("sys/class/dmi/id/product_name"));
    if (!product.isEmpty() && !isFirmwarePlaceholder(product))
        return product;
    return firstDevicetreeString(QStringLiteral("sys/firmware/devicetree/base/compatible"));
}

QString Machine::marketingName() const
{
    const QString treeModel = text(QStringLiteral("sys/firmware/devicetree/base/model"));
    if (!treeModel.isEmpty())
        return treeModel;
    QStringList parts;
    for (const QString& file : {QStringLiteral("sys/class/dmi/id/sys_vendor"), QStringLiteral("sys/class/dmi/id/product_name")}) {
        const QString value = text(file);
        if (!value.isEmpty() && !isFirmwarePlaceholder(value))
            parts << value;
    }
    return parts.join(QLatin1Char(' '));
}

std::optional<MachineDetails> Machine::hardwareDetails() const
{
    const QString name = marketingName();
    if (name.isEmpty())
        return std::nullopt;
    return MachineDetails{processorName(), QStringLiteral("-"), name, model()};
}

QString Machine::serialNumber() const
{
    const QString dmi = text(QStringLiteral("sys/class/dmi/id/product_serial"));
    if (!dmi.isEmpty() && !isFirmwarePlaceholder(dmi))
        return dmi;
    return firstDevicetreeString(QStringLiteral("sys/firmware/devicetree/base/serial-number"));
}

QStringList Machine::compatible() const
{
    // The kernel publishes the tree under /sys/firmware; /proc/device-tree links to the same place.
    constexpr qint64 limit = 64 * 1024;
    QByteArray bytes = ProcFile::readFile(path(QStringLiteral("sys/firmware/devicetree/base/compatible")), limit);
    if (bytes.isEmpty())
        bytes = ProcFile::readFile(path(QStringLiteral("proc/device-tree/compatible")), limit);
    QStringList result;
    for (const QByteArray& one : bytes.split('\0')) {
        const QString text = QString::fromUtf8(one).trimmed();
        if (!text.isEmpty())
            result << text;
    }
    return result;
}

QString Machine::cpuinfoValue(const QString& key) const
{
    const QStringList lines = QString::fromUtf8(read(QStringLiteral("proc/cpuinfo"))).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (const auto value = valueOfLine(line, key))
            return *value;
    }
    return {};
}

QString Machine::processorName() const
{
    const QString name = cpuinfoValue(QStringLiteral("model name"));
    if (!name.isEmpty())
        return name;
    return cpuinfoValue(QStringLiteral("Hardware"));
}

QString Machine::processorVendor() const
{
    return cpuinfoValue(QStringLiteral("vendor_id"));
}

QList<int> Machine::onlineProcessors() const
{
    const QByteArray online = read(QStringLiteral("sys/devices/system/cpu/online"));
    QList<int> result = parseProcessorList(online);
    if (!result.isEmpty())
        return result;
    // Without the online list: the processors the kernel lists, else the C library's count.
    result = processorFolders();
    if (result.isEmpty() && QDir(m_root).canonicalPath() == QStringLiteral("/")) {
        const long count = sysconf(_SC_NPROCESSORS_ONLN);
        for (long n = 0; n < count && n <= 65535; ++n)
            result << int(n);
    }
    return result;
}

QList<int> Machine::processorFolders() const
{
    const QStringList entries = QDir(path(QStringLiteral("sys/devices/system/cpu")))
                                    .entryList({QStringLiteral("cpu*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    static const QRegularExpression processorFolder(QStringLiteral("^cpu(\\d+)$"));
    QList<int> result;
    for (const QString& entry : entries) {
        const auto match = processorFolder.match(entry);
        if (match.hasMatch())
            result << match.captured(1).toInt();
    }
    std::sort(result.begin(), result.end());
    return result;
}

std::uint32_t Machine::coresAmong(const QList<int>& processors) const
{
    // A core is the set of processors that share it (its hardware threads). The sibling list names it
    // uniquely; core_id alone repeats across the clusters of ARM processors and across sockets.
    // Only a processor the kernel made a folder for has a topology to read; a list that names more
    // processors than there are folders costs no file reads for the others, each a core of its own.
    const QList<int> folders = processorFolders();
    QSet<QString> cores;
    std::uint32_t withoutFolder = 0;
    for (int cpu : processors) {
        if (!std::binary_search(folders.begin(), folders.end(), cpu)) {
            ++withoutFolder;
            continue;
        }
        const QString topology = QStringLiteral("sys/devices/system/cpu/cpu%1/topology/").arg(cpu);
        QString key = text(topology + QStringLiteral("core_cpus_list"));
        if (key.isEmpty())
            key = text(topology + QStringLiteral("thread_siblings_list"));
        if (key.isEmpty()) {
            const QString package = text(topology + QStringLiteral("physical_package_id"));
            const QString core = text(topology + QStringLiteral("core_id"));
            if (!package.isEmpty() && !core.isEmpty())
                key = package + QLatin1Char('/') + core;
        }
        if (key.isEmpty())
            key = QStringLiteral("cpu%1").arg(cpu);
        cores.insert(key);
    }
    return std::uint32_t(cores.size()) + withoutFolder;
}

std::uint32_t Machine::coreCount() const
{
    return coresAmong(onlineProcessors());
}

std::uint32_t Machine::threadCount() const
{
    return std::uint32_t(onlineProcessors().size());
}

std::optional<CoreKinds> Machine::coreKinds() const
{
    const QList<int> online = onlineProcessors();
    if (online.isEmpty())
        return std::nullopt;

    const QByteArray bigList = read(QStringLiteral("sys/devices/cpu_core/cpus"));
    const QByteArray smallList = read(QStringLiteral("sys/devices/cpu_atom/cpus"));
    if (!bigList.trimmed().isEmpty() && !smallList.trimmed().isEmpty()) {
        // The online list is ascending: a binary search per processor, not a walk of the whole list.
        const auto onlineAmong = [&online](const QByteArray& list) {
            QList<int> result;
            for (int cpu : parseProcessorList(list))
                if (std::binary_search(online.begin(), online.end(), cpu))
                    result << cpu;
            return result;
        };
        return CoreKinds{coresAmong(onlineAmong(bigList)), coresAmong(onlineAmong(smallList))};
    }

    // ARM: the processors of the highest capacity perform, the others save energy.
    QList<std::pair<int, long long>> capacities;
    long long highest = 0;
    for (int cpu : online) {
        const auto capacity = parseInteger(read(QStringLiteral("sys/devices/system/cpu/cpu%1/cpu_capacity").arg(cpu)));
        if (!capacity || *capacity <= 0)
            return std::nullopt;
        capacities.append({cpu, *capacity});
        highest = std::max(highest, *capacity);
    }
    QList<int> big, small;
    for (const auto& [cpu, capacity] : capacities)
        (capacity == highest ? big : small) << cpu;
    if (small.isEmpty())
        return std::nullopt;
    return CoreKinds{coresAmong(big), coresAmong(small)};
}

QString Machine::architecture() const
{
    return m_kernel.machine;
}

QString Machine::hostName() const
{
    return m_kernel.nodeName;
}

QString Machine::osRelease(const QString& key) const
{
    QByteArray bytes = read(QStringLiteral("etc/os-release"));
    if (bytes.isEmpty())
        bytes = read(QStringLiteral("usr/lib/os-release"));
    return AssignmentFile::values(QString::fromUtf8(bytes), key).value(0);
}

QString Machine::osName() const
{
    const QString name = osRelease(QStringLiteral("NAME"));
    if (!name.isEmpty())
        return name;
    return m_kernel.system.isEmpty() ? QStringLiteral("Linux") : m_kernel.system;
}

QString Machine::productVersion() const
{
    const QString version = osRelease(QStringLiteral("VERSION_ID"));
    return version.isEmpty() ? osRelease(QStringLiteral("BUILD_ID")) : version;
}

QString Machine::osVersionString() const
{
    const QString version = productVersion();
    QString result = QStringLiteral("Version ");
    if (!version.isEmpty())
        result += version;
    // No kernel release known (a captured tree without it): no empty "(Build )".
    if (m_kernel.release.isEmpty())
        return result.trimmed();
    if (!version.isEmpty())
        result += QLatin1Char(' ');
    return result + QStringLiteral("(Build ") + m_kernel.release + QLatin1Char(')');
}

int Machine::thermalState() const
{
    const QDir thermal(path(QStringLiteral("sys/class/thermal")));
    int state = -1;
    for (const QString& zone : thermal.entryList({QStringLiteral("thermal_zone*")}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString base = QStringLiteral("sys/class/thermal/") + zone + QLatin1Char('/');
        const auto temperature = parseInteger(read(base + QStringLiteral("temp")));
        if (!temperature)
            continue; // a zone whose sensor does not answer (a switched-off radio) says nothing
        state = std::max(state, 0);
        for (int trip = 0; trip < 64; ++trip) {
            const QString prefix = base + QStringLiteral("trip_point_%1_").arg(trip);
            const QByteArray type = read(prefix + QStringLiteral("type")).trimmed();
            if (type.isEmpty())
                break;
            const auto limit = parseInteger(read(prefix + QStringLiteral("temp")));
            // A trip point at 0 or below is switched off (x86_pkg_temp lists two of them).
            if (!limit || *limit <= 0 || *temperature < *limit)
                continue;
            if (type == "critical")
                state = std::max(state, 3);
            else if (type == "hot")
                state = std::max(state, 2);
            else if (type == "passive")
                state = std::max(state, 1);
        }
    }
    return state;
}

std::uint64_t Machine::physicalMemory() const
{
    for (const QByteArray& line : read(QStringLiteral("proc/meminfo")).split('\n')) {
        if (!line.startsWith("MemTotal:"))
            continue;
        QByteArray value = line.mid(9).trimmed();
        if (value.endsWith(" kB"))
            value.chop(3);
        const auto kib = parseInteger(value);
        if (!kib || *kib < 0 || std::uint64_t(*kib) > std::numeric_limits<std::uint64_t>::max() / 1024)
            return 0;
        return std::uint64_t(*kib) * 1024;
    }
    return 0;
}

HostBasicInfo Machine::hostBasicInfo() const
{
    HostBasicInfo info;
    const auto clampCount = [](std::uint32_t n) {
        return std::int32_t(std::min<std::uint32_t>(n, std::numeric_limits<std::int32_t>::max()));
    };
    const std::int32_t logical = clampCount(threadCount());
    const std::int32_t physical = clampCount(coreCount());
    const std::uint64_t memory = physicalMemory();
    info.maxProcessors = logical;
    info.availableProcessors = logical;
    info.memorySize = std::uint32_t(std::min<std::uint64_t>(memory, std::uint64_t(1) << 31));
    info.physicalProcessors = physical;
    info.physicalProcessorsMax = physical;
    info.logicalProcessors = logical;
    info.logicalProcessorsMax = logical;
    info.maxMemory = memory;
    return info;
}

} // namespace Platform
