#pragma once

#include <QString>

#include <functional>

namespace Platform {

// Programs started at login: XDG autostart entries, $XDG_CONFIG_HOME/autostart/<identifier>.desktop.
// An item is registered while its entry exists and is not hidden ("Hidden=true" is how a user turns a
// system-wide autostart entry off).
class LoginItems {
public:
    enum class Status {
        notRegistered = 0,
        enabled = 1,
        requiresApproval = 2, // never on Linux: no approval step exists
        notFound = 3,
    };

    // The autostart folder.
    static QString folder();
    static QString entryPath(const QString& identifier);

    static Status status(const QString& identifier);
    // Writes the entry (replacing a hidden one) that starts `command` with the display name `name`.
    // False when the identifier is unusable or the file cannot be written.
    static bool registerItem(const QString& identifier, const QString& name, const QString& command);
    // How an entry file is removed; an empty function is QFile::remove.
    using Remover = std::function<bool(const QString& path)>;
    // Removes the entry with `remove`; true when no entry is left.
    static bool unregisterItem(const QString& identifier, const Remover& remove = {});
};

} // namespace Platform
