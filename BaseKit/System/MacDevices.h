#pragma once

#include "BaseKit/System/MacDevice.h"

#include <QHash>
#include <QIcon>
#include <QList>
#include <QString>

#include <optional>

namespace BaseKit {

// The Mac model catalogue: model identifiers to readable names, from a table file, by default
// "mac-devices.json" of BaseKit's bundle. Used on the main thread only.
class MacDevices {
public:
    // The catalogue of the table at `tablePath`; of the bundle's table when empty.
    explicit MacDevices(QString tablePath = QString());

    // The program's catalogue, over the bundle's table.
    static MacDevices& standard();

    // The first row whose model equals `model` exactly. A hit is kept for the life of the catalogue;
    // a miss is not, so the next call reads the table again.
    std::optional<MacDevice> device(const QString& model);

    // The whole table, read at every call; empty when the table is missing, unreadable or holds one
    // malformed row.
    QList<MacDevice> allDevices() const;

    // The system's icon for the model. The icons come from the device-type declarations of the
    // operating system, which Linux does not have: always none here.
    static std::optional<QIcon> icon(const QString& model);

private:
    QString tablePath() const;

    QString m_tablePath;
    QHash<QString, MacDevice> m_found;
};

} // namespace BaseKit
