#include "BaseKit/MenuBar/TrayStatusItem.h"

#include "BaseKit/MenuBar/StatusBarButton.h"

#include <QMenu>
#include <QSystemTrayIcon>

namespace BaseKit {

TrayStatusItem::TrayStatusItem(double length)
    : m_button(std::make_unique<StatusBarButton>())
    , m_tray(std::make_unique<QSystemTrayIcon>())
    , m_length(length)
{
    QObject::connect(m_button.get(), &StatusBarButton::changed, m_tray.get(), [this] { redraw(); });
    QObject::connect(m_tray.get(), &QSystemTrayIcon::activated, m_button.get(),
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::Trigger)
                             m_button->performClick();
                     });
    m_tray->show();
}

TrayStatusItem::~TrayStatusItem() = default;

bool TrayStatusItem::isVisible() const
{
    return m_tray && m_tray->isVisible();
}

void TrayStatusItem::setVisible(bool visible)
{
    if (m_tray)
        m_tray->setVisible(visible);
}

void TrayStatusItem::setMenu(QMenu* menu)
{
    m_menu = menu;
    if (m_tray)
        m_tray->setContextMenu(menu);
}

void TrayStatusItem::remove()
{
    if (m_tray)
        m_tray->hide();
}

void TrayStatusItem::redraw()
{
    if (!m_tray)
        return;
    m_tray->setIcon(QIcon(m_button->render()));
    m_tray->setToolTip(m_button->title());
}

} // namespace BaseKit
