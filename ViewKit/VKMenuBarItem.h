#pragma once

#include <QString>

#include <functional>

namespace ViewKit {

// An item in the desktop's menu bar or system tray, as the menu-bar scene drives it: a title, an
// empty menu, inserted or not. The item calls labelShown each time its label comes on screen.
class VKMenuBarItem
{
public:
    virtual ~VKMenuBarItem() = default;

    // Whether the desktop has a place to show such items at all.
    virtual bool isHostAvailable() const = 0;
    virtual void setTitle(const QString& title) = 0;
    virtual QString title() const = 0;
    virtual void setInserted(bool inserted) = 0;
    virtual bool isInserted() const = 0;

    std::function<void()> labelShown;
};

} // namespace ViewKit
