#pragma once

#include "Platform/Desktop/LoginItems.h"

#include <QString>

namespace BaseKit {

// A program started at login: an autostart entry named after its identifier. The main application's
// item starts this program.
class LoginItem {
public:
    enum class Status {
        notRegistered = 0,
        enabled = 1,
        requiresApproval = 2, // never on Linux
        notFound = 3,
    };

    // The item of this application (its identifier, its executable).
    static LoginItem mainApp();
    // The item of another program by identifier; registering it starts the program of its desktop
    // entry, or the identifier as a command when it has none. `remove` takes its entry file away
    // (QFile::remove when empty).
    static LoginItem loginItem(const QString& identifier, Platform::LoginItems::Remover remove = {});

    const QString& identifier() const { return m_identifier; }
    Status status() const;
    bool isEnabled() const { return status() == Status::enabled; }
    bool isNotRegistered() const { return status() == Status::notRegistered; }
    bool requiresApproval() const { return status() == Status::requiresApproval; }

    // True when the item is registered (or gone) afterwards.
    bool registerItem() const;
    bool unregisterItem() const;

    // The desktop's settings of login items: Linux has no common page, nothing opens.
    static void openSystemSettingsLoginItems() {}

private:
    LoginItem(QString identifier, QString name, QString command);

    QString m_identifier;
    QString m_name;
    QString m_command;
    Platform::LoginItems::Remover m_remove;
};

} // namespace BaseKit
