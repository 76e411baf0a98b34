#pragma once

#include <optional>

class QNetworkReply;

namespace BaseKit {

// Whether a web response succeeded.
class ResponseStatus {
public:
    ResponseStatus() = delete;

    // True for an HTTP status code 200 … 299; false for any other code and for a response that is
    // not an HTTP response (no code).
    static bool isSuccess(std::optional<int> httpStatusCode);
    // The same for a finished reply, from its HTTP status attribute; false for no reply.
    static bool isSuccess(const QNetworkReply* reply);
};

} // namespace BaseKit
