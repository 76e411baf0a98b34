#pragma once

#include "BaseKit/Services/WebResult.h"

#include <QMap>
#include <QNetworkRequest>
#include <QObject>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>
#include <optional>

namespace BaseKit {

// HTTP exchanges. Every operation returns at once and calls its completion later, on the main thread,
// with the body and response record or the error (WebResult); none looks at the status code, so a
// 404 page is a successful exchange and callers that must trust a body check
// `ResponseStatus::isSuccess(response.statusCode)` themselves. Caching is off and a request gives up
// after its time-out (10 seconds unless a GET or `request` is given another) without a byte arriving.
// GET and other methods with a URL text use a fresh network manager per call (no cookies or
// connections outlive it); POST and `send` use one shared manager.
//
// The completion is always called exactly once, never before the operation has returned, unless
// `context` is given and has been destroyed by then: then it is not called at all.
class WebRequest {
public:
    using Headers = QMap<QString, QString>;
    using Completion = std::function<void(const WebResult& result)>;

    static constexpr std::chrono::milliseconds standardTimeout{10000};

    static void get(const QString& url, QObject* context, Completion completion,
                    std::chrono::milliseconds timeout = standardTimeout);
    static void get(const QString& url, const Headers& headers, QObject* context, Completion completion,
                    std::chrono::milliseconds timeout = standardTimeout);
    // The text is used as it stands: it must be a valid address already.
    static void getUnescaped(const QString& url, QObject* context, Completion completion);
    static void request(const QString& method, const QString& url, const Headers& headers, QObject* context,
                        Completion completion, std::chrono::milliseconds timeout = standardTimeout);
    static void put(const QString& url, const Headers& headers, QObject* context, Completion completion);
    static void deleteRequest(const QString& url, const Headers& headers, QObject* context, Completion completion);
    // With a body: "Content-Type" "application/x-www-form-urlencoded" and the body's UTF-8 bytes as
    // they stand; without one: neither.
    static void post(const QString& url, const std::optional<QString>& body, QObject* context,
                     Completion completion);
    static void post(const QString& url, const std::optional<QString>& body, const Headers& headers,
                     QObject* context, Completion completion);
    // A request prepared by the caller, sent as it is (no cache or time-out settings added).
    static void send(const QNetworkRequest& request, const QByteArray& method, const QByteArray& body,
                     QObject* context, Completion completion);

    // The address a URL text stands for: characters an address may not hold are percent-encoded,
    // escapes already present stay as they are. Invalid (empty) for anything that is no http or https
    // address with a host.
    static QUrl encodedUrl(const QString& text);
};

} // namespace BaseKit
