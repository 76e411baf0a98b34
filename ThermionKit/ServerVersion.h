#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace ThermionKit {

// The version document of the companion: a JSON object whose "version" member is a text; other
// members are ignored.
struct ServerVersion {
    QString version;

    // None for anything that is no JSON object with a text "version".
    static std::optional<ServerVersion> decode(const QByteArray& json);
    QByteArray encode() const;
};

} // namespace ThermionKit
