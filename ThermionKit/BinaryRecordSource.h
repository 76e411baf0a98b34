#pragma once

#include "Platform/PropertyList/BinaryPlistView.h"

#include <QLatin1StringView>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace ThermionKit {

// The companion's records as the binary reader sees them: objects of a binary property list, read in
// place, each as the general decoder reads it (the same texts in either encoding, integers within the
// signed range), so that the two agree on every list the general decoder takes.
class BinaryRecordSource {
public:
    using Node = Platform::BinaryPlistView::Ref;

    explicit BinaryRecordSource(const Platform::BinaryPlistView& view) : m_view(view) {}

    Node root() const { return m_view.root(); }
    // The element count of an array; none for anything else.
    std::optional<std::uint64_t> count(Node array) const
    {
        const auto found = container(array);
        if (!found || found->kind != Platform::BinaryPlistView::Kind::array)
            return std::nullopt;
        return found->count;
    }
    std::optional<Node> item(Node array, std::uint64_t index) const
    {
        const auto found = container(array);
        return found ? m_view.element(*found, index) : std::nullopt;
    }
    // The number of entries of a dictionary, 0 for anything else.
    std::uint64_t entries(Node dictionary) const
    {
        const auto found = m_view.object(dictionary);
        return found && found->kind == Platform::BinaryPlistView::Kind::dictionary ? found->count : 0;
    }
    template <std::size_t N>
    std::optional<std::array<Node, N>> fields(Node dictionary, const std::array<QLatin1StringView, N>& keys) const
    {
        return m_view.fields(dictionary, keys);
    }
    std::optional<QString> text(Node node) const { return m_view.string(node); }
    std::optional<std::int64_t> integer(Node node) const { return m_view.integer(node); }
    // Reals as stored, and integers.
    std::optional<double> number(Node node) const
    {
        if (const auto real = m_view.real(node))
            return real;
        if (const auto whole = m_view.integer(node))
            return double(*whole);
        return std::nullopt;
    }

private:
    // The array walked last is looked up once.
    std::optional<Platform::BinaryPlistView::Object> container(Node array) const
    {
        if (!m_last || m_last->first != array)
            m_last = std::pair{array, m_view.object(array)};
        return m_last->second;
    }

    const Platform::BinaryPlistView& m_view;
    mutable std::optional<std::pair<Node, std::optional<Platform::BinaryPlistView::Object>>> m_last;
};

} // namespace ThermionKit
