#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <variant>

namespace Platform {
class UserNotifications;
}

namespace BaseKit {

// The program's notification services under one name: Distributed crosses process boundaries (the
// exchange with the companion runs over it), Apps posts and observes inside the process and shows
// user notifications (banners). Observers are QObjects: a registration ends with removeObserver or
// when the observer is destroyed. Everything runs on the main thread.
class Notifications {
public:
    class Distributed {
    public:
        // Called with the notification's name and object text (empty when posted without object).
        using Handler = std::function<void(const QString& name, const QString& object)>;

        // Notifications of that name from any sender.
        static void addObserver(QObject* observer, const QString& name, Handler handler);
        // Only notifications posted with an equal object text; no object means any sender.
        static void addObserver(QObject* observer, const QString& name, const std::optional<QString>& object,
                                Handler handler);
        static void removeObserver(QObject* observer, const QString& name);
        static void post(const QString& name, const std::optional<QString>& object = std::nullopt);
    };

    class Apps {
    public:
        // Called with the notification's name and object (null when posted without one).
        using Handler = std::function<void(const QString& name, QObject* object)>;

        // In-process notifications, delivered synchronously while `post` runs, in the order the
        // observers were added.
        static void addObserver(QObject* observer, const QString& name, Handler handler);
        // Only notifications whose object is `object` (the same QObject); null means any sender.
        static void addObserver(QObject* observer, const QString& name, QObject* object, Handler handler);
        static void removeObserver(QObject* observer, const QString& name);
        static void post(const QString& name, QObject* object = nullptr);

        // User notifications (banners). Completions run later, on the main thread.
        // Authorisation: granted, or an error's description.
        using AuthorizationResult = std::variant<bool, QString>;
        static void requestAuthorization(std::function<void(const AuthorizationResult&)> completion = {});
        // True when banners are allowed and would be seen.
        static void isEnabled(std::function<void(bool)> completion);
        // Shows one banner with the default sound; every call adds a new one. The completion gets the
        // error's description, or none when the banner was handed over; when banners are not allowed
        // it gets "not shown" and nothing appears.
        static void showNotification(const QString& title, const QString& body,
                                     std::function<void(const std::optional<QString>&)> completion = {});

        // The same, asking `center` rather than the session bus's (which must outlive the completions).
        static void requestAuthorization(Platform::UserNotifications& center,
                                         std::function<void(const AuthorizationResult&)> completion = {});
        static void isEnabled(Platform::UserNotifications& center, std::function<void(bool)> completion);
        static void showNotification(Platform::UserNotifications& center, const QString& title, const QString& body,
                                     std::function<void(const std::optional<QString>&)> completion = {});

        static constexpr const char* notShownError = "not shown";
    };
};

} // namespace BaseKit
