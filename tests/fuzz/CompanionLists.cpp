// The companion's sensor and fan lists as they are read from its property lists.
#include "FuzzInput.h"

#include "ThermionKit/Fan.h"
#include "ThermionKit/Sensor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzInput::bytes(data, size);
    ThermionKit::Sensor::decodeList(bytes);
    ThermionKit::Fan::decodeList(bytes);
    return 0;
}
