// One message of the nl80211 family's answers (its generic header and attributes) as the Wi-Fi values
// are read from it, read as each kind of answer at each place it may lie: on a 4-byte boundary and 1,
// 2 and 3 bytes past one. A number libnl reads off its boundary stops the run.
#include "FuzzInput.h"

#include "Platform/Netlink/Nl80211Reply.h"

#include "tests/Support/NetlinkNumberReads.h"

#include <cstdlib>

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
    // An exact copy at each place (a vector's storage lies on a boundary of 8 or more), so that reading
    // one byte past it is caught.
    for (std::size_t shift = 0; shift < 4; ++shift) {
        std::vector<char> placed(shift + size);
        std::copy(data, data + size, placed.begin() + std::ptrdiff_t(shift));
        readAsEveryAnswer(QByteArrayView(placed.data() + shift, qsizetype(size)));
    }
    if (NetlinkNumberReads::misaligned() != 0)
        std::abort();
    return 0;
}
