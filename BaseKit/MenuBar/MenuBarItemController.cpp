#include "BaseKit/MenuBar/MenuBarItemController.h"

#include "BaseKit/MenuBar/StatusBar.h"

#include <algorithm>

namespace BaseKit {

std::shared_ptr<MenuBarItem> MenuBarItemController::item(std::size_t index) const
{
    return index < m_items.size() ? m_items[index] : nullptr;
}

std::optional<bool> MenuBarItemController::isDarkMode() const
{
    if (m_items.empty())
        return std::nullopt;
    return m_items.front()->isDarkMode();
}

void MenuBarItemController::add(const std::shared_ptr<MenuBarItem>& item)
{
    if (!item)
        return;
    m_items.push_back(item);
    notify();
}

void MenuBarItemController::remove(const std::shared_ptr<MenuBarItem>& item)
{
    if (!item)
        return;
    m_bar->removeStatusItem(item->item());
    m_items.erase(std::remove(m_items.begin(), m_items.end(), item), m_items.end());
    notify();
}

void MenuBarItemController::removeAllButFirst()
{
    if (m_items.size() < 2)
        return;
    const auto snapshot = m_items;
    for (std::size_t i = 1; i < snapshot.size(); ++i)
        remove(snapshot[i]);
    notify();
}

void MenuBarItemController::notify()
{
    if (const auto delegate = m_delegate.lock())
        delegate->menuBarItemsDidChange();
}

} // namespace BaseKit
