#include "Platform/Sysfs/BlockDevices.h"

#include "Platform/Proc/ProcFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <charconv>

#include <dirent.h>
#include <fcntl.h>

namespace Platform {

namespace {

const QString kService = QStringLiteral("IOService:");
constexpr int kMaxStackDepth = 8; // dm over dm over a partition, and so on

bool isOptionalDisk(const QString& name)
{
    return name.startsWith(QLatin1String("ram")) || name.startsWith(QLatin1String("zram"))
        || name.startsWith(QLatin1String("loop"));
}

// Whether a folder of the tree is a partition's: kernels mark one with a "partition" file, kernels
// before it (up to 2.6.3x) with the "start" file only partitions have.
bool isPartitionFolder(const QString& absoluteFolder)
{
    return QFileInfo::exists(absoluteFolder + QStringLiteral("/partition"))
        || QFileInfo::exists(absoluteFolder + QStringLiteral("/start"));
}

} // namespace

BlockDevices::BlockDevices(QString root)
    : m_root(root.isEmpty() ? QStringLiteral("/") : std::move(root))
    , m_canonicalRoot(QFileInfo(m_root).canonicalFilePath())
{
    if (m_canonicalRoot.isEmpty())
        m_canonicalRoot = m_root;
}

QString BlockDevices::absolute(const QString& sysfsPath) const
{
    if (m_root == QLatin1String("/"))
        return sysfsPath;
    return m_root + sysfsPath;
}

QString BlockDevices::resolve(const QString& sysfsPath) const
{
    const QString canonical = QFileInfo(absolute(sysfsPath)).canonicalFilePath();
    if (canonical.isEmpty())
        return {};
    if (m_canonicalRoot == QLatin1String("/"))
        return canonical;
    if (canonical.startsWith(m_canonicalRoot + QLatin1Char('/')))
        return canonical.mid(m_canonicalRoot.size());
    return {};
}

QString BlockDevices::readText(const QString& sysfsPath) const
{
    return QString::fromUtf8(ProcFile::readFile(absolute(sysfsPath), 4096).trimmed());
}

QStringList BlockDevices::disks() const
{
    QStringList result;
    const QStringList names = QDir(absolute(QStringLiteral("/sys/block")))
                                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    for (const QString& name : names) {
        if (isOptionalDisk(name)) {
            const QString size = readText(QStringLiteral("/sys/block/") + name + QStringLiteral("/size"));
            if (size.isEmpty() || size == QLatin1String("0"))
                continue;
        }
        result.append(name);
    }
    return result;
}

QByteArray BlockDevices::disksStamp(const QStringList& watched) const
{
    // Asked on every registry lookup: plain directory reads, no sorting and no stat per entry.
    QByteArray stamp;
    stamp.reserve(512);
    const QByteArray path = QFile::encodeName(absolute(QStringLiteral("/sys/block")));
    if (DIR* dir = ::opendir(path.constData())) {
        while (const dirent* entry = ::readdir(dir)) {
            stamp += entry->d_name;
            stamp += ',';
        }
        ::closedir(dir);
    }
    // The same devices are watched from one lookup to the next: their paths are made once.
    if (!m_stampedKnown || watched != m_stampedNames) {
        m_stampedNames = watched;
        m_stampedSizes.clear();
        m_stampedSizes.reserve(size_t(watched.size()));
        for (const QString& name : watched)
            m_stampedSizes.push_back(
                {name.toUtf8() + '=',
                 QFile::encodeName(absolute(QStringLiteral("/sys/block/") + name + QStringLiteral("/size")))});
        m_stampedKnown = true;
    }
    for (const WatchedSize& size : m_stampedSizes) {
        stamp += size.label;
        if (const auto text = ProcFile::read(AT_FDCWD, size.sizePath.constData(), m_statBuffer))
            stamp.append(text->data(), qsizetype(text->size()));
    }
    return stamp;
}

QStringList BlockDevices::emptyDevices() const
{
    QStringList result;
    const QStringList names = QDir(absolute(QStringLiteral("/sys/block")))
                                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    for (const QString& name : names) {
        if (!isOptionalDisk(name))
            continue;
        const QString size = readText(QStringLiteral("/sys/block/") + name + QStringLiteral("/size"));
        if (size.isEmpty() || size == QLatin1String("0"))
            result.append(name);
    }
    return result;
}

QString BlockDevices::folder(const QString& name) const
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.startsWith(QLatin1Char('.')))
        return {};
    for (const char* base : {"/sys/block/", "/sys/class/block/"}) {
        const QString resolved = resolve(QLatin1String(base) + name);
        if (!resolved.isEmpty())
            return resolved;
    }
    // A partition, on trees without /sys/class/block.
    const QStringList names = QDir(absolute(QStringLiteral("/sys/block")))
                                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    for (const QString& disk : names) {
        const QString candidate = QStringLiteral("/sys/block/") + disk + QLatin1Char('/') + name;
        if (isPartitionFolder(absolute(candidate)))
            return resolve(candidate);
    }
    return {};
}

