#include "BaseKit/Services/WebRequest.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QTimer>

namespace BaseKit {

namespace {

// The manager that POST and prepared requests share, made on first use and gone with the application.
QNetworkAccessManager* sharedManager()
{
    static QPointer<QNetworkAccessManager> manager;
    if (!manager)
        manager = new QNetworkAccessManager(QCoreApplication::instance());
    return manager;
}

bool isHttpAddress(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

QUrl unescapedUrl(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    return isHttpAddress(url) ? url : QUrl();
}

// Calls the completion unless its context is gone.
class Delivery {
public:
    Delivery(QObject* context, WebRequest::Completion completion)
        : m_context(context), m_hasContext(context != nullptr), m_completion(std::move(completion))
    {
    }

    void operator()(const WebResult& result) const
    {
        if ((m_hasContext && !m_context) || !m_completion)
            return;
        m_completion(result);
    }

private:
    QPointer<QObject> m_context;
    bool m_hasContext;
    WebRequest::Completion m_completion;
};

void failUnsupported(const Delivery& deliver)
{
    WebResult result;
    result.error = WebError{WebError::Code::UnsupportedUrl, QNetworkReply::ProtocolUnknownError,
                            QStringLiteral("unsupported URL")};
    // Later, like every other answer, and before any connection is made.
    QTimer::singleShot(0, QCoreApplication::instance(), [deliver, result] { deliver(result); });
}

WebError::Code errorCode(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::NetworkSessionFailedError:
        return WebError::Code::CannotConnectToHost;
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::ProxyNotFoundError:
        return WebError::Code::CannotFindHost;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::OperationCanceledError: // nothing cancels but the transfer time-out
        return WebError::Code::TimedOut;
    case QNetworkReply::SslHandshakeFailedError:
        return WebError::Code::SecureConnectionFailed;
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::ProxyConnectionClosedError:
        return WebError::Code::NetworkConnectionLost;
    default:
        return WebError::Code::Other;
    }
}

// An HTTP error status (4xx, 5xx) arrives as a "content" or "server" error of the reply: the
// exchange itself worked, and the answer is passed on as it came.
bool isStatusError(QNetworkReply::NetworkError error)
{
    const int code = int(error);
    return (code >= 201 && code <= 299) || (code >= 401 && code <= 499);
}

WebResult resultOf(QNetworkReply* reply)
{
    WebResult result;
    if (reply->isOpen())
        result.body = reply->readAll();
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid())
        result.response.statusCode = status.toInt();
    result.response.url = reply->url();
    result.response.headers = reply->rawHeaderPairs();
    const QNetworkReply::NetworkError error = reply->error();
    if (error != QNetworkReply::NoError && !(status.isValid() && isStatusError(error)))
        result.error = WebError{errorCode(error), error, reply->errorString()};
    return result;
}

// A time-out of none or less is the standard one.
QNetworkRequest makeRequest(const QUrl& url, std::chrono::milliseconds timeout = WebRequest::standardTimeout)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setTransferTimeout(int((timeout.count() > 0 ? timeout : WebRequest::standardTimeout).count()));
    return request;
}

void setHeaders(QNetworkRequest& request, const WebRequest::Headers& headers)
{
    // Each header replaces a value already set (such as the form type of a POST).
    for (auto it = headers.cbegin(); it != headers.cend(); ++it)
        request.setRawHeader(it.key().toUtf8(), it.value().toUtf8());
}

// Starts the exchange on `manager` and delivers its outcome; `ownManager` goes with the reply.
void start(QNetworkAccessManager* manager, bool ownManager, const QNetworkRequest& request,
           const QByteArray& method, const std::optional<QByteArray>& body, const Delivery& deliver)
{
    QNetworkReply* reply = body ? manager->sendCustomRequest(request, method, *body)
                                : manager->sendCustomRequest(request, method);
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, manager, ownManager, deliver] {
        const WebResult result = resultOf(reply);
        reply->deleteLater();
        if (ownManager)
            manager->deleteLater();
        deliver(result);
    });
}

