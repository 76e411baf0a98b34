#include "BaseKit/System/MacDevices.h"

#include "Platform/Files/Bundles.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>

namespace BaseKit {

namespace {

struct State {
    QString tablePath;
    QHash<QString, MacDevice> found;
};

State& state()
{
    static State s;
    return s;
}

QString tablePath()
{
    if (!state().tablePath.isEmpty())
        return state().tablePath;
    return Platform::Bundles::resourcePath(QStringLiteral("BaseKit"), QStringLiteral("mac-devices.json"));
}

} // namespace

void MacDevices::setTablePath(const QString& path)
{
    state().tablePath = path;
    state().found.clear();
}

QList<MacDevice> MacDevices::allDevices()
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
    auto& found = state().found;
    const auto hit = found.constFind(model);
    if (hit != found.constEnd())
        return *hit;
    for (const MacDevice& device : allDevices()) {
        if (device.model == model) {
            found.insert(model, device);
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
