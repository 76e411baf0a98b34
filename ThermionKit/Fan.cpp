#include "ThermionKit/Fan.h"

#include "Platform/PlistValue.h"
#include "ThermionKit/ThermionKitStrings.h"

namespace ThermionKit {

using Platform::PlistValue;

float Fan::percentage() const
{
    return percentage(rpm, min, max);
}

float Fan::percentage(std::int64_t rpm, std::int64_t min, std::int64_t max)
{
    const double range = double(max) - double(min);
    const double offset = double(rpm) - double(min);
    if (range == 0)
        return offset > 0 ? 1.0f : 0.0f;
    const double fraction = offset / range;
    if (!(fraction > 0))
        return 0.0f;
    if (fraction > 1)
        return 1.0f;
    return float(fraction);
}

bool Fan::matches(const QString& search) const
{
    if (search.isEmpty())
        return false;
    const QString needle = search.toLower();
    if (identifier.toLower().contains(needle) || name.toLower().contains(needle))
        return true;
    for (const char* key : {"FAN", "AIR"}) {
        if (localizedString(QString::fromLatin1(key)).toLower().contains(needle))
            return true;
    }
    return false;
}

QByteArray Fan::encodeList(const std::vector<Fan>& fans)
{
    PlistValue::ArrayType items;
    items.reserve(fans.size());
    for (const Fan& fan : fans) {
        PlistValue::DictionaryType entry{
            {QStringLiteral("identifier"), fan.identifier}, {QStringLiteral("name"), fan.name},
            {QStringLiteral("rpm"), fan.rpm},               {QStringLiteral("min"), fan.min},
            {QStringLiteral("max"), fan.max},               {QStringLiteral("target"), fan.target},
        };
        items.emplace_back(std::move(entry));
    }
    return PlistValue(std::move(items)).encodeBinary();
}

namespace {

// An integer node; a real, even an integral one, is no integer of the record.
std::optional<std::int64_t> integer(const PlistValue& node)
{
    if (node.type() != PlistValue::Type::Integer && node.type() != PlistValue::Type::Unsigned)
        return std::nullopt;
    return node.toInt64();
}

std::optional<Fan> decodeFan(const PlistValue& item)
{
    if (!item.toDictionary())
        return std::nullopt;
    const auto identifier = item[QStringLiteral("identifier")].toString();
    const auto name = item[QStringLiteral("name")].toString();
    const auto rpm = integer(item[QStringLiteral("rpm")]);
    const auto min = integer(item[QStringLiteral("min")]);
    const auto max = integer(item[QStringLiteral("max")]);
    const auto target = integer(item[QStringLiteral("target")]);
    if (!identifier || !name || !rpm || !min || !max || !target)
        return std::nullopt;
    return Fan{*identifier, *name, *rpm, *min, *max, *target};
}

} // namespace

std::optional<std::vector<Fan>> Fan::decodeList(const QByteArray& data)
{
    if (data.size() > maxEncodedSize)
        return std::nullopt;
    const std::optional<PlistValue> root = PlistValue::decode(data);
    const PlistValue::ArrayType* items = root ? root->toArray() : nullptr;
    if (!items)
        return std::nullopt;
    std::vector<Fan> fans;
    fans.reserve(items->size());
    for (const PlistValue& item : *items) {
        auto fan = decodeFan(item);
        if (!fan)
            return std::nullopt;
        fans.push_back(std::move(*fan));
    }
    return fans;
}

} // namespace ThermionKit
