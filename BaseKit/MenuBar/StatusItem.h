#pragma once

#include <QPointer>

class QMenu;

namespace BaseKit {

class StatusBarButton;

// One item of the desktop's status area (the system tray): a button, a visibility, a length and a
// menu.
class StatusItem {
public:
    virtual ~StatusItem() = default;

    // None when the item has no button.
    virtual StatusBarButton* button() const = 0;
    virtual bool isVisible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual double length() const = 0;
    virtual void setLength(double length) = 0;
    virtual QMenu* menu() const = 0;
    virtual void setMenu(QMenu* menu) = 0;
};

} // namespace BaseKit
