#pragma once

namespace BaseKit {

// Told by a MenuBarItemController after each change of its items.
class MenuBarDelegate {
public:
    virtual ~MenuBarDelegate() = default;
    virtual void menuBarItemsDidChange() = 0;
    // For delegates that follow the desktop's light or dark look; the controller does not call it.
    virtual void menuBarAppearanceDidChange() {}
};

} // namespace BaseKit