QString BlockDevices::deviceFolder(const QString& disk) const
{
    const QString own = folder(disk);
    if (own.isEmpty())
        return {};
    const QString device = resolve(own + QStringLiteral("/device"));
    return device.isEmpty() ? own : device;
}

QStringList BlockDevices::partitions(const QString& disk) const
{
    const QString own = folder(disk);
    if (own.isEmpty())
        return {};
    QStringList result;
    const QDir dir(absolute(own));
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name)) {
        if (isPartitionFolder(dir.filePath(name)))
            result.append(name);
    }
    return result;
}

QStringList BlockDevices::slaves(const QString& disk) const
{
    const QString own = folder(disk);
    if (own.isEmpty())
        return {};
    return QDir(absolute(own + QStringLiteral("/slaves")))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
}

QString BlockDevices::wholeDisk(const QString& name) const
{
    const QString own = folder(name);
    if (own.isEmpty())
        return {};
    if (isPartitionFolder(absolute(own)))
        return QFileInfo(own).path().section(QLatin1Char('/'), -1);
    return name;
}

QString BlockDevices::physicalDisk(const QString& name) const
{
    QString current = wholeDisk(name);
    for (int depth = 0; depth < kMaxStackDepth && !current.isEmpty(); ++depth) {
        const QStringList under = slaves(current);
        if (under.isEmpty())
            return current;
        const QString next = wholeDisk(under.first());
        if (next.isEmpty())
            return current;
        current = next;
    }
    return current;
}

