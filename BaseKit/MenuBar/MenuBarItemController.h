#pragma once

#include "BaseKit/MenuBar/MenuBarDelegate.h"
#include "BaseKit/MenuBar/MenuBarItem.h"
#include "BaseKit/MenuBar/StatusBar.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace BaseKit {

// Owns status items in the order they were added and tells its delegate after every addition and
// removal. Main thread.
class MenuBarItemController {
public:
    // Removed items are taken off `bar`.
    explicit MenuBarItemController(StatusBar& bar)
        : m_bar(&bar)
    {
    }

    const std::vector<std::shared_ptr<MenuBarItem>>& items() const { return m_items; }
    std::size_t count() const { return m_items.size(); }
    // None when there is no item at that position.
    std::shared_ptr<MenuBarItem> firstItem() const { return item(0); }
    std::shared_ptr<MenuBarItem> item(std::size_t index) const;
    // Whether the first item looks dark; none without items.
    std::optional<bool> isDarkMode() const;
    // The desktop's panel is always there.
    static bool isMenuBarVisible() { return true; }

    void add(const std::shared_ptr<MenuBarItem>& item);
    // Takes the item off the status area and every entry of it out of the list, then tells the
    // delegate (also when it was not in the list).
    void remove(const std::shared_ptr<MenuBarItem>& item);
    // Removes every item but the first, one by one, then tells the delegate once more.
    void removeAllButFirst();

    std::shared_ptr<MenuBarDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(const std::shared_ptr<MenuBarDelegate>& delegate) { m_delegate = delegate; }

private:
    void notify();

    StatusBar* m_bar;
    std::vector<std::shared_ptr<MenuBarItem>> m_items;
    std::weak_ptr<MenuBarDelegate> m_delegate;
};

} // namespace BaseKit
