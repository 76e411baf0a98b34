#include "BaseKit/Services/Notifications.h"

#include "Platform/Bus/DistributedCenter.h"
#include "Platform/Bus/UserNotifications.h"

#include <QCoreApplication>
#include <QPointer>
#include <QUuid>

#include <algorithm>
#include <memory>
#include <vector>

namespace BaseKit {

namespace {

// The in-process centre: registrations in the order they were made.
struct LocalRegistration {
    QPointer<QObject> observer;
    QString name;
    bool filtersObject = false;
    QPointer<QObject> object;
    Notifications::Apps::Handler handler;
    bool active = true;
};

std::vector<std::shared_ptr<LocalRegistration>>& localRegistrations()
{
    static std::vector<std::shared_ptr<LocalRegistration>> registrations;
    return registrations;
}

void dropDeadRegistrations()
{
    auto& all = localRegistrations();
    all.erase(std::remove_if(all.begin(), all.end(),
                             [](const auto& r) { return !r->active || !r->observer; }),
              all.end());
}

bool allowsBanners(const Platform::UserNotifications::Settings& settings)
{
    using Status = Platform::UserNotifications::AuthorizationStatus;
    return settings.authorizationStatus == Status::Authorized || settings.authorizationStatus == Status::Provisional;
}

} // namespace

void Notifications::Distributed::addObserver(QObject* observer, const QString& name, Handler handler)
{
    addObserver(observer, name, std::nullopt, std::move(handler));
}

void Notifications::Distributed::addObserver(QObject* observer, const QString& name,
                                             const std::optional<QString>& object, Handler handler)
{
    Platform::DistributedCenter::defaultCenter().addObserver(observer, name, object, std::move(handler));
}

void Notifications::Distributed::removeObserver(QObject* observer, const QString& name)
{
    Platform::DistributedCenter::defaultCenter().removeObserver(observer, name);
}

void Notifications::Distributed::post(const QString& name, const std::optional<QString>& object)
{
    Platform::DistributedCenter::defaultCenter().post(name, object);
}

void Notifications::Apps::addObserver(QObject* observer, const QString& name, Handler handler)
{
    addObserver(observer, name, nullptr, std::move(handler));
}

void Notifications::Apps::addObserver(QObject* observer, const QString& name, QObject* object, Handler handler)
{
    if (!observer)
        return;
    dropDeadRegistrations();
    auto registration = std::make_shared<LocalRegistration>();
    registration->observer = observer;
    registration->name = name;
    registration->filtersObject = object != nullptr;
    registration->object = object;
    registration->handler = std::move(handler);
    localRegistrations().push_back(std::move(registration));
}

void Notifications::Apps::removeObserver(QObject* observer, const QString& name)
{
    for (const auto& registration : localRegistrations()) {
        if (registration->observer == observer && registration->name == name)
            registration->active = false;
    }
    dropDeadRegistrations();
}

void Notifications::Apps::post(const QString& name, QObject* object)
{
    // A handler may add or remove observers: walk a copy, and skip what was removed meanwhile.
    const auto snapshot = localRegistrations();
    for (const auto& registration : snapshot) {
        if (!registration->active || !registration->observer || registration->name != name)
            continue;
        if (registration->filtersObject && (!registration->object || registration->object != object))
            continue;
        if (registration->handler)
            registration->handler(name, object);
    }
}

void Notifications::Apps::requestAuthorization(std::function<void(const AuthorizationResult&)> completion)
{
    requestAuthorization(Platform::UserNotifications::current(), std::move(completion));
}

void Notifications::Apps::requestAuthorization(Platform::UserNotifications& center,
                                               std::function<void(const AuthorizationResult&)> completion)
{
    using UN = Platform::UserNotifications;
    center.requestAuthorization(UN::Alert | UN::Sound | UN::Badge, nullptr,
                                       [completion](bool granted, const std::optional<QString>& error) {
                                           if (!completion)
                                               return;
                                           if (error)
                                               completion(AuthorizationResult(*error));
                                           else
                                               completion(AuthorizationResult(granted));
                                       });
}

void Notifications::Apps::isEnabled(std::function<void(bool)> completion)
{
    isEnabled(Platform::UserNotifications::current(), std::move(completion));
}

void Notifications::Apps::isEnabled(Platform::UserNotifications& center, std::function<void(bool)> completion)
{
    using UN = Platform::UserNotifications;
    center.getSettings(nullptr, [completion](const UN::Settings& settings) {
        const bool shows = settings.alertStyle == UN::AlertStyle::Alert || settings.alertStyle == UN::AlertStyle::Banner;
        if (completion)
            completion(allowsBanners(settings) && shows);
    });
}

void Notifications::Apps::showNotification(const QString& title, const QString& body,
                                           std::function<void(const std::optional<QString>&)> completion)
{
    showNotification(Platform::UserNotifications::current(), title, body, std::move(completion));
}

void Notifications::Apps::showNotification(Platform::UserNotifications& center, const QString& title,
                                           const QString& body,
                                           std::function<void(const std::optional<QString>&)> completion)
{
    using UN = Platform::UserNotifications;
    center.getSettings(nullptr, [&center, title, body, completion](const UN::Settings& settings) {
        if (!allowsBanners(settings)) {
            // The caller learns that nothing was shown rather than waiting for ever.
            if (completion)
                completion(QString::fromLatin1(notShownError));
            return;
        }
        UN::Request request;
        request.identifier = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
        request.title = title;
        request.body = body;
        request.playsSound = true;
        center.add(request, nullptr, [completion](const std::optional<QString>& error) {
            if (completion)
                completion(error);
        });
    });
}

} // namespace BaseKit
