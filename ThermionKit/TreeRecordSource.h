#pragma once

#include "Platform/PropertyList/PlistValue.h"

#include <QLatin1StringView>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace ThermionKit {

// The companion's records as the general decoder sees them: the values of a decoded property list,
// binary or XML.
class TreeRecordSource {
public:
    using Node = const Platform::PlistValue*;

    explicit TreeRecordSource(const Platform::PlistValue& root) : m_root(root) {}

    Node root() const { return &m_root; }
    std::optional<std::uint64_t> count(Node array) const
    {
        const auto* items = array->toArray();
        return items ? std::optional<std::uint64_t>(items->size()) : std::nullopt;
    }
    std::optional<Node> item(Node array, std::uint64_t index) const
    {
        const auto* items = array->toArray();
        if (!items || index >= items->size())
            return std::nullopt;
        return &(*items)[std::size_t(index)];
    }
    std::uint64_t entries(Node dictionary) const
    {
        const auto* values = dictionary->toDictionary();
        return values ? values->size() : 0;
    }
    template <std::size_t N>
    std::optional<std::array<Node, N>> fields(Node dictionary, const std::array<QLatin1StringView, N>& keys) const
    {
        const auto* values = dictionary->toDictionary();
        if (!values)
            return std::nullopt;
        std::array<Node, N> found{};
        for (std::size_t n = 0; n < N; ++n) {
            const auto it = values->find(QString(keys[n]));
            if (it == values->end())
                return std::nullopt;
            found[n] = &it->second;
        }
        return found;
    }
    std::optional<QString> text(Node node) const { return node->toString(); }
    // Integers only (a real, even an integral one, is no integer of a record), within the signed range.
    std::optional<std::int64_t> integer(Node node) const
    {
        if (node->type() != Platform::PlistValue::Type::Integer && node->type() != Platform::PlistValue::Type::Unsigned)
            return std::nullopt;
        return node->toInt64();
    }
    // Reals as stored, and integers.
    std::optional<double> number(Node node) const
    {
        if (const auto real = node->toReal())
            return real;
        return integer(node) ? node->toDouble() : std::nullopt;
    }

private:
    const Platform::PlistValue& m_root;
};

} // namespace ThermionKit
