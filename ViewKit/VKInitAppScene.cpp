#include "ViewKit/VKInitAppScene.h"

#include "ViewKit/VKTrayMenuBarItem.h"

#include <QDebug>

namespace ViewKit {

VKInitAppScene::VKInitAppScene(QString windowId, bool showWindow, LanguageKit::BoolBinding isInserted,
                               OpenWindow openWindow, std::unique_ptr<VKMenuBarItem> item)
    : m_openWindow(std::move(openWindow))
    , m_isInserted(std::move(isInserted))
    , m_verbatim()
    , m_windowId(std::move(windowId))
    , m_showWindow(showWindow)
    , m_item(item ? std::move(item) : std::make_unique<VKTrayMenuBarItem>())
{
    m_item->labelShown = [this] { labelShown(); };
    if (isHostAvailable())
        m_item->setTitle(m_verbatim);
    update();
}

bool VKInitAppScene::isInserted() const
{
    return m_isInserted.get && m_isInserted.get();
}

void VKInitAppScene::setInserted(bool inserted)
{
    if (m_isInserted.set)
        m_isInserted.set(inserted);
    update();
}

void VKInitAppScene::update()
{
    if (!isHostAvailable()) {
        if (isInserted() && !m_told) {
            m_told = true;
            qInfo().noquote() << statusText();
        }
        return;
    }
    m_item->setInserted(isInserted());
}

bool VKInitAppScene::isHostAvailable() const
{
    return m_item->isHostAvailable();
}

QString VKInitAppScene::statusText() const
{
    if (isHostAvailable())
        return QString();
    return QStringLiteral("No system tray on this desktop: the menu-bar item for \"%1\" is not shown.").arg(m_windowId);
}

void VKInitAppScene::labelShown()
{
    if (m_showWindow && m_openWindow)
        m_openWindow(m_windowId);
}

} // namespace ViewKit
