// /proc/net/wireless as the signal and noise levels of an interface are read from it.
#include "FuzzInput.h"

#include "Platform/Netlink/Wlan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text = FuzzInput::bytes(data, size);
    Platform::Wlan::wirelessLevels(text, QStringLiteral("wlan0"));
    Platform::Wlan::wirelessLevels(text, QStringLiteral("wlp2s0"));
    return 0;
}
