#pragma once

#include "Kestrion/Common/MainLayout.h"

#include <functional>
#include <map>

class QWidget;

namespace Kestrion {

// The cards the main window can place: one maker per card. A card without a maker is never shown.
class CardCatalog
{
public:
    using Maker = std::function<QWidget*(QWidget* parent)>;

    void add(Card card, Maker maker) { m_makers[card] = std::move(maker); }
    bool contains(Card card) const { return m_makers.count(card) != 0; }
    // A new card widget; nullptr for a card without a maker.
    QWidget* make(Card card, QWidget* parent) const
    {
        const auto found = m_makers.find(card);
        return found == m_makers.end() ? nullptr : found->second(parent);
    }

private:
    std::map<Card, Maker> m_makers;
};

} // namespace Kestrion
