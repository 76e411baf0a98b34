#include "SystemKit/Volumes/VolumesController.h"

#include "BaseKit/Text.h"
#include "Platform/Time/Clock.h"
#include "Platform/Volumes/Mounts.h"
#include "Platform/Bus/UDisks2Ejector.h"

#include <algorithm>

namespace SystemKit {

namespace {
const QString kDriverClass = QStringLiteral("IOBlockStorageDriver");
const QString kBsdName = QStringLiteral("BSD Name");
const QString kStatistics = QStringLiteral("Statistics");
} // namespace

VolumesController::VolumesController(QObject* parent) : VolumesController(VolumesEnvironment{}, parent) {}

VolumesController::VolumesController(VolumesEnvironment environment, QObject* parent)
    : QObject(parent)
{
    environment = environment.completed();
    m_mounts = std::move(environment.mounts);
    m_registry = std::move(environment.registry);
    m_ejector = std::move(environment.ejector);
    m_clock = std::move(environment.clock);
    connect(m_mounts.get(), &Platform::Mounts::mounted, this, &VolumesController::didMount);
    connect(m_mounts.get(), &Platform::Mounts::unmounted, this, &VolumesController::didUnmount);
    m_mounts->watch();
    m_timePrevious = now();
}

VolumesController::~VolumesController()
{
    disconnect(m_mounts.get(), nullptr, this, nullptr);
}

double VolumesController::now() const
{
    return double(m_clock->now().toMSecsSinceEpoch()) / 1000.0;
}

void VolumesController::start(double interval)
{
    if (m_timer.start(this, interval, &VolumesController::refresh))
        emit timerChanged();
}

void VolumesController::stop()
{
    m_timer.stop();
    emit timerChanged();
}

void VolumesController::refresh()
{
    m_timePrevious = now();
    emit timePreviousChanged();
    updateVolumes();
}

bool VolumesController::isListed(const QString& path) const
{
    return std::any_of(m_volumes.begin(), m_volumes.end(), [&path](const Volume* v) { return v->path() == path; });
}

void VolumesController::updateVolumes()
{
    m_mounts->update();
    removeVanishedVolumes();
    for (const QString& path : m_mounts->volumes()) {
        if (isListed(path))
            continue;
        if (Volume* volume = addVolume(path))
            emit onMount(volume);
    }
    if (m_gatherStatistics && !m_volumes.isEmpty()) {
        const DriverList list = drivers();
        std::map<Platform::RegistryEntryId, Platform::PlistValue> read;
        for (Volume* volume : std::as_const(m_volumes))
            updateStatistics(*volume, list, read);
    }
    if (m_gatherUsage && m_storageInterval <= now() - m_lastStorageRefresh) {
        for (Volume* volume : std::as_const(m_volumes))
            updateUsage(*volume);
        m_lastStorageRefresh = now();
        emit lastStorageRefreshChanged();
    }
    sortVolumes();
}

void VolumesController::remove(Volume* volume)
{
    m_volumes.removeAll(volume);
    emit volumesChanged();
    emit onUnmount(volume);
    volume->deleteLater();
}

void VolumesController::removeVanishedVolumes()
{
    // A mount point usually stays as a folder after the unmount: the mount table decides.
    QList<Volume*> vanished;
    for (Volume* volume : std::as_const(m_volumes)) {
        if (!m_mounts->isMounted(volume->path()))
            vanished.append(volume);
    }
    for (Volume* volume : vanished)
        remove(volume);
}

Volume* VolumesController::addVolume(const QString& path)
{
    const auto values = m_mounts->resourceValues(path);
    if (!values || values->isBrowsable == false)
        return nullptr;
    const auto mount = m_mounts->entry(path);
    if (!mount)
        return nullptr;
    const auto bsdName = m_mounts->disks().bsdName(*mount);
    if (!bsdName || bsdName->isEmpty())
        return nullptr;

    auto* volume = new Volume(path, this);
    volume->setBsdName(*bsdName);
    volume->updateCapacity(*m_mounts);
    volume->setName(values->name.value_or(BaseKit::Text::empty));
    volume->setUuid(values->uuid.value_or(BaseKit::Text::empty));
    volume->setIsLocal(values->isLocal.value_or(false));
    volume->setIsInternal(values->isInternal.value_or(false));
    volume->setIsReadOnly(values->isReadOnly.value_or(false));
    volume->setIsVolume(values->isVolume.value_or(false));
    volume->setIsSystemVolume(values->isRootFileSystem.value_or(false));
    volume->setIsStartupVolume(values->isRootFileSystem.value_or(false));
    volume->setIsEjectable(values->isEjectable.value_or(false));
    volume->setRawFileSystem(m_mounts->fileSystemType(path));
    readDiskDescription(*volume);
    readCharacteristics(*volume);
    m_volumes.append(volume);
    emit volumesChanged();
    return volume;
}

void VolumesController::readDiskDescription(Volume& volume)
{
    const auto mount = m_mounts->entry(volume.path());
    if (!mount)
        return;
    const auto description = m_mounts->disks().description(*mount);
    if (!description)
        return;
    volume.setDeviceProtocol(description->deviceProtocol);
    volume.setVolumeType(description->volumeType);
    volume.setVolumeKind(description->volumeKind);
    volume.setVendor(description->vendor);
    volume.setModel(description->model);
    volume.setVolumeName(description->volumeName);
    volume.setMediaBsdName(description->mediaBsdName);
    volume.setRevision(description->revision);
    volume.setIsLocked(description->isLocked);
    volume.setIoDiskPath(description->devicePath);
    if (description->mediaPath)
        volume.setRootBsdName(rootBsdName(*description->mediaPath).value_or(volume.bsdName()));
    if (volume.deviceProtocolValue() == VolumeDeviceProtocol::usb && volume.ioDiskPath()) {
        volume.setDeviceSpeed(deviceSpeed(*volume.ioDiskPath(), QStringLiteral("Device Speed")));
        volume.setUsbSpeed(deviceSpeed(*volume.ioDiskPath(), QStringLiteral("USBSpeed")));
    }
}

std::optional<QString> VolumesController::rootBsdName(const QString& path) const
{
    const auto entry = m_registry->fromPath(path);
    if (!entry)
        return std::nullopt;
    std::optional<QString> name;
    for (auto current = m_registry->parent(*entry); current; current = m_registry->parent(*current)) {
        if (auto text = m_registry->property(*current, kBsdName).toString())
            name = std::move(text);
    }
    return name;
}

std::optional<DeviceSpeedValue> VolumesController::deviceSpeed(const QString& path, const QString& key) const
{
    for (auto entry = m_registry->fromPath(path); entry; entry = m_registry->parent(*entry)) {
        const Platform::PlistValue value = m_registry->property(*entry, key);
        if (!value.isNumber())
            continue;
        // The whole number decides: a value above 5 is no speed, whatever its low bits say.
        const auto raw = value.toUInt64();
        return raw ? deviceSpeedValue(*raw) : std::nullopt;
    }
    return std::nullopt;
}

void VolumesController::readCharacteristics(Volume& volume)
{
    if (volume.rootBsdName().isEmpty())
        return;
    for (const auto driver : m_registry->entriesOfClass(kDriverClass)) {
        const Platform::PlistValue statistics = m_registry->property(driver, kStatistics);
        if (!statistics.toDictionary() || !statistics.contains(QStringLiteral("Bytes (Read)")))
            continue;
        for (auto parent = m_registry->parent(driver); parent; parent = m_registry->parent(*parent)) {
            const auto name = m_registry->searchProperty(*parent, kBsdName).toString();
            if (!name)
                continue;
            // The disk's own name, not a prefix: "sda" is not "sdaa".
            if (*name == volume.rootBsdName()) {
                const Platform::PlistValue data = m_registry->property(*parent, QStringLiteral("Device Characteristics"));
                if (const auto* dictionary = data.toDictionary())
                    volume.setCharacteristics(VolumeCharacteristics(*dictionary));
            }
            break;
        }
    }
}

VolumesController::DriverList VolumesController::drivers() const
{
    DriverList list;
    for (const auto driver : m_registry->entriesOfClass(kDriverClass)) {
        const auto children = m_registry->children(driver);
        if (children.empty())
            continue;
        if (auto name = m_registry->property(children.front(), kBsdName).toString())
            list.emplace_back(std::move(*name), driver);
    }
    return list;
}

void VolumesController::updateStatistics(Volume& volume, const DriverList& list,
                                         std::map<Platform::RegistryEntryId, Platform::PlistValue>& read)
{
    if (volume.rootBsdName().isEmpty())
        return;
    for (const auto& [name, driver] : list) {
        // Exact names: "mmcblk0" must not take the counters of "mmcblk0boot0".
        if (name != volume.rootBsdName())
            continue;
        auto known = read.find(driver);
        if (known == read.end())
            known = read.emplace(driver, m_registry->property(driver, kStatistics)).first;
        if (const auto* dictionary = known->second.toDictionary())
            volume.update(VolumeStatistics(*dictionary));
        return;
    }
}

void VolumesController::updateUsage(Volume& volume)
{
    if (!m_mounts->isBrowsable(volume.path()))
        return;
    if (const auto capacity = m_mounts->capacity(volume.path()))
        volume.setCapacity(capacity->total, capacity->available, capacity->used);
}

void VolumesController::sortVolumes()
{
    std::stable_sort(m_volumes.begin(), m_volumes.end(),
                     [](const Volume* a, const Volume* b) { return a->name() < b->name(); });
    emit volumesChanged();
}

void VolumesController::didMount(const QString& path)
{
    // A tick may have listed it already.
    if (isListed(path))
        return;
    Volume* volume = addVolume(path);
    if (!volume)
        return;
    if (m_gatherStatistics) {
        std::map<Platform::RegistryEntryId, Platform::PlistValue> read;
        updateStatistics(*volume, drivers(), read);
    }
    emit onMount(volume);
}

void VolumesController::didUnmount(const QString& path)
{
    QList<Volume*> gone;
    for (Volume* volume : std::as_const(m_volumes)) {
        if (volume->path() == path)
            gone.append(volume);
    }
    for (Volume* volume : gone)
        remove(volume);
}

Volume* VolumesController::systemVolume()
{
    if (m_volumes.isEmpty())
        refresh();
    return listedSystemVolume();
}

Volume* VolumesController::listedSystemVolume() const
{
    for (Volume* volume : std::as_const(m_volumes)) {
        if (volume->isSystemVolume() && volume->isStartupVolume())
            return volume;
    }
    // No root file system on a block device (containers, network roots): the cards show "-".
    return nullptr;
}

void VolumesController::eject(Volume* volume, EjectDone done)
{
    if (!volume) {
        if (done)
            done(Platform::UDisks2Ejector::notSupportedError());
        return;
    }
    volume->eject(*m_ejector, std::move(done));
}

void VolumesController::ejectAll(const QStringList& except, EjectDone done)
{
    const QList<Volume*> snapshot = m_volumes;
    for (Volume* volume : snapshot) {
        if (except.contains(volume->bsdName()) || volume->isSystemVolume() || volume->isStartupVolume()
            || !volume->isEjectable() || volume->isEjecting())
            continue;
        eject(volume, done);
    }
}

} // namespace SystemKit
