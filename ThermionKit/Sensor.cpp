#include "ThermionKit/Sensor.h"

#include "ThermionKit/BinaryPlistView.h"

#include "Platform/PlistValue.h"

#include <array>

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

std::shared_ptr<Sensor> decodeSensor(const PlistValue& item)
{
    if (!item.toDictionary())
        return nullptr;
    const auto identifier = item[QStringLiteral("Identifier")].toString();
    const auto description = item[QStringLiteral("Description")].toString();
    const PlistValue& valueNode = item[QStringLiteral("Value")];
    // Only numbers; toDouble refuses a value that is not finite.
    const auto value = valueNode.isNumber() ? valueNode.toDouble() : std::nullopt;
    const PlistValue& typeNode = item[QStringLiteral("Type")];
    const auto typeRaw = typeNode.type() == PlistValue::Type::Real ? std::nullopt : typeNode.toInt64();
    const auto type = typeRaw ? SensorTypes::fromRawValue(*typeRaw) : std::nullopt;
    const auto groupText = item[QStringLiteral("Group")].toString();
    const auto group = groupText ? SensorGroups::fromRawValue(*groupText) : std::nullopt;
    const PlistValue::ArrayType* platformNodes = item[QStringLiteral("Platforms")].toArray();
    if (!identifier || !description || !value || !type || !group || !platformNodes)
        return nullptr;
    std::vector<SensorPlatform> platforms;
    platforms.reserve(platformNodes->size());
    for (const PlistValue& node : *platformNodes) {
        const auto text = node.toString();
        const auto platform = text ? SensorPlatforms::fromRawValue(*text) : std::nullopt;
        if (!platform)
            return nullptr;
        platforms.push_back(*platform);
    }
    auto sensor = Sensor::make(*identifier, *description, *group, *type, std::move(platforms));
    sensor->value = *value;
    return sensor;
}

} // namespace

std::optional<SensorList> Sensor::decodeBinaryList(const QByteArray& data)
{
    using Kind = BinaryPlistView::Kind;
    const auto view = BinaryPlistView::open(data);
    const auto root = view ? view->object(view->root()) : std::nullopt;
    if (!root || root->kind != Kind::array)
        return std::nullopt;
    static const std::array<QLatin1StringView, 6> keys{
        QLatin1StringView("Identifier"), QLatin1StringView("Description"), QLatin1StringView("Value"),
        QLatin1StringView("Type"),       QLatin1StringView("Group"),       QLatin1StringView("Platforms")};
    SensorList sensors;
    sensors.reserve(std::size_t(std::min<std::uint64_t>(root->count, 4096)));
    for (std::uint64_t i = 0; i < root->count; ++i) {
        const auto itemRef = view->element(*root, i);
        const auto record = itemRef ? view->fields(*itemRef, keys) : std::nullopt;
        if (!record)
            return std::nullopt;
        const auto& found = *record;
        const auto identifier = view->string(found[0]);
        const auto description = view->string(found[1]);
        const auto value = view->real(found[2]);
        const auto typeRaw = view->integer(found[3]);
        const auto type = typeRaw ? SensorTypes::fromRawValue(*typeRaw) : std::nullopt;
        const auto groupText = view->string(found[4]);
        const auto group = groupText ? SensorGroups::fromRawValue(*groupText) : std::nullopt;
        const auto platformList = view->object(found[5]);
        if (!identifier || !description || !value || !type || !group || !platformList
            || platformList->kind != Kind::array)
            return std::nullopt;
        std::vector<SensorPlatform> platforms;
        platforms.reserve(std::size_t(std::min<std::uint64_t>(platformList->count, 8)));
        for (std::uint64_t p = 0; p < platformList->count; ++p) {
            const auto ref = view->element(*platformList, p);
            const auto text = ref ? view->string(*ref) : std::nullopt;
            const auto platform = text ? SensorPlatforms::fromRawValue(*text) : std::nullopt;
            if (!platform)
                return std::nullopt;
            platforms.push_back(*platform);
        }
        auto sensor = Sensor::make(*identifier, *description, *group, *type, std::move(platforms));
        sensor->value = *value;
        sensors.push_back(std::move(sensor));
    }
    return sensors;
}

std::optional<SensorList> Sensor::decodeList(const QByteArray& data)
{
    if (data.size() > maxEncodedSize)
        return std::nullopt;
    if (auto quick = decodeBinaryList(data))
        return quick;
    return decodeTree(data);
}

std::optional<SensorList> Sensor::decodeTree(const QByteArray& data)
{
    if (data.size() > maxEncodedSize)
        return std::nullopt;
    const std::optional<PlistValue> root = PlistValue::decode(data);
    const PlistValue::ArrayType* items = root ? root->toArray() : nullptr;
    if (!items)
        return std::nullopt;
    SensorList sensors;
    sensors.reserve(items->size());
    for (const PlistValue& item : *items) {
        auto sensor = decodeSensor(item);
        if (!sensor)
            return std::nullopt;
        sensors.push_back(std::move(sensor));
    }
    return sensors;
}

} // namespace ThermionKit
