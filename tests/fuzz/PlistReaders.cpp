// The two property-list readers and the two readers of the companion's records over the same bytes,
// stopping the run at the first disagreement: a list read in one form and written in the other reads
// back the same, and where the general decoder takes a binary list, the record reader that reads its
// objects in place gives the same records or refuses them too.
#include "FuzzInput.h"

#include "Platform/PropertyList/PlistValue.h"
#include "ThermionKit/Fan.h"
#include "ThermionKit/Sensor.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

using Platform::PlistValue;

[[noreturn]] void disagree(const char* what)
{
    std::fprintf(stderr, "the readers disagree: %s\n", what);
    std::abort();
}

bool sameReal(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

// Equal but for what the writers do not keep: a number from 2^63 on is written as its 64 bits, and
// XML dates keep whole seconds (cut toward the epoch of the format, so a second apart at most).
bool sameValue(const PlistValue& a, const PlistValue& b, bool wholeSeconds)
{
    const auto bits = [](const PlistValue& v) { return v.toUInt64() ? *v.toUInt64() : std::uint64_t(*v.toInt64()); };
    if (a.type() == PlistValue::Type::Unsigned || b.type() == PlistValue::Type::Unsigned)
        return a.toUInt32Bits() && b.toUInt32Bits() && bits(a) == bits(b);
    if (a.type() != b.type())
        return false;
    switch (a.type()) {
    case PlistValue::Type::Real:
        return sameReal(*a.toReal(), *b.toReal());
    case PlistValue::Type::Date:
        return wholeSeconds ? std::abs(a.toDate()->toMSecsSinceEpoch() - b.toDate()->toMSecsSinceEpoch()) < 1000 : a == b;
    case PlistValue::Type::Array: {
        const auto& x = *a.toArray();
        const auto& y = *b.toArray();
        if (x.size() != y.size())
            return false;
        for (std::size_t i = 0; i < x.size(); ++i) {
            if (!sameValue(x[i], y[i], wholeSeconds))
                return false;
        }
        return true;
    }
    case PlistValue::Type::Dictionary: {
        const auto& x = *a.toDictionary();
        const auto& y = *b.toDictionary();
        if (x.size() != y.size())
            return false;
        for (auto i = x.begin(), j = y.begin(); i != x.end(); ++i, ++j) {
            if (i->first != j->first || !sameValue(i->second, j->second, wholeSeconds))
                return false;
        }
        return true;
    }
    default:
        return a == b;
    }
}

bool sameSensors(const std::optional<ThermionKit::SensorList>& a, const std::optional<ThermionKit::SensorList>& b)
{
    if (a.has_value() != b.has_value())
        return false;
    if (!a)
        return true;
    if (a->size() != b->size())
        return false;
    for (std::size_t i = 0; i < a->size(); ++i) {
        const auto& x = *(*a)[i];
        const auto& y = *(*b)[i];
        if (x.identifier != y.identifier || x.description != y.description || !sameReal(x.value, y.value)
            || x.type != y.type || x.group != y.group || x.platforms != y.platforms)
            return false;
    }
    return true;
}

// The records of `bytes` by the general decoder, and of `binary` (the same list in binary form) by the
// reader in place.
void compareRecords(const QByteArray& bytes, const QByteArray& binary)
{
    if (!sameSensors(ThermionKit::Sensor::decodeTree(bytes), ThermionKit::Sensor::decodeBinaryList(binary)))
        disagree("sensors");
    if (ThermionKit::Fan::decodeTree(bytes) != ThermionKit::Fan::decodeBinaryList(binary))
        disagree("fans");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzInput::bytes(data, size);
    const auto value = PlistValue::decode(bytes);
    if (!value) {
        if (ThermionKit::Sensor::decodeTree(bytes) || ThermionKit::Fan::decodeTree(bytes))
            disagree("a list the decoder refuses has records");
        return 0;
    }
    const bool binary = bytes.startsWith("bplist00");
    if (binary)
        compareRecords(bytes, bytes);
    const QByteArray asBinary = value->encodeBinary();
    const QByteArray asXml = value->encodeXml();
    const auto fromBinary = PlistValue::decode(asBinary);
    const auto fromXml = PlistValue::decode(asXml);
    if (!fromBinary || !sameValue(*value, *fromBinary, false))
        disagree("written in binary form, the list reads back otherwise");
    if (!fromXml || !sameValue(*value, *fromXml, true))
        disagree("written in XML, the list reads back otherwise");
    // The same list in the other form, where the writer kept all of it.
    if (*fromBinary == *value)
        compareRecords(bytes, asBinary);
    return 0;
}
