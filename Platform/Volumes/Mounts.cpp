#include "Platform/Volumes/Mounts.h"

#include "Platform/System/KernelName.h"
#include "Platform/Proc/ProcFile.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace Platform {

namespace {

std::optional<VolumeCapacity> statvfsCapacity(const QString& path)
{
    struct statvfs info {};
    if (::statvfs(KernelName::encode(path).constData(), &info) != 0)
        return std::nullopt;
    VolumeCapacity capacity;
    const std::uint64_t unit = info.f_frsize ? info.f_frsize : info.f_bsize;
    capacity.total = std::uint64_t(info.f_blocks) * unit;
    capacity.available = std::uint64_t(info.f_bavail) * unit;
    capacity.used = std::uint64_t(info.f_blocks >= info.f_bfree ? info.f_blocks - info.f_bfree : 0) * unit;
    return capacity;
}

bool isRootOfFileSystem(const MountEntry& entry)
{
    if (entry.root == QLatin1String("/"))
        return true;
    // A btrfs subvolume mounted by its own name is that subvolume's root, not a bind mount.
    return entry.fileSystemType == QLatin1String("btrfs") && entry.superOption(QStringLiteral("subvol")) == entry.root;
}

} // namespace

Mounts::Mounts(QString root, QObject* parent)
    : QObject(parent)
    , m_root(root.isEmpty() ? QStringLiteral("/") : std::move(root))
    , m_disks(m_root)
{
    m_capacity = [this](const QString& mountPoint) {
        return statvfsCapacity(m_root == QLatin1String("/") ? mountPoint : m_root + mountPoint);
    };
}

Mounts::~Mounts()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void Mounts::setCapacityReader(CapacityReader reader)
{
    if (reader)
        m_capacity = std::move(reader);
}

QString Mounts::tablePath() const
{
    return ProcFile::join(m_root, "proc/self/mountinfo");
}

void Mounts::load()
{
    if (!m_loaded)
        update();
}

void Mounts::update()
{
    const QByteArray path = QFile::encodeName(tablePath());
    const auto text = ProcFile::read(AT_FDCWD, path.constData(), m_buffer);
    const std::string_view current = text ? *text : std::string_view();
    if (m_loaded && current == m_text)
        return;
    m_loaded = true;
    m_text.assign(current);
    m_entries = MountEntry::parse(QByteArrayView(m_text.data(), qsizetype(m_text.size())));

    const std::size_t count = m_entries.size();
    m_visible.assign(count, false);
    m_browsable.assign(count, false);
    QHash<QString, std::size_t> lastAt;
    for (std::size_t i = 0; i < count; ++i)
        lastAt.insert(m_entries[i].mountPoint, i);
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < count; ++i) {
        m_visible[i] = lastAt.value(m_entries[i].mountPoint) == i;
        if (m_visible[i] && m_entries[i].isBlockDevice())
            order.push_back(i);
    }
    // The root file system claims its device first.
    std::stable_partition(order.begin(), order.end(),
                          [this](std::size_t i) { return m_entries[i].mountPoint == QLatin1String("/"); });
    QSet<QString> claimed;
    for (std::size_t i : order) {
        const MountEntry& entry = m_entries[i];
        if (!isRootOfFileSystem(entry) || entry.fileSystemType == QLatin1String("squashfs"))
            continue;
        const QByteArray point = KernelName::encode(m_root == QLatin1String("/") ? entry.mountPoint : m_root + entry.mountPoint);
        struct stat info {};
        if (::stat(point.constData(), &info) == 0 && !S_ISDIR(info.st_mode))
            continue;
        const QString device = entry.major != 0 ? entry.deviceNumber() : entry.source;
        if (claimed.contains(device))
            continue;
        claimed.insert(device);
        m_browsable[i] = true;
    }
}

const std::vector<MountEntry>& Mounts::entries()
{
    load();
    return m_entries;
}

QStringList Mounts::volumes()
{
    load();
    QStringList result;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_visible[i] && m_entries[i].isBlockDevice())
            result.append(m_entries[i].mountPoint);
    }
    return result;
}

bool Mounts::isMounted(const QString& path)
{
    load();
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_visible[i] && m_entries[i].mountPoint == path && m_entries[i].isBlockDevice())
            return true;
    }
    return false;
}

std::optional<MountEntry> Mounts::entry(const QString& path)
{
    load();
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_visible[i] && m_entries[i].mountPoint == path)
            return m_entries[i];
    }
    return std::nullopt;
}

std::optional<VolumeResourceValues> Mounts::resourceValues(const QString& path)
{
    load();
    std::size_t index = m_entries.size();
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_visible[i] && m_entries[i].mountPoint == path && m_entries[i].isBlockDevice())
            index = i;
    }
    if (index == m_entries.size())
        return std::nullopt;
    VolumeResourceValues values;
    values.isBrowsable = bool(m_browsable[index]);
    if (!m_browsable[index])
        return values;

    const MountEntry& mount = m_entries[index];
    const auto device = m_disks.bsdName(mount);
    const bool isRoot = mount.mountPoint == QLatin1String("/");
    QString name;
    if (device) {
        if (const auto label = m_disks.label(*device); label && !label->isEmpty())
            name = *label;
    }
    if (name.isEmpty())
        name = isRoot ? device.value_or(QStringLiteral("/")) : KernelName::displayed(QFileInfo(mount.mountPoint).fileName());
    values.name = name;
    if (device) {
        if (const auto uuid = m_disks.uuid(*device))
            values.uuid = *uuid;
    }
    const bool ejectable = device && m_disks.isEjectable(*device);
    values.isEjectable = ejectable;
    values.isInternal = !ejectable;
    values.isLocal = true;
    values.isReadOnly = mount.isReadOnly();
    values.isVolume = true;
    values.isRootFileSystem = isRoot;
    return values;
}

bool Mounts::isBrowsable(const QString& path)
{
    load();
    bool browsable = false;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_visible[i] && m_entries[i].mountPoint == path && m_entries[i].isBlockDevice())
            browsable = m_browsable[i];
    }
    return browsable;
}

std::optional<QString> Mounts::fileSystemType(const QString& path)
{
    const auto mount = entry(path);
    if (!mount || !mount->isBlockDevice() || mount->fileSystemType.isEmpty())
        return std::nullopt;
    return mount->fileSystemType;
}

std::optional<VolumeCapacity> Mounts::capacity(const QString& path) const
{
    return m_capacity(path);
}

bool Mounts::watch()
{
    if (m_notifier)
        return true;
    m_known = volumes();
    m_fd = ::open(QFile::encodeName(tablePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        return false;
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Exception, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        check();
        emit tableChanged();
    });
    return true;
}

void Mounts::check()
{
    update();
    const QStringList current = volumes();
    const QStringList previous = std::exchange(m_known, current);
    for (const QString& path : previous) {
        if (!current.contains(path))
            emit unmounted(path);
    }
    for (const QString& path : current) {
        if (!previous.contains(path))
            emit mounted(path);
    }
}

} // namespace Platform
