#include "BaseKit/Apps/MainAppAutoStartController.h"

namespace BaseKit {

MainAppAutoStartController::MainAppAutoStartController(std::optional<QString> starterIdentifier, LoginItem mainItem,
                                                       Platform::LoginItems::Remover removeStarter)
    : m_starterIdentifier(std::move(starterIdentifier))
    , m_mainItem(std::move(mainItem))
    , m_removeStarter(std::move(removeStarter))
{
}

MainAppAutoStartController::MainAppAutoStartController(LoginItem mainItem)
    : MainAppAutoStartController(std::nullopt, std::move(mainItem))
{
}

bool MainAppAutoStartController::isEnabled() const
{
    return m_mainItem.isEnabled();
}

void MainAppAutoStartController::replaceStarter()
{
    if (!m_starterIdentifier)
        return;
    const LoginItem starter = LoginItem::loginItem(*m_starterIdentifier, m_removeStarter);
    if (!starter.isEnabled())
        return;
    starter.unregisterItem();
    if (starter.isEnabled())
        return; // still there: a second item would start the program twice
    m_mainItem.registerItem();
}

void MainAppAutoStartController::setEnabled(bool on)
{
    if (m_mainItem.requiresApproval()) {
        LoginItem::openSystemSettingsLoginItems();
        return;
    }
    if (on)
        m_mainItem.registerItem();
    else
        m_mainItem.unregisterItem();
}

void MainAppAutoStartController::registerItem()
{
    m_mainItem.registerItem();
}

void MainAppAutoStartController::unregisterItem()
{
    m_mainItem.unregisterItem();
}

} // namespace BaseKit
