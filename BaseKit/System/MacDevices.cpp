#include "BaseKit/System/MacDevices.h"

#include "Platform/Files/Bundles.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>

#include <utility>

namespace BaseKit {

MacDevices::MacDevices(QString tablePath) : m_tablePath(std::move(tablePath)) {}

MacDevices& MacDevices::standard()
{
    static MacDevices devices;
    return devices;
}

QString MacDevices::tablePath() const
{
    if (!m_tablePath.isEmpty())
        return m_tablePath;
    return Platform::Bundles::program().resourcePath(QStringLiteral("BaseKit"), QStringLiteral("mac-devices.json"));
}

QList<MacDevice> MacDevices::allDevices() const
{
    const QString path = tablePath();
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return {};
    QList<MacDevice> devices;
    const QJsonArray rows = document.array();
    devices.reserve(rows.size());
    for (const QJsonValue& row : rows) {
        const auto device = row.isObject() ? MacDevice::fromJson(row.toObject()) : std::nullopt;
        if (!device)
            return {}; // one malformed row discards the table
        devices << *device;
    }
    return devices;
}

std::optional<MacDevice> MacDevices::device(const QString& model)
{
    const auto hit = m_found.constFind(model);
    if (hit != m_found.constEnd())
        return *hit;
    for (const MacDevice& device : allDevices()) {
        if (device.model == model) {
            m_found.insert(model, device);
            return device;
        }
    }
    return std::nullopt;
}

std::optional<QIcon> MacDevices::icon(const QString& model)
{
    Q_UNUSED(model);
    return std::nullopt;
}

} // namespace BaseKit
