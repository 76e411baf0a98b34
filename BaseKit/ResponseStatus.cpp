#include "BaseKit/ResponseStatus.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace BaseKit {

bool ResponseStatus::isSuccess(std::optional<int> httpStatusCode)
{
    return httpStatusCode && *httpStatusCode >= 200 && *httpStatusCode <= 299;
}

bool ResponseStatus::isSuccess(const QNetworkReply* reply)
{
    if (!reply)
        return false;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    bool ok = false;
    const int code = status.toInt(&ok);
    return isSuccess(status.isValid() && ok ? std::optional<int>(code) : std::nullopt);
}

} // namespace BaseKit
