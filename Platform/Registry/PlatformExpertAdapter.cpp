#include "Platform/Registry/PlatformExpertAdapter.h"

#include "Platform/Sysfs/Machine.h"

#include <QDir>
#include <QFileInfo>

namespace Platform {

PlatformExpertAdapter::PlatformExpertAdapter(QString root) : m_root(root.isEmpty() ? QStringLiteral("/") : std::move(root))
{
}

QByteArray PlatformExpertAdapter::stamp() const
{
    return QByteArrayLiteral("platform"); // one entry for the life of the machine
}

QString PlatformExpertAdapter::entryPath() const
{
    for (const char* folder : {"sys/class/dmi/id", "sys/firmware/devicetree/base"}) {
        if (QFileInfo(QDir(m_root).filePath(QLatin1String(folder))).isDir())
            return QStringLiteral("IOService:/") + QLatin1String(folder);
    }
    return QStringLiteral("IOService:/platform");
}

std::vector<RegistryAdapter::Node> PlatformExpertAdapter::entries() const
{
    const QString model = Machine(m_root, KernelIdentity{}).model();
    return {Node{entryPath(), QString(), model.isEmpty() ? QStringLiteral("platform") : model,
                 QStringLiteral("IOPlatformExpertDevice")}};
}

PlistValue::DictionaryType PlatformExpertAdapter::properties(const QString& path) const
{
    PlistValue::DictionaryType result;
    if (path != entryPath())
        return result;
    const QString serial = Machine(m_root, KernelIdentity{}).serialNumber();
    if (!serial.isEmpty())
        result.emplace(QStringLiteral("IOPlatformSerialNumber"), PlistValue(serial));
    return result;
}

} // namespace Platform
