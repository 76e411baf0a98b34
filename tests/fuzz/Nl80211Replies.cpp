// One message of the nl80211 family's answers (its generic header and attributes) as the Wi-Fi values
// are read from it, read as each kind of answer; once in place and once off a 4-byte boundary.
#include "FuzzInput.h"

#include "Platform/Netlink/Nl80211Reply.h"

namespace {

void readAsEveryAnswer(QByteArrayView payload)
{
    Platform::Nl80211Reply::interface(payload);
    Platform::Nl80211Reply::country(payload);
    Platform::Nl80211Reply::station(payload);
    Platform::Nl80211Reply::noiseInUse(payload);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // An exact copy, so that reading one byte past it is caught.
    std::vector<char> exact(reinterpret_cast<const char*>(data), reinterpret_cast<const char*>(data) + size);
    readAsEveryAnswer(QByteArrayView(exact.data(), qsizetype(size)));
    std::vector<char> shifted(size + 1);
    std::copy(exact.begin(), exact.end(), shifted.begin() + 1);
    readAsEveryAnswer(QByteArrayView(shifted.data() + 1, qsizetype(size)));
    return 0;
}