// A fresh manager for one exchange: nothing (cookies, connections) outlives the call.
void startFresh(const QNetworkRequest& request, const QByteArray& method, const Delivery& deliver)
{
    auto* manager = new QNetworkAccessManager(QCoreApplication::instance());
    start(manager, true, request, method, std::nullopt, deliver);
}

} // namespace

QUrl WebRequest::encodedUrl(const QString& text)
{
    if (text.isEmpty())
        return {};
    // Tolerant parsing encodes what an address may not hold (blanks, stray "%", non-ASCII) and keeps
    // the escapes that are there; the strict re-parse rejects whatever is still no address.
    const QUrl tolerant(text, QUrl::TolerantMode);
    if (!tolerant.isValid())
        return {};
    const QUrl url(tolerant.toString(QUrl::FullyEncoded), QUrl::StrictMode);
    return isHttpAddress(url) ? url : QUrl();
}

void WebRequest::get(const QString& url, QObject* context, Completion completion, std::chrono::milliseconds timeout)
{
    const Delivery deliver(context, std::move(completion));
    const QUrl address = encodedUrl(url);
    if (address.isEmpty())
        return failUnsupported(deliver);
    startFresh(makeRequest(address, timeout), QByteArrayLiteral("GET"), deliver);
}

void WebRequest::get(const QString& url, const Headers& headers, QObject* context, Completion completion,
                     std::chrono::milliseconds timeout)
{
    request(QStringLiteral("GET"), url, headers, context, std::move(completion), timeout);
}

void WebRequest::getUnescaped(const QString& url, QObject* context, Completion completion)
{
    const Delivery deliver(context, std::move(completion));
    const QUrl address = unescapedUrl(url);
    if (address.isEmpty())
        return failUnsupported(deliver);
    startFresh(makeRequest(address), QByteArrayLiteral("GET"), deliver);
}

void WebRequest::request(const QString& method, const QString& url, const Headers& headers, QObject* context,
                         Completion completion, std::chrono::milliseconds timeout)
{
    const Delivery deliver(context, std::move(completion));
    const QUrl address = encodedUrl(url);
    if (address.isEmpty() || method.isEmpty())
        return failUnsupported(deliver);
    QNetworkRequest request = makeRequest(address, timeout);
    setHeaders(request, headers);
    startFresh(request, method.toUtf8(), deliver);
}

void WebRequest::put(const QString& url, const Headers& headers, QObject* context, Completion completion)
{
    request(QStringLiteral("PUT"), url, headers, context, std::move(completion));
}

void WebRequest::deleteRequest(const QString& url, const Headers& headers, QObject* context, Completion completion)
{
    request(QStringLiteral("DELETE"), url, headers, context, std::move(completion));
}

void WebRequest::post(const QString& url, const std::optional<QString>& body, QObject* context,
                      Completion completion)
{
    post(url, body, Headers(), context, std::move(completion));
}

void WebRequest::post(const QString& url, const std::optional<QString>& body, const Headers& headers,
                      QObject* context, Completion completion)
{
    const Delivery deliver(context, std::move(completion));
    const QUrl address = encodedUrl(url);
    if (address.isEmpty())
        return failUnsupported(deliver);
    QNetworkRequest request = makeRequest(address);
    std::optional<QByteArray> bytes;
    if (body) {
        request.setRawHeader("Content-Type", "application/x-www-form-urlencoded");
        bytes = body->toUtf8();
    }
    setHeaders(request, headers);
    start(sharedManager(), false, request, QByteArrayLiteral("POST"), bytes, deliver);
}

void WebRequest::send(const QNetworkRequest& request, const QByteArray& method, const QByteArray& body,
                      QObject* context, Completion completion)
{
    const Delivery deliver(context, std::move(completion));
    if (!isHttpAddress(request.url()) || method.isEmpty())
        return failUnsupported(deliver);
    start(sharedManager(), false, request, method, body.isEmpty() ? std::nullopt : std::optional(body), deliver);
}

} // namespace BaseKit