std::optional<QString> BlockDevices::nameOfDevice(const QString& deviceNumber) const
{
    if (deviceNumber.isEmpty() || deviceNumber.contains(QLatin1Char('/')))
        return std::nullopt;
    const QString resolved = resolve(QStringLiteral("/sys/dev/block/") + deviceNumber);
    if (resolved.isEmpty())
        return std::nullopt;
    const QString name = resolved.section(QLatin1Char('/'), -1);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

QString BlockDevices::deviceNumber(const QString& name) const
{
    const QString own = folder(name);
    return own.isEmpty() ? QString() : readText(own + QStringLiteral("/dev"));
}

std::optional<QString> BlockDevices::udevProperty(const QString& deviceNumber, const QString& key) const
{
    if (deviceNumber.isEmpty() || deviceNumber.contains(QLatin1Char('/')))
        return std::nullopt;
    const QByteArray data = ProcFile::readFile(absolute(QStringLiteral("/run/udev/data/b") + deviceNumber), 1 << 16);
    const QByteArray prefix = "E:" + key.toUtf8() + '=';
    for (const QByteArray& line : data.split('\n')) {
        if (line.startsWith(prefix))
            return QString::fromUtf8(line.mid(prefix.size()));
    }
    return std::nullopt;
}

std::optional<QString> BlockDevices::protocol(const QString& disk) const
{
    const QString physical = physicalDisk(disk);
    if (physical.isEmpty())
        return std::nullopt;
    const QString path = deviceFolder(physical);
    if (path.contains(QLatin1String("/usb")))
        return QStringLiteral("USB");
    if (physical.startsWith(QLatin1String("nvme")))
        return QStringLiteral("PCI-Express");
    if (physical.startsWith(QLatin1String("mmcblk")))
        return QStringLiteral("Secure Digital");
    if (path.contains(QLatin1String("/ata")))
        return QStringLiteral("SATA");
    const QString driver = resolve(path + QStringLiteral("/driver")).section(QLatin1Char('/'), -1);
    if (driver == QLatin1String("virtio_blk") || physical.startsWith(QLatin1String("loop"))
        || physical.startsWith(QLatin1String("dm-")) || physical.startsWith(QLatin1String("md")))
        return QStringLiteral("Virtual Interface");
    return std::nullopt;
}

bool BlockDevices::isRemovable(const QString& disk) const
{
    const QString own = folder(disk);
    return !own.isEmpty() && readText(own + QStringLiteral("/removable")) == QLatin1String("1");
}

PlistValue::DictionaryType BlockDevices::characteristics(const QString& disk) const
{
    PlistValue::DictionaryType result;
    const QString own = folder(disk);
    if (own.isEmpty())
        return result;
    const QString device = deviceFolder(disk);
    auto put = [&result](const char* key, const QString& value) {
        if (!value.isEmpty())
            result.emplace(QLatin1String(key), PlistValue(value));
    };
    const bool hasDevice = device != own;
    if (hasDevice) {
        put("Product Name", readText(device + QStringLiteral("/model")));
        put("Vendor Name", readText(device + QStringLiteral("/vendor")));
    }
    QString serial = hasDevice ? readText(device + QStringLiteral("/serial")) : QString();
    if (serial.isEmpty())
        serial = readText(own + QStringLiteral("/serial"));
    if (serial.isEmpty())
        serial = udevProperty(deviceNumber(disk), QStringLiteral("ID_SERIAL_SHORT")).value_or(QString());
    put("Serial Number", serial);
    if (hasDevice) {
        QString revision = readText(device + QStringLiteral("/rev"));
        if (revision.isEmpty())
            revision = readText(device + QStringLiteral("/firmware_rev"));
        put("Product Revision Level", revision);
    }
    const QString rotational = readText(own + QStringLiteral("/queue/rotational"));
    if (rotational == QLatin1String("0"))
        put("Medium Type", QStringLiteral("Solid State"));
    else if (rotational == QLatin1String("1"))
        put("Medium Type", QStringLiteral("Rotational"));
    return result;
}

std::optional<PlistValue::DictionaryType> BlockDevices::parseStatistics(std::string_view text)
{
    std::uint64_t fields[8] = {};
    for (std::uint64_t& field : fields) {
        const auto value = ProcFile::takeUnsigned(text);
        if (!value)
            return std::nullopt;
        field = *value;
    }
    constexpr std::uint64_t sector = 512;
    constexpr std::uint64_t nanosecondsPerMillisecond = 1000000;
    auto times = [](std::uint64_t value, std::uint64_t factor) {
        return value > UINT64_MAX / factor ? UINT64_MAX : value * factor;
    };
    PlistValue::DictionaryType result;
    result.emplace(QStringLiteral("Operations (Read)"), PlistValue(fields[0]));
    result.emplace(QStringLiteral("Bytes (Read)"), PlistValue(times(fields[2], sector)));
    result.emplace(QStringLiteral("Total Time (Read)"), PlistValue(times(fields[3], nanosecondsPerMillisecond)));
    result.emplace(QStringLiteral("Operations (Write)"), PlistValue(fields[4]));
    result.emplace(QStringLiteral("Bytes (Write)"), PlistValue(times(fields[6], sector)));
    result.emplace(QStringLiteral("Total Time (Write)"), PlistValue(times(fields[7], nanosecondsPerMillisecond)));
    return result;
}

std::optional<PlistValue::DictionaryType> BlockDevices::statistics(const QString& disk) const
{
    if (disk.isEmpty() || disk.contains(QLatin1Char('/')) || disk.startsWith(QLatin1Char('.')))
        return std::nullopt;
    const QByteArray path = absolute(QStringLiteral("/sys/block/") + disk + QStringLiteral("/stat")).toLocal8Bit();
    const auto text = ProcFile::read(AT_FDCWD, path.constData(), m_statBuffer);
    if (!text)
        return std::nullopt;
    return parseStatistics(*text);
}

QString BlockDevices::usbDeviceFolder(const QString& folder) const
{
    QString current = folder;
    while (current.startsWith(QLatin1String("/sys/devices/"))) {
        if (QFileInfo::exists(absolute(current + QStringLiteral("/speed"))))
            return current;
        current = QFileInfo(current).path();
    }
    return {};
}

unsigned BlockDevices::speedValue(const QString& megabits)
{
    const QString text = megabits.trimmed();
    if (text == QLatin1String("1.5"))
        return 1;
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (!ok)
        return 0;
    if (value == 12)
        return 2;
    if (value == 480)
        return 3;
    if (value == 5000)
        return 4;
    if (value >= 10000)
        return 5;
    return 0;
}

std::optional<unsigned> BlockDevices::linkSpeed(const QString& usbFolder) const
{
    if (usbFolder.isEmpty())
        return std::nullopt;
    const QString text = readText(usbFolder + QStringLiteral("/speed"));
    if (text.isEmpty())
        return std::nullopt;
    return speedValue(text);
}

QString BlockDevices::devicePath(const QString& disk) const
{
    const QString device = deviceFolder(disk);
    return device.isEmpty() ? QString() : kService + device;
}

QString BlockDevices::driverPath(const QString& disk) const
{
    const QString own = folder(disk);
    return own.isEmpty() ? QString() : kService + own + QStringLiteral("/driver");
}

QString BlockDevices::mediaPath(const QString& name) const
{
    const QString own = folder(name);
    if (own.isEmpty())
        return {};
    return wholeDisk(name) == name ? kService + own + QStringLiteral("/media") : kService + own;
}

} // namespace Platform
