#include "BaseKit/Services/Marketing.h"

#include "BaseKit/ResponseStatus.h"
#include "BaseKit/Services/Maker.h"
#include "BaseKit/Services/WebRequest.h"
#include "BaseKit/Workspace/Workspace.h"

#include <QPointer>

namespace BaseKit {

void Marketing::fetchOtherApps(const Source& source, const std::optional<QString>& excludedBundleIdentifier,
                               QObject* context, std::function<void(const OtherApps&)> completion)
{
    loadOtherApps(source, excludedBundleIdentifier, context, [completion](const OtherApps& apps, bool) {
        if (completion)
            completion(apps);
    });
}

void Marketing::loadOtherApps(const Source& source, const std::optional<QString>& excludedBundleIdentifier,
                              QObject* context, std::function<void(const OtherApps&, bool)> completion)
{
    const QString address = source.fileHost + QLatin1String(documentPath);
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
    }, source.timeout);
}

bool Marketing::openDeveloperPage(const Workspace::UrlOpener& opener)
{
    return Workspace::openUrlString(QString::fromLatin1(Maker::developerPage), opener);
}

} // namespace BaseKit
