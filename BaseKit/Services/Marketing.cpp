#include "BaseKit/Services/Marketing.h"

#include "BaseKit/ResponseStatus.h"
#include "BaseKit/Services/Maker.h"
#include "BaseKit/Services/WebRequest.h"
#include "BaseKit/Workspace/Workspace.h"

#include <QPointer>

namespace BaseKit {

namespace {

QString& currentFileHost()
{
    static QString host = QString::fromLatin1(Maker::fileHost);
    return host;
}

} // namespace

void Marketing::fetchOtherApps(const std::optional<QString>& excludedBundleIdentifier, QObject* context,
                               std::function<void(const OtherApps&)> completion)
{
    loadOtherApps(excludedBundleIdentifier, context, [completion](const OtherApps& apps, bool) {
        if (completion)
            completion(apps);
    });
}

void Marketing::loadOtherApps(const std::optional<QString>& excludedBundleIdentifier, QObject* context,
                              std::function<void(const OtherApps&, bool)> completion)
{
    const QString address = currentFileHost() + QLatin1String(documentPath);
    WebRequest::get(address, context, [excludedBundleIdentifier, completion](const WebResult& result) {
        OtherApps apps;
        bool loaded = false;
        // Only a successful answer is a document: an error page decodes to nothing either way, but
        // a 404 with a well-formed stale list must not pass as the list.
        if (result.succeeded() && ResponseStatus::isSuccess(result.response.statusCode)) {
            const std::optional<OtherApps> decoded = OtherApps::decode(result.body);
            loaded = decoded.has_value();
            apps = decoded.value_or(OtherApps());
        }
        if (excludedBundleIdentifier) {
            apps.apps.removeIf(
                [&excludedBundleIdentifier](const OtherApp& app) { return app.bundleIdentifier == *excludedBundleIdentifier; });
        }
        if (completion)
            completion(apps, loaded);
    });
}

bool Marketing::openDeveloperPage()
{
    return Workspace::openUrlString(QString::fromLatin1(Maker::developerPage));
}

QString Marketing::fileHost()
{
    return currentFileHost();
}

void Marketing::setFileHost(const QString& host)
{
    currentFileHost() = host.isEmpty() ? QString::fromLatin1(Maker::fileHost) : host;
}

} // namespace BaseKit
