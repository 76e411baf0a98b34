// The web services' answers: the address echo, the geolocation record, the companion's version and
// update records, and the list of other applications.
#include "FuzzInput.h"

#include "BaseKit/Services/OtherApps.h"
#include "SystemKit/Network/Ip.h"
#include "SystemKit/Network/IpInfo.h"
#include "ThermionKit/ServerVersion.h"
#include "ThermionKit/UpdateInfo.h"

#include <QHostAddress>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray body = FuzzInput::bytes(data, size);
    // An accepted echo is exactly one address: it reads back as the same address and carries nothing else.
    if (const auto address = SystemKit::Ip::echoedAddress(body)) {
        QHostAddress parsed;
        if (address->contains(QChar(0)) || !parsed.setAddress(*address) || parsed.toString() != *address)
            __builtin_trap();
    }
    SystemKit::IpInfo::decode(body);
    ThermionKit::ServerVersion::decode(body);
    ThermionKit::UpdateInfo::decode(body);
    BaseKit::OtherApps::decode(body);
    return 0;
}
