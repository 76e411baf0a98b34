#pragma once

#include "Kestrion/Models/StartupEnvironment.h"

// The small laptop captured for the sampling tool: two processors, wlan0 the primary interface next
// to the loopback, one NVMe disk with `/` on its first partition, no battery, no graphics card, no
// processes, the computer name "fieldbook".
inline const QString capturedLaptop = QStringLiteral(KESTRION_FIXTURES "/Tools/kestrion-sample/laptop-first");

// A start-up environment (by default every sampler over the captured laptop, nothing of this
// machine) with the public-address lookup sent to a closed port of this machine: the network model
// looks the address up as soon as it is made, and the lookup fails at once without anything leaving
// the machine. No address or file is handed to this machine's desktop.
inline Kestrion::StartupEnvironment loopbackStartup(
    Kestrion::StartupEnvironment environment = Kestrion::StartupEnvironment::captured(capturedLaptop))
{
    environment.addressServices = {QStringLiteral("http://127.0.0.1:9"), QStringLiteral("http://127.0.0.1:9")};
    environment.otherApps.fileHost = QStringLiteral("http://127.0.0.1:9");
    environment.urlOpener = {};
    return environment;
}
