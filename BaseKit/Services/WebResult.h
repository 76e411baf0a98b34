#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkReply>
#include <QPair>
#include <QString>
#include <QUrl>

#include <optional>

namespace BaseKit {

// What the server answered: its status code (none when no HTTP answer came), the headers as they came
// and the address that answered (after redirects). Callers that use a body check the status first
// (ResponseStatus::isSuccess).
struct WebResponse {
    std::optional<int> statusCode;
    QUrl url;
    QList<QPair<QByteArray, QByteArray>> headers;

    // The first header of that name, compared without regard to case; empty when absent.
    QByteArray header(const QByteArray& name) const;
};

// Why an exchange failed. `networkError` is the transport's own code, passed on unchanged.
struct WebError {
    enum class Code {
        UnsupportedUrl,         // the text is no http or https address; nothing was sent
        TimedOut,               // nothing arrived within the time-out
        CannotConnectToHost,    // refused, unreachable
        CannotFindHost,         // name resolution failed
        SecureConnectionFailed, // TLS
        NetworkConnectionLost,  // closed before the answer was complete
        Other,
    };
    Code code = Code::Other;
    QNetworkReply::NetworkError networkError = QNetworkReply::NoError;
    QString description;
};

// The outcome of one exchange: the body and response record, or an error. An HTTP error status is no
// error here: a 404 page arrives as a body with `response.statusCode` 404.
struct WebResult {
    QByteArray body;
    WebResponse response;
    std::optional<WebError> error;

    bool succeeded() const { return !error.has_value(); }
};

} // namespace BaseKit
