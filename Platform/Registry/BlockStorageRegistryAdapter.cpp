#include "Platform/Registry/BlockStorageRegistryAdapter.h"

#include <QFileInfo>
#include <QSet>

namespace Platform {

namespace {
const QString kService = QStringLiteral("IOService:");
const QString kStatistics = QStringLiteral("Statistics");
const QString kBsdName = QStringLiteral("BSD Name");
const QString kCharacteristics = QStringLiteral("Device Characteristics");
const QString kUsbSpeed = QStringLiteral("USBSpeed");
const QString kDeviceSpeed = QStringLiteral("Device Speed");

bool isDeviceFolder(const QString& folder)
{
    return folder.startsWith(QLatin1String("/sys/devices/"));
}
} // namespace

BlockStorageRegistryAdapter::BlockStorageRegistryAdapter(QString root) : m_devices(std::move(root)) {}

QByteArray BlockStorageRegistryAdapter::stamp() const
{
    return m_devices.disksStamp(m_emptyDevices);
}

std::vector<RegistryAdapter::Node> BlockStorageRegistryAdapter::entries() const
{
    m_known.clear();
    m_emptyDevices = m_devices.emptyDevices();
    std::vector<Node> nodes;
    QSet<QString> listed;
    for (const QString& disk : m_devices.disks()) {
        const QString own = m_devices.folder(disk);
        const QString device = m_devices.deviceFolder(disk);
        if (own.isEmpty() || device.isEmpty())
            continue;

        // The device folder and its ancestors, topmost first.
        QStringList chain;
        for (QString folder = device; isDeviceFolder(folder); folder = QFileInfo(folder).path())
            chain.prepend(folder);
        for (const QString& folder : chain) {
            const QString path = kService + folder;
            if (listed.contains(path))
                continue;
            listed.insert(path);
            const QString parent = QFileInfo(folder).path();
            const bool usb = QFileInfo::exists(m_devices.root() + folder + QStringLiteral("/speed"))
                             && folder != device;
            QString className = QStringLiteral("IOService");
            if (folder == device) {
                className = QStringLiteral("IOBlockStorageDevice");
                m_known.insert(path, {Kind::device, disk, folder});
            } else if (usb) {
                className = QStringLiteral("IOUSBHostDevice");
                m_known.insert(path, {Kind::usbDevice, disk, folder});
            }
            nodes.push_back({path, isDeviceFolder(parent) ? kService + parent : QString(),
                             folder.section(QLatin1Char('/'), -1), className});
        }

        const QString driver = kService + own + QStringLiteral("/driver");
        nodes.push_back({driver, kService + device, QStringLiteral("IOBlockStorageDriver"),
                         QStringLiteral("IOBlockStorageDriver")});
        m_known.insert(driver, {Kind::driver, disk, own});

        const QString media = kService + own + QStringLiteral("/media");
        const QStringList slaves = m_devices.slaves(disk);
        const QString slaveMedia = slaves.isEmpty() ? QString() : m_devices.mediaPath(slaves.first());
        nodes.push_back({media, slaveMedia.isEmpty() ? driver : slaveMedia, disk, QStringLiteral("IOMedia")});
        m_known.insert(media, {Kind::media, disk, own});

        for (const QString& partition : m_devices.partitions(disk)) {
            const QString path = kService + own + QLatin1Char('/') + partition;
            nodes.push_back({path, media, partition, QStringLiteral("IOMedia")});
            m_known.insert(path, {Kind::media, partition, own + QLatin1Char('/') + partition});
        }
    }
    return nodes;
}

PlistValue::DictionaryType BlockStorageRegistryAdapter::properties(const QString& path) const
{
    PlistValue::DictionaryType result;
    for (const QString& key : {kStatistics, kBsdName, kCharacteristics, kUsbSpeed, kDeviceSpeed}) {
        PlistValue value = property(path, key);
        if (!value.isNone())
            result.emplace(key, std::move(value));
    }
    return result;
}

PlistValue BlockStorageRegistryAdapter::property(const QString& path, const QString& key) const
{
    const auto known = m_known.constFind(path);
    if (known == m_known.constEnd())
        return {};
    switch (known->kind) {
    case Kind::driver:
        if (key == kStatistics) {
            if (auto statistics = m_devices.statistics(known->name))
                return PlistValue(std::move(*statistics));
        }
        return {};
    case Kind::media:
        return key == kBsdName ? PlistValue(known->name) : PlistValue();
    case Kind::device:
        return key == kCharacteristics ? PlistValue(m_devices.characteristics(known->name)) : PlistValue();
    case Kind::usbDevice:
        if (key == kUsbSpeed || key == kDeviceSpeed) {
            if (const auto speed = m_devices.linkSpeed(known->folder))
                return PlistValue(std::uint64_t(*speed));
        }
        return {};
    }
    return {};
}

} // namespace Platform
