#pragma once

#include "BaseKit/MenuBar/StatusItem.h"

#include <QMenu>
#include <QPointer>

#include <memory>

class QSystemTrayIcon;

namespace BaseKit {

// A status item in the system tray: the button is drawn into the tray icon whenever it changes, its
// title is the tooltip, a click runs the button's action and the menu opens on the context click.
class TrayStatusItem : public StatusItem {
public:
    explicit TrayStatusItem(double length);
    ~TrayStatusItem() override;

    StatusBarButton* button() const override { return m_button.get(); }
    bool isVisible() const override;
    void setVisible(bool visible) override;
    double length() const override { return m_length; }
    void setLength(double length) override { m_length = length; }
    QMenu* menu() const override { return m_menu; }
    void setMenu(QMenu* menu) override;

    // Takes the icon out of the tray.
    void remove();

private:
    void redraw();

    std::unique_ptr<StatusBarButton> m_button;
    std::unique_ptr<QSystemTrayIcon> m_tray;
    QPointer<QMenu> m_menu;
    double m_length;
};

} // namespace BaseKit
