#include "ThermionKit/ThermionCheck.h"

#include "ThermionKit/ServerVersion.h"
#include "ThermionKit/ThermionKitConstants.h"
#include "ThermionKit/ThermionNotifications.h"

#include "BaseKit/ResponseStatus.h"
#include "BaseKit/Services/Maker.h"
#include "BaseKit/Services/Notifications.h"
#include "BaseKit/Services/WebRequest.h"
#include "BaseKit/Version.h"
#include "BaseKit/Workspace/Workspace.h"
#include "Platform/Bus/BusNameWatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>

namespace ThermionKit {

namespace {

QString identifier()
{
    return QString::fromLatin1(ThermionKitConstants::bundleIdentifier);
}

// The companion's bus name, watched from the first question on for the life of the application.
Platform::BusNameWatch* presence()
{
    static QPointer<Platform::BusNameWatch> watch;
    if (!watch)
        watch = new Platform::BusNameWatch(identifier(), QDBusConnection::sessionBus(), QCoreApplication::instance());
    return watch;
}

} // namespace

ThermionCheck::Environment ThermionCheck::standardEnvironment()
{
    Environment environment;
    environment.fixedEntryPath = QStringLiteral("/usr/share/applications/") + identifier() + QStringLiteral(".desktop");
    environment.dataDirectories = Platform::DesktopEntries::dataDirectories();
    environment.versionDocumentUrl = QString::fromLatin1(BaseKit::Maker::fileHost) + QLatin1String(versionDocumentPath);
    environment.downloadPage = QString::fromLatin1(BaseKit::Maker::webHost) + QStringLiteral("/thermion");
    return environment;
}

ThermionCheck::ThermionCheck(Environment environment) : m_environment(std::move(environment)) {}

bool ThermionCheck::openDownloadPage() const
{
    return BaseKit::Workspace::openUrlString(environment().downloadPage, environment().urlOpener);
}

void ThermionCheck::watchPresence()
{
    presence();
}

bool ThermionCheck::isRunning()
{
    // Never waits on the bus: until its first answer the companion counts as not running.
    Platform::BusNameWatch* watch = presence();
    return watch && watch->hasOwner().value_or(false);
}

std::optional<Platform::DesktopEntry> ThermionCheck::installedEntry() const
{
    const Platform::DesktopEntries entries(environment().dataDirectories);
    if (auto entry = entries.find(identifier()))
        return entry;
    const QString fixed = environment().fixedEntryPath;
    if (fixed.isEmpty() || !QFileInfo(fixed).isFile())
        return std::nullopt;
    // The share folder of ".../share/applications/<id>.desktop".
    const QString share = QFileInfo(QFileInfo(fixed).absolutePath()).absolutePath();
    return Platform::DesktopEntries::read(fixed, identifier(), share);
}

bool ThermionCheck::isInstalled() const
{
    const QString fixed = environment().fixedEntryPath;
    if (!fixed.isEmpty() && QFileInfo::exists(fixed))
        return true;
    return Platform::DesktopEntries(environment().dataDirectories).find(identifier()).has_value();
}

std::optional<QString> ThermionCheck::installedVersion() const
{
    if (!isInstalled())
        return std::nullopt;
    const auto entry = installedEntry();
    if (!entry)
        return std::nullopt;
    std::optional<QString> newest;
    for (const QString& version : Platform::DesktopEntries::releaseVersions(*entry)) {
        if (!newest || BaseKit::Version(version) > BaseKit::Version(*newest))
            newest = version;
    }
    return newest;
}

void ThermionCheck::start() const
{
    if (!isInstalled())
        return;
    const auto launch = [check = *this] {
        if (const auto entry = check.installedEntry())
            Platform::DesktopEntries::launch(*entry);
    };
    Platform::BusNameWatch* watch = presence();
    if (!watch || watch->hasOwner()) {
        if (!isRunning())
            launch();
        return;
    }
    // The bus has not said yet whether the companion runs: decide on its first answer, so that a
    // running companion is not started twice and nothing waits for the bus.
    auto* pending = new QObject(watch);
    QObject::connect(watch, &Platform::BusNameWatch::ownerChanged, pending, [pending, launch](bool owned) {
        delete pending; // disconnects: one answer decides
        if (!owned)
            launch();
    });
}

void ThermionCheck::terminate()
{
    BaseKit::Notifications::Distributed::post(QString::fromLatin1(ThermionNotifications::terminate));
}

void ThermionCheck::fetchServerVersion(QObject* context, VersionCompletion completion) const
{
    BaseKit::WebRequest::get(environment().versionDocumentUrl, context,
                             [completion = std::move(completion)](const BaseKit::WebResult& result) {
                                 if (result.error) {
                                     completion(*result.error);
                                     return;
                                 }
                                 // An error page is no version document, whatever it holds.
                                 const auto decoded = BaseKit::ResponseStatus::isSuccess(result.response.statusCode)
                                     ? ServerVersion::decode(result.body)
                                     : std::nullopt;
                                 completion(decoded ? decoded->version : QString::fromLatin1(fallbackVersion));
                             });
}

void ThermionCheck::serverVersion(QObject* context, VersionCompletion completion) const
{
    fetchServerVersion(context, std::move(completion));
}

void ThermionCheck::checkForUpdate(QObject* context, std::function<void(const UpdateResult&)> completion) const
{
    fetchServerVersion(context, [check = *this, completion = std::move(completion)](const VersionResult& result) {
        if (const auto* error = std::get_if<BaseKit::WebError>(&result)) {
            completion(*error);
            return;
        }
        const QString server = std::get<QString>(result);
        const auto installed = check.installedVersion();
        if (!installed) {
            completion(UpdateInfo{false, QString::fromLatin1(fallbackVersion)});
            return;
        }
        completion(UpdateInfo{BaseKit::Version(server) > BaseKit::Version(*installed), server});
    });
}

} // namespace ThermionKit
