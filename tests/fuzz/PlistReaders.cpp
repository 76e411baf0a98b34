// The two property-list readers and the two readers of the companion's records over the same bytes,
// stopping the run at the first disagreement: a list read in one form and written in either reads back
// as the writers promise (in XML when that form is of a few megabytes at most, PlistForms.h; the XML
// writer's count of its size is what it writes), and where the general decoder takes a binary list, the
// record reader that reads its objects in place gives the same records or refuses them too.
#include "FuzzInput.h"
#include "PlistForms.h"

#include "Platform/PropertyList/PlistValue.h"
#include "Platform/PropertyList/PlistXmlWriter.h"
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
    // What was read is within every bound and holds no none value, no NUL and no lone surrogate: it is
    // written whole, and reads back as the writers promise.
    using PlistForms::Form;
    const QByteArray asBinary = value->encodeBinary();
    const auto fromBinary = PlistValue::decode(asBinary);
    const auto binaryExpected = PlistForms::written(*value, Form::binary).value;
    if (!fromBinary || !binaryExpected || !PlistForms::same(*fromBinary, *binaryExpected, true))
        disagree("written in binary form, the list reads back otherwise");
    const auto xmlSize = Platform::PlistXmlWriter::size(*value);
    if (!xmlSize)
        disagree("the XML writer refuses a list that was read");
    if (*xmlSize <= PlistForms::kMaxXmlRoundTrip) {
        const QByteArray xml = value->encodeXml();
        if (std::uint64_t(xml.size()) != *xmlSize)
            disagree("the XML writer wrote another size than it counted");
        const auto fromXml = PlistValue::decode(xml);
        const auto xmlExpected = PlistForms::written(*value, Form::xml).value;
        if (!fromXml || !xmlExpected || !PlistForms::same(*fromXml, *xmlExpected, false))
            disagree("written in XML, the list reads back otherwise");
    }
    // The same list in the other form, where the writer kept all of it.
    if (*fromBinary == *value)
        compareRecords(bytes, asBinary);
    return 0;
}
