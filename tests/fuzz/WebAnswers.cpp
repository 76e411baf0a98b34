// The web services' answers: the address echo, the geolocation record, the companion's version and
// update records, and the list of other applications.
#include "FuzzInput.h"

#include "BaseKit/Services/OtherApps.h"
#include "SystemKit/Network/Ip.h"
#include "SystemKit/Network/IpInfo.h"
#include "ThermionKit/ServerVersion.h"
#include "ThermionKit/UpdateInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray body = FuzzInput::bytes(data, size);
    SystemKit::Ip::addressInEcho(body);
    SystemKit::IpInfo::decode(body);
    ThermionKit::ServerVersion::decode(body);
    ThermionKit::UpdateInfo::decode(body);
    BaseKit::OtherApps::decode(body);
    return 0;
}
