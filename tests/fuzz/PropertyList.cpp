// A property list, binary or XML, as settings files and the companion's lists are read: the structure
// check first, then the decoder, and what was decoded written out again both ways.
#include "FuzzInput.h"

#include "Platform/PlistStructureCheck.h"
#include "Platform/PlistValue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzInput::bytes(data, size);
    Platform::PlistStructureCheck::accepts(bytes, Platform::PlistValue::kMaxDepth);
    if (const auto value = Platform::PlistValue::decode(bytes)) {
        value->encodeBinary();
        value->encodeXml();
    }
    return 0;
}
