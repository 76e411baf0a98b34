#include "BaseKit/Devices/MobileDevice.h"

#include "BaseKit/Files/Path.h"

#include <QFileInfo>
#include <QImage>
#include <QPixmap>

namespace BaseKit {

MobileDevice::MobileDevice(QString name, QString shortName)
    : m_name(std::move(name))
    , m_shortName(std::move(shortName))
{
}

MobileDevice::~MobileDevice() = default;

std::optional<QIcon> MobileDevice::icon(const QString& folder) const
{
    if (!m_iconName)
        return std::nullopt;
    if (folder.isEmpty() || m_iconName->contains(QLatin1Char('/')))
        return std::nullopt;
    for (const QString& item : Path::allItems(folder)) {
        if (!QFileInfo(item).fileName().endsWith(QStringLiteral(".bundle")) || !QFileInfo(item).isDir())
            continue;
        for (const QString& candidate : {item + QStringLiteral("/Contents/Resources/") + *m_iconName,
                                         item + QLatin1Char('/') + *m_iconName}) {
            const QImage image(candidate);
            if (!image.isNull())
                return QIcon(QPixmap::fromImage(image));
        }
    }
    return std::nullopt;
}

} // namespace BaseKit
