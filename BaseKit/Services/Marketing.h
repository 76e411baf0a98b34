#pragma once

#include "BaseKit/Services/Maker.h"
#include "BaseKit/Services/OtherApps.h"
#include "BaseKit/Services/WebRequest.h"
#include "BaseKit/Workspace/Workspace.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

namespace BaseKit {

// The maker's other applications: the list published at "/files/apps.json" on the maker's file host,
// and the maker's page of applications.
class Marketing {
public:
    static constexpr const char* documentPath = "/files/apps.json";

    // Where the list is fetched: the file host, such as "https://files.brannock.com", and how long the
    // request waits for a byte.
    struct Source {
        QString fileHost = QString::fromLatin1(Maker::fileHost);
        std::chrono::milliseconds timeout = WebRequest::standardTimeout;
    };

    // Fetches the list from `source` anew (nothing is cached) and calls `completion` later, on the main
    // thread, with it, less every entry whose bundle identifier equals `excludedBundleIdentifier`
    // exactly. A failed fetch, a status other than 2xx or a malformed document gives the empty list.
    // Not called when `context` is given and destroyed by then.
    static void fetchOtherApps(const Source& source, const std::optional<QString>& excludedBundleIdentifier,
                               QObject* context, std::function<void(const OtherApps&)> completion);
    // The same, telling as well whether the list could be had at all: `loaded` is false when the
    // request failed (offline, for example), the status was not 2xx or the document did not decode.
    static void loadOtherApps(const Source& source, const std::optional<QString>& excludedBundleIdentifier,
                              QObject* context, std::function<void(const OtherApps& apps, bool loaded)> completion);
    // Hands the maker's page of applications to `opener`; returns whether it took the address.
    static bool openDeveloperPage(const Workspace::UrlOpener& opener);
};

} // namespace BaseKit
