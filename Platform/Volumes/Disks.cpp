#include "Platform/Volumes/Disks.h"

#include <QDir>
#include <QFileInfo>

namespace Platform {

Disks::Disks(QString root) : m_devices(std::move(root)) {}

std::optional<QString> Disks::bsdName(const MountEntry& mount) const
{
    if (mount.major != 0) {
        if (auto name = m_devices.nameOfDevice(mount.deviceNumber()))
            return name;
    }
    if (!mount.source.startsWith(QLatin1String("/dev/")))
        return std::nullopt;
    const QString node = m_devices.root() == QLatin1String("/") ? mount.source : m_devices.root() + mount.source;
    const QString real = QFileInfo(node).canonicalFilePath();
    if (real.isEmpty())
        return std::nullopt;
    const QString name = QFileInfo(real).fileName();
    if (m_devices.folder(name).isEmpty())
        return std::nullopt;
    return name;
}

QString Disks::decodeLinkName(const QString& name)
{
    QByteArray bytes;
    const QByteArray raw = name.toUtf8();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 3 < raw.size() && raw[i + 1] == 'x') {
            bool ok = false;
            const int value = raw.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                bytes.append(char(value));
                i += 3;
                continue;
            }
        }
        bytes.append(raw[i]);
    }
    return QString::fromUtf8(bytes);
}

std::optional<QString> Disks::linkTo(const char* folder, const QString& device) const
{
    const QString base = m_devices.root() == QLatin1String("/") ? QString() : m_devices.root();
    const QDir dir(base + QLatin1String(folder));
    for (const QFileInfo& link : dir.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        if (QFileInfo(link.symLinkTarget()).fileName() == device)
            return decodeLinkName(link.fileName());
    }
    return std::nullopt;
}

std::optional<QString> Disks::label(const QString& device) const
{
    if (auto value = m_devices.udevProperty(m_devices.deviceNumber(device), QStringLiteral("ID_FS_LABEL")))
        return value;
    return linkTo("/dev/disk/by-label", device);
}

std::optional<QString> Disks::uuid(const QString& device) const
{
    if (auto value = m_devices.udevProperty(m_devices.deviceNumber(device), QStringLiteral("ID_FS_UUID")))
        return value;
    return linkTo("/dev/disk/by-uuid", device);
}

bool Disks::isEjectable(const QString& device) const
{
    const QString disk = m_devices.physicalDisk(device);
    if (disk.isEmpty())
        return false;
    if (m_devices.isRemovable(disk))
        return true;
    const auto protocol = m_devices.protocol(disk);
    return protocol == QLatin1String("USB") || protocol == QLatin1String("Secure Digital");
}

std::optional<DiskDescription> Disks::description(const MountEntry& mount) const
{
    const auto name = bsdName(mount);
    if (!name)
        return std::nullopt;
    DiskDescription description;
    const QString physical = m_devices.physicalDisk(*name);
    description.deviceProtocol = m_devices.protocol(*name);
    description.volumeType = mount.fileSystemType;
    description.volumeKind = mount.fileSystemType;
    if (!physical.isEmpty()) {
        const QString device = m_devices.deviceFolder(physical);
        if (device != m_devices.folder(physical)) {
            auto text = [this, &device](const char* file) -> std::optional<QString> {
                const QString value = m_devices.readText(device + QLatin1Char('/') + QLatin1String(file));
                return value.isEmpty() ? std::nullopt : std::optional<QString>(value);
            };
            description.vendor = text("vendor");
            description.model = text("model");
            description.revision = text("rev");
            if (!description.revision)
                description.revision = text("firmware_rev");
        }
        const QString devicePath = m_devices.devicePath(physical);
        if (!devicePath.isEmpty())
            description.devicePath = devicePath;
    }
    description.volumeName = label(*name);
    description.mediaBsdName = *name;
    const QString mediaPath = m_devices.mediaPath(*name);
    if (!mediaPath.isEmpty())
        description.mediaPath = mediaPath;
    return description;
}

} // namespace Platform
