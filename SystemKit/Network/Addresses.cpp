#include "SystemKit/Network/Addresses.h"

#include "SystemKit/SystemKitStrings.h"

namespace SystemKit {

QString Addresses::displayAddress() const
{
    if (ipv4)
        return *ipv4;
    if (ipv6)
        return *ipv6;
    return SystemKitStrings::text("UNKNOWN_ADDRESS");
}

} // namespace SystemKit
