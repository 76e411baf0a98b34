#include "SystemKit/Volumes/Volume.h"

#include "BaseKit/IO.h"
#include "BaseKit/Text.h"
#include "Platform/Volumes/DiskEjector.h"
#include "Platform/Volumes/Mounts.h"
#include "SystemKit/SystemKitStrings.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>

namespace SystemKit {

Volume::Volume(const QString& path, QObject* parent)
    : QObject(parent)
    , m_path(path)
    , m_separator(QLatin1Char(' ') + BaseKit::Text::bullet + QLatin1Char(' '))
{
}

void Volume::update(const VolumeStatistics& statistics)
{
    // An empty snapshot is a disk that could not be read, not one that was reset: keeping it as the
    // base would turn the next real snapshot into one second holding everything since boot.
    if (statistics.isEmpty())
        return;
    m_oldStatistics = m_currentStatistics;
    m_currentStatistics = statistics;
    if (!m_oldStatistics) {
        emit statisticsChanged();
        return;
    }
    const VolumeStatistics& old = *m_oldStatistics;
    m_readDelta = statistics.bytesRead >= old.bytesRead ? statistics.bytesRead - old.bytesRead : 0;
    m_writeDelta = statistics.bytesWritten >= old.bytesWritten ? statistics.bytesWritten - old.bytesWritten : 0;
    m_readHistory.append(m_readDelta);
    m_writeHistory.append(m_writeDelta);

    if (m_readDelta != 0) {
        m_maxReadSpeed = std::max(m_maxReadSpeed, m_readDelta);
        m_readLoad = double(m_readDelta) / double(m_maxReadSpeed);
        m_isReading = true;
    } else {
        m_isReading = false;
        m_readLoad = 0;
    }
    if (m_writeDelta != 0) {
        m_maxWriteSpeed = std::max(m_maxWriteSpeed, m_writeDelta);
        m_writeLoad = double(m_writeDelta) / double(m_maxWriteSpeed);
        m_isWriting = true;
    } else {
        m_isWriting = false;
        m_writeLoad = 0;
    }
    const std::uint64_t sum
        = m_readDelta > UINT64_MAX - m_writeDelta ? UINT64_MAX : m_readDelta + m_writeDelta;
    m_loadHistory.append(sum);
    m_maxDelta = std::max(m_maxDelta, sum);
    emit statisticsChanged();
}

void Volume::update(std::uint64_t bytesRead, std::uint64_t bytesWritten)
{
    Platform::PlistValue::DictionaryType dictionary;
    dictionary.emplace(QStringLiteral("Bytes (Read)"), Platform::PlistValue(bytesRead));
    dictionary.emplace(QStringLiteral("Bytes (Write)"), Platform::PlistValue(bytesWritten));
    update(VolumeStatistics(dictionary));
}

QString Volume::peakDeltaText() const
{
    return BaseKit::IO::rateText(std::max(m_writeDelta, m_readDelta), false);
}

std::uint64_t Volume::usedBytes() const
{
    if (m_usedBytes)
        return std::min(*m_usedBytes, m_totalBytes);
    return m_freeBytes >= m_totalBytes ? 0 : m_totalBytes - m_freeBytes;
}

double Volume::usage() const
{
    if (m_totalBytes == 0)
        return 0;
    if (m_usedBytes) {
        const double used = double(usedBytes());
        const double whole = used + double(std::min(m_freeBytes, m_totalBytes));
        return whole > 0 ? std::clamp(used / whole, 0.0, 1.0) : 0.0;
    }
    return std::clamp(double(usedBytes()) / double(m_totalBytes), 0.0, 1.0);
}

void Volume::setCapacity(std::uint64_t totalBytes, std::uint64_t freeBytes, std::optional<std::uint64_t> usedBytes)
{
    m_totalBytes = totalBytes;
    m_freeBytes = freeBytes;
    m_usedBytes = usedBytes;
    emit capacityChanged();
}

void Volume::updateCapacity(const Platform::Mounts& mounts)
{
    if (const auto capacity = mounts.capacity(m_path))
        setCapacity(capacity->total, capacity->available, capacity->used);
}

std::optional<bool> Volume::isHighSpeedUsb() const
{
    if (!m_usbSpeed)
        return std::nullopt;
    return std::uint8_t(*m_usbSpeed) >= std::uint8_t(DeviceSpeedValue::highSpeed);
}

bool Volume::isBackupVolume() const
{
    return QFileInfo::exists(QDir(m_path).filePath(QStringLiteral("backup_manifest.plist")));
}

std::optional<VolumeDeviceProtocol> Volume::deviceProtocolValue() const
{
    if (!m_deviceProtocol)
        return std::nullopt;
    return volumeDeviceProtocol(*m_deviceProtocol);
}

std::optional<QString> Volume::fileSystemName() const
{
    if (!m_rawFileSystem)
        return std::nullopt;
    static const std::pair<const char*, const char*> names[] = {
        {"apfs", "APFS"}, {"hfs", "HFS"}, {"fat", "FAT"}, {"ntfs", "NTFS"}, {"exfat", "ExFAT"}, {"msdos", "MS-DOS"},
    };
    for (const auto& [raw, display] : names) {
        if (*m_rawFileSystem == QLatin1String(raw))
            return QString::fromLatin1(display);
    }
    return m_rawFileSystem->toUpper();
}

QStringList Volume::tags() const
{
    QStringList result;
    const char* kind = m_isStartupVolume ? "STARTUP_DISK" : m_isSystemVolume ? "SYSTEM_VOLUME" : "EXTERNAL_VOLUME";
    result.append(localizedString(QLatin1String(kind)));
    if (const auto protocol = deviceProtocolValue())
        result.append(description(*protocol));
    if (m_rawFileSystem)
        result.append(*m_rawFileSystem);
    return result;
}

QString Volume::tagsText() const
{
    return tags().join(m_separator);
}

QString Volume::symbolName() const
{
    if (m_deviceProtocol == QLatin1String("Secure Digital"))
        return QStringLiteral("sdcard");
    return m_isInternal ? QStringLiteral("internaldrive") : QStringLiteral("externaldrive");
}

void Volume::setEjecting(bool ejecting)
{
    m_isEjecting = ejecting;
    emit ejectingChanged();
}

void Volume::eject(Platform::DiskEjector& ejector, std::function<void(const QString& error)> done)
{
    setEjecting(true);
    QPointer<Volume> self(this);
    ejector.unmountAndEject(m_bsdName, m_isEjectable, [self, done = std::move(done)](const QString& error) {
        // A refused eject leaves the volume mounted: the user may try again.
        if (self && !error.isEmpty())
            self->setEjecting(false);
        if (done)
            done(error);
    });
}

} // namespace SystemKit
