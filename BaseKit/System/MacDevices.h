#pragma once

#include "BaseKit/System/MacDevice.h"

#include <QIcon>
#include <QList>
#include <QString>

#include <optional>

namespace BaseKit {

// The Mac model catalogue: model identifiers to readable names, from the table "mac-devices.json" of
// BaseKit's bundle. Used on the main thread only.
class MacDevices {
public:
    MacDevices() = delete;

    // The first row whose model equals `model` exactly. A hit is kept for the life of the process; a
    // miss is not, so the next call reads the table again.
    static std::optional<MacDevice> device(const QString& model);

    // The whole table, read at every call; empty when the table is missing, unreadable or holds one
    // malformed row.
    static QList<MacDevice> allDevices();

    // The system's icon for the model. The icons come from the device-type declarations of the
    // operating system, which Linux does not have: always none here.
    static std::optional<QIcon> icon(const QString& model);

    // The table file read (tests); empty restores the bundle's table. Forgets the kept hits.
    static void setTablePath(const QString& path);
};

} // namespace BaseKit
