#pragma once

// The companion's lists in forms its usual writer never makes: a fan list whose values or keys are
// given object by object, one sensor shared at every place of a list, and many sensors whose readings
// are integers.

#include "HandMadePlist.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <utility>

namespace CompanionLists {

// One fan, "F0" named "Left", rpm given as an object; min 1200, max 6000, target 0. An extra entry
// (key bytes, value object) is added after the six when given.
inline QByteArray fanWithRpm(const QByteArray& rpm,
                             std::optional<std::pair<QByteArray, QByteArray>> extra = std::nullopt)
{
    HandMadePlist list;
    const auto root = list.reserve();
    const auto dict = list.reserve();
    std::vector<HandMadePlist::Ref> keys;
    for (const char* key : {"identifier", "name", "rpm", "min", "max", "target"})
        keys.push_back(list.add(HandMadePlist::ascii(key)));
    std::vector<HandMadePlist::Ref> values{list.add(HandMadePlist::ascii("F0")), list.add(HandMadePlist::ascii("Left")),
                                           list.add(rpm), list.add(HandMadePlist::integer(1200)),
                                           list.add(HandMadePlist::integer(6000)), list.add(HandMadePlist::integer(0))};
    if (extra) {
        keys.push_back(list.add(HandMadePlist::ascii(extra->first)));
        values.push_back(list.add(extra->second));
    }
    list.set(root, HandMadePlist::array({dict}));
    list.set(dict, HandMadePlist::dictionary(keys, values));
    return list.bytes();
}

// `count` sensors "S0", "S1", ... named "Sensor <n>", thermal, group "sensor", on "m1"; each reading is
// the integer 30 + n when `integerValues`, else the real given.
inline QByteArray sensors(std::uint32_t count, bool integerValues, double reading = 0)
{
    HandMadePlist list;
    const auto root = list.reserve();
    std::vector<HandMadePlist::Ref> keys;
    for (const char* key : {"Identifier", "Description", "Value", "Type", "Group", "Platforms"})
        keys.push_back(list.add(HandMadePlist::ascii(key)));
    const auto type = list.add(HandMadePlist::integer(0));
    const auto group = list.add(HandMadePlist::ascii("sensor"));
    const auto platforms = list.add(HandMadePlist::array({list.add(HandMadePlist::ascii("m1"))}));
    std::vector<HandMadePlist::Ref> items;
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto identifier = list.add(HandMadePlist::ascii("S" + QByteArray::number(i)));
        const auto description = list.add(HandMadePlist::ascii("Sensor " + QByteArray::number(i)));
        const auto value = list.add(integerValues ? HandMadePlist::integer(30 + i) : HandMadePlist::real(reading));
        items.push_back(list.add(HandMadePlist::dictionary(keys, {identifier, description, value, type, group, platforms})));
    }
    list.set(root, HandMadePlist::array(items));
    return list.bytes();
}

// `count` sensors of their own ("S0", "S1", ...) whose descriptions are one shared ASCII text of
// `textBytes`.
inline QByteArray sensorsSharingDescription(std::uint32_t count, qsizetype textBytes)
{
    HandMadePlist list;
    const auto root = list.reserve();
    std::vector<HandMadePlist::Ref> keys;
    for (const char* key : {"Identifier", "Description", "Value", "Type", "Group", "Platforms"})
        keys.push_back(list.add(HandMadePlist::ascii(key)));
    const auto description = list.add(HandMadePlist::ascii(QByteArray(textBytes, 'd')));
    const auto value = list.add(HandMadePlist::real(40.5));
    const auto type = list.add(HandMadePlist::integer(0));
    const auto group = list.add(HandMadePlist::ascii("sensor"));
    const auto platforms = list.add(HandMadePlist::array({}));
    std::vector<HandMadePlist::Ref> items;
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto identifier = list.add(HandMadePlist::ascii("S" + QByteArray::number(i)));
        items.push_back(list.add(HandMadePlist::dictionary(keys, {identifier, description, value, type, group, platforms})));
    }
    list.set(root, HandMadePlist::array(items));
    return list.bytes();
}

// One sensor "S0" with reading 42.5, shared at `places` places of the list.
inline QByteArray sharedSensor(std::uint32_t places)
{
    HandMadePlist list;
    const auto root = list.reserve();
    std::vector<HandMadePlist::Ref> keys;
    for (const char* key : {"Identifier", "Description", "Value", "Type", "Group", "Platforms"})
        keys.push_back(list.add(HandMadePlist::ascii(key)));
    const auto dict = list.add(HandMadePlist::dictionary(
        keys, {list.add(HandMadePlist::ascii("S0")), list.add(HandMadePlist::ascii("Shared")),
               list.add(HandMadePlist::real(42.5)), list.add(HandMadePlist::integer(0)),
               list.add(HandMadePlist::ascii("sensor")), list.add(HandMadePlist::array({}))}));
    list.set(root, HandMadePlist::array(std::vector<HandMadePlist::Ref>(places, dict)));
    return list.bytes();
}

} // namespace CompanionLists
