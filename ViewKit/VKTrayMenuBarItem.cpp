#include "ViewKit/VKTrayMenuBarItem.h"

#include "ViewKit/VKImage.h"

#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

namespace ViewKit {

VKTrayMenuBarItem::VKTrayMenuBarItem()
    : m_menu(std::make_unique<QMenu>())
    , m_icon(std::make_unique<QSystemTrayIcon>())
{
    m_icon->setContextMenu(m_menu.get());
    m_icon->setIcon(QIcon(QPixmap::fromImage(VKImages::logo(22, 1).bitmap)));
}

VKTrayMenuBarItem::~VKTrayMenuBarItem() = default;

bool VKTrayMenuBarItem::isHostAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void VKTrayMenuBarItem::setTitle(const QString& title)
{
    m_icon->setToolTip(title);
}

QString VKTrayMenuBarItem::title() const
{
    return m_icon->toolTip();
}

void VKTrayMenuBarItem::setInserted(bool inserted)
{
    if (inserted == m_icon->isVisible())
        return;
    m_icon->setVisible(inserted);
    if (inserted && labelShown)
        labelShown();
}

bool VKTrayMenuBarItem::isInserted() const
{
    return m_icon->isVisible();
}

} // namespace ViewKit
