#include "ThermionKit/Fan.h"

#include "Platform/PropertyList/PlistValue.h"
#include "ThermionKit/BinaryRecordSource.h"
#include "ThermionKit/ListedElements.h"
#include "ThermionKit/Sensor.h"
#include "ThermionKit/TextBudget.h"
#include "ThermionKit/ThermionKitStrings.h"
#include "ThermionKit/TreeRecordSource.h"

#include <array>
#include <unordered_map>

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

// The one reader of a stored fan list, over the objects of either source: an array of dictionaries,
// each with all six keys, texts and integers within the signed 64-bit range, or none. The list may
// hold at most as many values and text bytes as a sensor list, each shared dictionary counted at each
// place, and a shared one is read once.
template <typename Source>
std::optional<std::vector<Fan>> readFans(const Source& source)
{
    using Node = typename Source::Node;
    static const std::array<QLatin1StringView, 6> keys{QLatin1StringView("identifier"), QLatin1StringView("name"),
                                                       QLatin1StringView("rpm"),        QLatin1StringView("min"),
                                                       QLatin1StringView("max"),        QLatin1StringView("target")};
    const Node root = source.root();
    const auto count = source.count(root);
    if (!count || listedElements(source, root, *count, Sensor::maxElements) > Sensor::maxElements)
        return std::nullopt;
    std::unordered_map<Node, std::size_t> read; // where a dictionary was first read
    TextBudget texts(Sensor::maxTextBytes);
    std::vector<Fan> fans;
    fans.reserve(std::size_t(*count));
    for (std::uint64_t i = 0; i < *count; ++i) {
        const auto itemNode = source.item(root, i);
        if (!itemNode)
            return std::nullopt;
        const auto [known, first] = read.try_emplace(*itemNode, fans.size());
        if (!first) {
            fans.push_back(fans[known->second]);
            texts.add(fans.back().identifier);
            texts.add(fans.back().name);
            if (texts.spent())
                return std::nullopt;
            continue;
        }
        const auto found = source.fields(*itemNode, keys);
        if (!found)
            return std::nullopt;
        const auto identifier = texts.read(source, (*found)[0]);
        const auto name = texts.read(source, (*found)[1]);
        const auto rpm = source.integer((*found)[2]);
        const auto min = source.integer((*found)[3]);
        const auto max = source.integer((*found)[4]);
        const auto target = source.integer((*found)[5]);
        if (!identifier || !name || !rpm || !min || !max || !target)
            return std::nullopt;
        fans.push_back(Fan{*identifier, *name, *rpm, *min, *max, *target});
    }
    return fans;
}

} // namespace

std::optional<std::vector<Fan>> Fan::decodeBinaryList(const QByteArray& data)
{
    if (data.size() > maxEncodedSize)
        return std::nullopt;
    const auto view = Platform::BinaryPlistView::open(data);
    if (!view)
        return std::nullopt;
    return readFans(BinaryRecordSource(*view));
}

std::optional<std::vector<Fan>> Fan::decodeList(const QByteArray& data)
{
    if (data.size() > maxEncodedSize)
        return std::nullopt;
    if (data.startsWith("bplist00"))
        return decodeBinaryList(data);
    return decodeTree(data);
}

std::optional<std::vector<Fan>> Fan::decodeTree(const QByteArray& data)
{
    if (data.size() > maxEncodedSize)
        return std::nullopt;
    const std::optional<PlistValue> root = PlistValue::decode(data);
    if (!root)
        return std::nullopt;
    return readFans(TreeRecordSource(*root));
}

} // namespace ThermionKit
