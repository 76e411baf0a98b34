#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace Platform {

// Banners shown by the desktop's notification server (org.freedesktop.Notifications on the session
// bus). There is no per-application permission on Linux: notifications count as authorised when the
// server's name has an owner, and as denied otherwise (no bus, or no server running).
//
// Every operation answers through its completion, later, on the main thread; a completion whose
// context object is gone is not called.
class UserNotifications {
public:
    enum class AuthorizationStatus { NotDetermined = 0, Denied = 1, Authorized = 2, Provisional = 3, Ephemeral = 4 };
    enum class AlertStyle { None = 0, Banner = 1, Alert = 2 };
    // Options of an authorisation request, as bits.
    enum Option { Badge = 1, Sound = 2, Alert = 4 };

    struct Settings {
        AuthorizationStatus authorizationStatus = AuthorizationStatus::NotDetermined;
        AlertStyle alertStyle = AlertStyle::None;
    };

    // One banner: shown at once, with the default sound when `playsSound`.
    struct Request {
        QString identifier;
        QString title;
        QString body;
        bool playsSound = false;
    };

    // granted, or the error's description.
    using AuthorizationCompletion = std::function<void(bool granted, const std::optional<QString>& error)>;
    using SettingsCompletion = std::function<void(const Settings& settings)>;
    using AddCompletion = std::function<void(const std::optional<QString>& error)>;

    static constexpr const char* service = "org.freedesktop.Notifications";

    explicit UserNotifications(QDBusConnection bus);
    virtual ~UserNotifications() = default;

    virtual void requestAuthorization(int options, QObject* context, AuthorizationCompletion completion);
    virtual void getSettings(QObject* context, SettingsCompletion completion);
    virtual void add(const Request& request, QObject* context, AddCompletion completion);

    // The centre on the session bus, made on first use. Tests hand a centre of their own to what
    // they drive.
    static UserNotifications& current();

private:
    QDBusConnection m_bus;
};

} // namespace Platform
