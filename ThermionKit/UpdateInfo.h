#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace ThermionKit {

// The outcome of an update check: whether the published companion is newer than the installed one,
// and the published version text.
struct UpdateInfo {
    bool isUpdateAvailable = false;
    QString serverVersion;

    // JSON with the keys "isUpdateAvailable" and "serverVersion".
    static std::optional<UpdateInfo> decode(const QByteArray& json);
    QByteArray encode() const;

    bool operator==(const UpdateInfo&) const = default;
};

} // namespace ThermionKit
