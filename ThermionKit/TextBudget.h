#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace ThermionKit {

// The bytes of text a stored list may hold in all, spent as its reader reads it: each text counts at
// each place it stands, a text shared by many records at every one of them. Once the budget is spent,
// no text is read any more, so that a list of shared texts costs no more than one of its own texts.
class TextBudget {
public:
    explicit TextBudget(std::uint64_t bytes) : m_bytes(bytes) {}

    // The text at `node`, counted; none when it is no text or when it, or what came before it, spends
    // the budget.
    template <typename Source>
    std::optional<QString> read(const Source& source, typename Source::Node node)
    {
        if (spent())
            return std::nullopt;
        auto text = source.text(node);
        if (text)
            add(*text);
        return spent() ? std::nullopt : text;
    }

    // A text read before, counted once more at another place.
    void add(const QString& text) { m_used += 2 * std::uint64_t(text.size()); }

    bool spent() const { return m_used > m_bytes; }

private:
    std::uint64_t m_bytes;
    std::uint64_t m_used = 0;
};

} // namespace ThermionKit
