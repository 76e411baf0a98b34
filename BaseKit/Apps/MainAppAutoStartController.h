#pragma once

#include "BaseKit/Apps/LoginItem.h"

#include <QString>

#include <optional>

namespace BaseKit {

// Starts the application at login through one login item, and moves a former arrangement, in which a
// separate starter program was the login item, over to that item. Every question reads the item's
// state anew; failures are only seen in that state.
class MainAppAutoStartController {
public:
    // `removeStarter` takes the starter's entry file away (QFile::remove when empty).
    MainAppAutoStartController(std::optional<QString> starterIdentifier, LoginItem mainItem,
                               Platform::LoginItems::Remover removeStarter = {});
    explicit MainAppAutoStartController(LoginItem mainItem);

    const std::optional<QString>& starterIdentifier() const { return m_starterIdentifier; }
    const LoginItem& mainItem() const { return m_mainItem; }
    void setMainItem(LoginItem item) { m_mainItem = std::move(item); }

    // Whether the main item is enabled.
    bool isEnabled() const;
    // When the starter is enabled: removes it and, once it is gone, registers the main item, so that
    // the program is never started twice at login.
    void replaceStarter();
    // Registers or removes the main item; while it awaits the user's approval only the settings open.
    void setEnabled(bool on);
    void registerItem();
    void unregisterItem();

private:
    std::optional<QString> m_starterIdentifier;
    LoginItem m_mainItem;
    Platform::LoginItems::Remover m_removeStarter;
};

} // namespace BaseKit
