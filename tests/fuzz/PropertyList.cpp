// A property list, binary or XML, as settings files and the companion's lists are read: the structure
// check of binary lists, then the decoder, every conversion a reader may ask of each value, and what was decoded
// written out and read back (in XML when that form is of a few megabytes at most, PlistForms.h).
#include "FuzzInput.h"
#include "PlistForms.h"

#include "Platform/PropertyList/PlistStructureCheck.h"
#include "Platform/PropertyList/PlistValue.h"
#include "Platform/PropertyList/PlistXmlWriter.h"

namespace {

void convert(const Platform::PlistValue& value, int depth)
{
    value.toString();
    value.toBool();
    value.toData();
    value.toDate();
    value.toDouble();
    value.toInt64();
    value.toUInt64();
    value.toInt64Truncating();
    value.toUInt64Truncating();
    value.toUInt32Bits();
    if (depth > 64)
        return;
    if (const auto* items = value.toArray()) {
        for (const auto& item : *items)
            convert(item, depth + 1);
    } else if (const auto* entries = value.toDictionary()) {
        for (const auto& [key, item] : *entries)
            convert(item, depth + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzInput::bytes(data, size);
    using Platform::PlistValue;
    Platform::PlistStructureCheck::accepts(bytes, PlistValue::kMaxDepth, PlistValue::kMaxElements,
                                           PlistValue::kMaxDecodedBytes);
    if (const auto value = Platform::PlistValue::decode(bytes)) {
        convert(*value, 0);
        Platform::PlistValue::decode(value->encodeBinary());
        const auto xmlSize = Platform::PlistXmlWriter::size(*value);
        if (xmlSize && *xmlSize <= PlistForms::kMaxXmlRoundTrip)
            Platform::PlistValue::decode(value->encodeXml());
    }
    return 0;
}
