#pragma once

#include "ViewKit/VKMenuBarItem.h"

#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace ViewKit {

// The menu-bar item as a system-tray icon with an empty menu. Its label is on screen as soon as it
// is inserted.
class VKTrayMenuBarItem : public VKMenuBarItem
{
public:
    VKTrayMenuBarItem();
    ~VKTrayMenuBarItem() override;

    bool isHostAvailable() const override;
    void setTitle(const QString& title) override;
    QString title() const override;
    void setInserted(bool inserted) override;
    bool isInserted() const override;

private:
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

} // namespace ViewKit
