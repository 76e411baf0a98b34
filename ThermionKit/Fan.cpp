#include "ThermionKit/Fan.h"

#include "Platform/PlistValue.h"
#include "ThermionKit/BinaryPlistView.h"

#include <array>
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

std::optional<std::vector<Fan>> Fan::decodeBinaryList(const QByteArray& data)
{
    using Kind = BinaryPlistView::Kind;
    const auto view = BinaryPlistView::open(data);
    const auto root = view ? view->object(view->root()) : std::nullopt;
    if (!root || root->kind != Kind::array)
        return std::nullopt;
    static const std::array<QLatin1StringView, 6> keys{QLatin1StringView("identifier"), QLatin1StringView("name"),
                                                       QLatin1StringView("rpm"),        QLatin1StringView("min"),
                                                       QLatin1StringView("max"),        QLatin1StringView("target")};
    std::vector<Fan> fans;
    fans.reserve(std::size_t(std::min<std::uint64_t>(root->count, 4096)));
    for (std::uint64_t i = 0; i < root->count; ++i) {
        const auto itemRef = view->element(*root, i);
        const auto record = itemRef ? view->fields(*itemRef, keys) : std::nullopt;
        if (!record)
            return std::nullopt;
        const auto& found = *record;
        const auto identifier = view->string(found[0]);
        const auto name = view->string(found[1]);
        const auto rpm = view->integer(found[2]);
        const auto min = view->integer(found[3]);
        const auto max = view->integer(found[4]);
        const auto target = view->integer(found[5]);
        if (!identifier || !name || !rpm || !min || !max || !target)
            return std::nullopt;
        fans.push_back(Fan{*identifier, *name, *rpm, *min, *max, *target});
    }
    return fans;
}

std::optional<std::vector<Fan>> Fan::decodeList(const QByteArray& data)
{
    if (data.size() > maxEncodedSize)
        return std::nullopt;
    if (auto quick = decodeBinaryList(data))
        return quick;
    return decodeTree(data);
}

std::optional<std::vector<Fan>> Fan::decodeTree(const QByteArray& data)
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
