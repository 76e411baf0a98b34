#pragma once

#include "BaseKit/MenuBar/LayoutConstraint.h"
#include "BaseKit/MenuBar/StatusItem.h"

#include <QFont>
#include <QIcon>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

class QMenu;
class QWidget;

namespace BaseKit {

class StatusBar;
class StatusBarButton;

// One item of the status area with its button's image, title, font, views, target and action, its
// menu and fixed width and height. An image replaces the views and views replace the image. When the
// item has no button, reads give nothing and writes do nothing. Main thread.
class MenuBarItem {
public:
    // An empty item of variable length on `bar`.
    explicit MenuBarItem(StatusBar& bar);
    // An item on `bar` showing `content` (which it takes over), filling the button; size it with setSize.
    MenuBarItem(QWidget* content, StatusBar& bar);
    ~MenuBarItem();
    MenuBarItem(const MenuBarItem&) = delete;
    MenuBarItem& operator=(const MenuBarItem&) = delete;

    const std::shared_ptr<StatusItem>& item() const { return m_item; }
    StatusBarButton* button() const;

    bool isVisible() const;
    void setVisible(bool visible);
    double length() const;
    void setLength(double length);
    QMenu* menu() const;
    void setMenu(QMenu* menu);
    QObject* target() const;
    void setTarget(QObject* target);
    std::function<void()> action() const;
    void setAction(std::function<void()> action);
    std::optional<QString> title() const;
    // No title shows the empty title.
    void setTitle(const std::optional<QString>& title);
    std::optional<QFont> font() const;
    void setFont(const std::optional<QFont>& font);
    std::optional<QIcon> image() const;
    // Removes the views, puts the image left of the title and shows it.
    void setImage(const std::optional<QIcon>& image);
    std::optional<QList<QWidget*>> views() const;
    // Removes the image and every view, then adds these (taking them over).
    void setViews(const std::optional<QList<QWidget*>>& views);
    QVariant representedObject;

    // The button looks dark.
    bool isDarkMode() const;
    void addSubview(QWidget* view);
    void removeViews();
    // Fixes the button's width and height (one constraint each, made at the first call).
    void setSize(double width, double height);
    void setTarget(QObject* target, std::function<void()> action, int tag);
    void removeTarget();
    // Clears the image, the constraints and the views; a later setSize sizes the button again.
    void reset();

    const std::shared_ptr<LayoutConstraint>& widthConstraint() const { return m_widthConstraint; }
    const std::shared_ptr<LayoutConstraint>& heightConstraint() const { return m_heightConstraint; }

private:
    std::shared_ptr<StatusItem> m_item;
    std::shared_ptr<LayoutConstraint> m_widthConstraint;
    std::shared_ptr<LayoutConstraint> m_heightConstraint;
};

} // namespace BaseKit
