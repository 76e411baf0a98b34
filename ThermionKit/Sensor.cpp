#include "ThermionKit/Sensor.h"

#include "ThermionKit/BinaryRecordSource.h"
#include "ThermionKit/ListedElements.h"
#include "ThermionKit/TextBudget.h"
#include "ThermionKit/TreeRecordSource.h"

#include "Platform/PropertyList/PlistValue.h"

#include <array>
#include <unordered_map>

namespace ThermionKit {

using Platform::PlistValue;

Sensor::Sensor(QString identifier, QString description, SensorGroup group, SensorType type,
               std::vector<SensorPlatform> platforms)
    : identifier(std::move(identifier))
    , description(std::move(description))
    , type(type)
    , group(group)
    , platforms(std::move(platforms))
{
}

std::shared_ptr<Sensor> Sensor::make(QString identifier, QString description, SensorGroup group, SensorType type,
                                     std::vector<SensorPlatform> platforms)
{
    return std::make_shared<Sensor>(std::move(identifier), std::move(description), group, type, std::move(platforms));
}

void Sensor::setIndex(std::optional<std::uint8_t> index)
{
    m_index = index;
    if (index)
        description.replace(QLatin1Char('%'), QString::number(*index));
}

bool Sensor::matches(const QString& search) const
{
    if (search.isEmpty())
        return false;
    const QString needle = search.toLower();
    if (identifier.toLower().contains(needle) || description.toLower().contains(needle))
        return true;
    for (const QString& word : SensorTypes::searchKeywords(type)) {
        if (word.toLower().contains(needle))
            return true;
    }
    return false;
}

QByteArray Sensor::encodeList(const SensorList& sensors)
{
    PlistValue::ArrayType items;
    items.reserve(sensors.size());
    for (const auto& sensor : sensors) {
        if (!sensor)
            continue;
        PlistValue::ArrayType platforms;
        for (SensorPlatform platform : sensor->platforms)
            platforms.emplace_back(SensorPlatforms::rawValue(platform));
        PlistValue::DictionaryType entry{
            {QStringLiteral("Identifier"), sensor->identifier},
            {QStringLiteral("Description"), sensor->description},
            {QStringLiteral("Value"), sensor->value},
            {QStringLiteral("Type"), std::int64_t(SensorTypes::rawValue(sensor->type))},
            {QStringLiteral("Group"), SensorGroups::rawValue(sensor->group)},
            {QStringLiteral("Platforms"), std::move(platforms)},
        };
        items.emplace_back(std::move(entry));
    }
    return PlistValue(std::move(items)).encodeBinary();
}

namespace {

// The one reader of a stored sensor list, over the objects of either source: an array of
// dictionaries, each with all six keys and values of the right kinds, or none. A reading that is not
// a finite number is a reading all the same. A dictionary that stands at several places of the list
// is read once and copied, and the list may hold at most Sensor::maxElements values and
// Sensor::maxTextBytes of texts in all, each shared one counted at each place: a text shared by many
// records is read at each, and counting it stops the reading before it costs much.
template <typename Source>
std::optional<SensorList> readSensors(const Source& source)
{
    using Node = typename Source::Node;
    static const std::array<QLatin1StringView, 6> keys{
        QLatin1StringView("Identifier"), QLatin1StringView("Description"), QLatin1StringView("Value"),
        QLatin1StringView("Type"),       QLatin1StringView("Group"),       QLatin1StringView("Platforms")};
    const Node root = source.root();
    const auto count = source.count(root);
    std::uint64_t elements = count ? listedElements(source, root, *count, Sensor::maxElements) : 0;
    if (!count || elements > Sensor::maxElements)
        return std::nullopt;
    std::unordered_map<Node, std::shared_ptr<Sensor>> read;
    TextBudget texts(Sensor::maxTextBytes);
    SensorList sensors;
    sensors.reserve(std::size_t(*count));
    for (std::uint64_t i = 0; i < *count; ++i) {
        const auto itemNode = source.item(root, i);
        if (!itemNode)
            return std::nullopt;
        auto& known = read[*itemNode];
        if (!known) {
            const auto found = source.fields(*itemNode, keys);
            if (!found)
                return std::nullopt;
            const auto identifier = texts.read(source, (*found)[0]);
            const auto description = texts.read(source, (*found)[1]);
            const auto value = source.number((*found)[2]);
            const auto typeRaw = source.integer((*found)[3]);
            const auto type = typeRaw ? SensorTypes::fromRawValue(*typeRaw) : std::nullopt;
            const auto groupText = texts.read(source, (*found)[4]);
            const auto group = groupText ? SensorGroups::fromRawValue(*groupText) : std::nullopt;
            const auto platformCount = source.count((*found)[5]);
            if (!identifier || !description || !value || !type || !group || !platformCount
                || *platformCount > Sensor::maxElements - elements)
                return std::nullopt;
            std::vector<SensorPlatform> platforms;
            platforms.reserve(std::size_t(*platformCount));
            for (std::uint64_t p = 0; p < *platformCount; ++p) {
                const auto node = source.item((*found)[5], p);
                const auto text = node ? texts.read(source, *node) : std::nullopt;
                const auto platform = text ? SensorPlatforms::fromRawValue(*text) : std::nullopt;
                if (!platform)
                    return std::nullopt;
                platforms.push_back(*platform);
            }
            known = Sensor::make(*identifier, *description, *group, *type, std::move(platforms));
            known->value = *value;
            sensors.push_back(known);
        } else {
            // Every place of the list holds a sensor of its own.
            sensors.push_back(std::make_shared<Sensor>(*known));
            texts.add(known->identifier);
            texts.add(known->description);
            if (texts.spent())
                return std::nullopt;
        }
        elements += known->platforms.size();
        if (elements > Sensor::maxElements)
            return std::nullopt;
    }
    return sensors;
}

} // namespace

std::optional<SensorList> Sensor::decodeBinaryList(const QByteArray& data)
{
    if (data.size() > maxEncodedSize)
        return std::nullopt;
    const auto view = Platform::BinaryPlistView::open(data);
    if (!view)
        return std::nullopt;
    return readSensors(BinaryRecordSource(*view));
}

std::optional<SensorList> Sensor::decodeList(const QByteArray& data)
{
    if (data.size() > maxEncodedSize)
        return std::nullopt;
    if (data.startsWith("bplist00"))
        return decodeBinaryList(data);
    return decodeTree(data);
}

std::optional<SensorList> Sensor::decodeTree(const QByteArray& data)
{
    if (data.size() > maxEncodedSize)
        return std::nullopt;
    const std::optional<PlistValue> root = PlistValue::decode(data);
    if (!root)
        return std::nullopt;
    return readSensors(TreeRecordSource(*root));
}

} // namespace ThermionKit
