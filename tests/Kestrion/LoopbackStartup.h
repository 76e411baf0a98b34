#pragma once

#include "Kestrion/Models/StartupEnvironment.h"

// This machine's start-up environment with the public-address lookup sent to a closed port of this
// machine: the network model looks the address up as soon as it is made, and the lookup fails at once
// without anything leaving the machine. No address or file is handed to this machine's desktop.
inline Kestrion::StartupEnvironment loopbackStartup()
{
    Kestrion::StartupEnvironment environment = Kestrion::StartupEnvironment::live();
    environment.addressServices = {QStringLiteral("http://127.0.0.1:9"), QStringLiteral("http://127.0.0.1:9")};
    environment.otherApps.fileHost = QStringLiteral("http://127.0.0.1:9");
    environment.urlOpener = {};
    return environment;
}
