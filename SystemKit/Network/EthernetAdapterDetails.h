#pragma once

#include "Platform/PropertyList/PlistValue.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace SystemKit {

// What the device registry holds about a wired interface's controller; every field none when the
// registry lacks it or holds another type.
struct EthernetAdapterDetails {
    std::optional<QString> identifier;      // the BSD name
    std::optional<QString> vendor;          // the controller's firmware version text
    std::optional<QString> model;
    std::optional<Platform::PlistValue> linkSpeed; // a number, as the registry stores it
    std::optional<QString> firmwareVersion;
    std::optional<QString> phyVersion;
    std::optional<QByteArray> localMacAddress;
    std::optional<QByteArray> targetLinkSpeed;
    std::optional<QByteArray> name;
    std::optional<QByteArray> deviceType;
};

} // namespace SystemKit
