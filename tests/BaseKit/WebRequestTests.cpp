#include "BaseKit/ResponseStatus.h"
#include "BaseKit/Services/WebRequest.h"

#include "Support/LoopbackServer.h"

#include <QTest>
#include <gtest/gtest.h>

#include <optional>

using BaseKit::WebError;
using BaseKit::WebRequest;
using BaseKit::WebResult;

namespace {

// Waits (at most ~20 s, far beyond any expected answer) for the completion of one exchange.
struct Outcome {
    std::optional<WebResult> result;
    int calls = 0;

    WebRequest::Completion completion()
    {
        return [this](const WebResult& r) {
            result = r;
            ++calls;
        };
    }
    bool wait() { return QTest::qWaitFor([this] { return calls > 0; }, 20000); }
};

class WebRequestTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.isListening()); }

    LoopbackServer server;
};

TEST_F(WebRequestTest, GetReturnsBodyAndResponseBytesUnchanged)
{
    // Not UTF-8, with a NUL: the body is bytes and must come back exactly.
    const QByteArray body("\xff\xfe\x00 caf\xe9 \xc3\x28", 12);
    server.reply.body = body;
    server.reply.headers = {{"X-Answer", "42"}};
    Outcome outcome;
    WebRequest::get(server.url(QStringLiteral("/files/apps.json")), nullptr, outcome.completion());
    ASSERT_TRUE(outcome.wait());
    const WebResult& result = *outcome.result;
    ASSERT_TRUE(result.succeeded()) << result.error->description.toStdString();
    EXPECT_EQ(result.body, body);
    EXPECT_EQ(result.response.statusCode, 200);
    EXPECT_TRUE(BaseKit::ResponseStatus::isSuccess(result.response.statusCode));
    EXPECT_EQ(result.response.header("x-answer"), "42");
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].method, "GET");
    EXPECT_EQ(server.requests[0].target, "/files/apps.json");
    EXPECT_EQ(outcome.calls, 1);
}

TEST_F(WebRequestTest, ErrorStatusesArePassedOnAsAnswers)
{
    for (const QByteArray& status : {QByteArray("404 Not Found"), QByteArray("500 Internal Server Error"),
                                    QByteArray("401 Unauthorized")}) {
        server.reply.status = status;
        server.reply.body = "<html>" + status + "</html>";
        Outcome outcome;
        WebRequest::get(server.url(QStringLiteral("/missing")), nullptr, outcome.completion());
        ASSERT_TRUE(outcome.wait());
        ASSERT_TRUE(outcome.result->succeeded()) << status.constData();
        EXPECT_EQ(outcome.result->response.statusCode, status.left(3).toInt());
        EXPECT_EQ(outcome.result->body, server.reply.body);
        EXPECT_FALSE(BaseKit::ResponseStatus::isSuccess(outcome.result->response.statusCode));
    }
}

TEST_F(WebRequestTest, HeadersReplaceRatherThanJoin)
{
    Outcome outcome;
    WebRequest::request(QStringLiteral("GET"), server.url(QStringLiteral("/ip")),
                        {{QStringLiteral("User-Agent"), QStringLiteral("curl/8.0")},
                         {QStringLiteral("X-Token"), QStringLiteral("abc")}},
                        nullptr, outcome.completion());
    ASSERT_TRUE(outcome.wait());
    ASSERT_EQ(server.requests.size(), 1u);
    // Qt sends a User-Agent of its own: the caller's must replace it, not be appended to it.
    EXPECT_EQ(server.requests[0].header("User-Agent"), "curl/8.0");
    EXPECT_EQ(server.requests[0].header("X-Token"), "abc");

    Outcome put;
    WebRequest::put(server.url(QStringLiteral("/r")), {}, nullptr, put.completion());
    ASSERT_TRUE(put.wait());
    Outcome removal;
    WebRequest::deleteRequest(server.url(QStringLiteral("/r")), {}, nullptr, removal.completion());
    ASSERT_TRUE(removal.wait());
    ASSERT_EQ(server.requests.size(), 3u);
    EXPECT_EQ(server.requests[1].method, "PUT");
    EXPECT_EQ(server.requests[2].method, "DELETE");
}

TEST_F(WebRequestTest, PostBodiesAndContentType)
{
    Outcome withBody;
    WebRequest::post(server.url(QStringLiteral("/form")), QStringLiteral("a=1&b=%20 ü"), nullptr,
                     withBody.completion());
    ASSERT_TRUE(withBody.wait());
    Outcome absent;
    WebRequest::post(server.url(QStringLiteral("/form")), std::nullopt, nullptr, absent.completion());
    ASSERT_TRUE(absent.wait());
    Outcome empty;
    WebRequest::post(server.url(QStringLiteral("/form")), QString(""), nullptr, empty.completion());
    ASSERT_TRUE(empty.wait());
    Outcome json;
    WebRequest::post(server.url(QStringLiteral("/form")), QStringLiteral("{}"),
                     {{QStringLiteral("Content-Type"), QStringLiteral("application/json")}}, nullptr,
                     json.completion());
    ASSERT_TRUE(json.wait());

    ASSERT_EQ(server.requests.size(), 4u);
    for (const auto& request : server.requests)
        EXPECT_EQ(request.method, "POST");
    // The body goes out as its UTF-8 bytes, with no escaping of its own.
    EXPECT_EQ(server.requests[0].body, QStringLiteral("a=1&b=%20 ü").toUtf8());
    EXPECT_EQ(server.requests[0].header("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_FALSE(server.requests[1].hasHeader("Content-Type"));
    EXPECT_TRUE(server.requests[1].body.isEmpty());
    EXPECT_EQ(server.requests[2].header("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_TRUE(server.requests[2].body.isEmpty());
    EXPECT_EQ(server.requests[3].header("Content-Type"), "application/json");
}

TEST_F(WebRequestTest, AddressesAreEncodedOnceAndKeepTheirEscapes)
{
    Outcome blanks;
    WebRequest::get(server.url(QStringLiteral("/a b?q=x y&z=ä")), nullptr, blanks.completion());
    ASSERT_TRUE(blanks.wait());
    Outcome escaped;
    WebRequest::get(server.url(QStringLiteral("/a%20b?q=1#part")), nullptr, escaped.completion());
    ASSERT_TRUE(escaped.wait());
    Outcome unescaped;
    WebRequest::getUnescaped(server.url(QStringLiteral("/a%20b")), nullptr, unescaped.completion());
    ASSERT_TRUE(unescaped.wait());

    ASSERT_EQ(server.requests.size(), 3u);
    EXPECT_EQ(server.requests[0].target, "/a%20b?q=x%20y&z=%C3%A4");
    // An escape already there is no "%" to encode again, and the fragment never leaves the client.
    EXPECT_EQ(server.requests[1].target, "/a%20b?q=1");
    EXPECT_EQ(server.requests[2].target, "/a%20b");
}

TEST_F(WebRequestTest, UnsupportedAddressesFailBeforeAnyConnection)
{
    const QString port = QString::number(server.port());
    const QStringList texts{QString(),
                            QStringLiteral("no address"),
                            QStringLiteral("/files/apps.json"),
                            QStringLiteral("http://"),
                            QStringLiteral("ftp://127.0.0.1:") + port + QStringLiteral("/x"),
                            QStringLiteral("file:///etc/passwd")};
    for (const QString& text : texts) {
        Outcome outcome;
        WebRequest::get(text, nullptr, outcome.completion());
        // The answer never comes while the call runs.
        EXPECT_EQ(outcome.calls, 0);
        ASSERT_TRUE(outcome.wait());
        ASSERT_FALSE(outcome.result->succeeded()) << text.toStdString();
        EXPECT_EQ(outcome.result->error->code, WebError::Code::UnsupportedUrl) << text.toStdString();
        EXPECT_TRUE(outcome.result->body.isEmpty());
    }
    // The unescaped form takes the text as it stands: a blank makes it no address.
    Outcome blank;
    WebRequest::getUnescaped(server.url(QStringLiteral("/a b")), nullptr, blank.completion());
    ASSERT_TRUE(blank.wait());
    EXPECT_EQ(blank.result->error->code, WebError::Code::UnsupportedUrl);
    Outcome post;
    WebRequest::post(QString(), QStringLiteral("a=1"), nullptr, post.completion());
    ASSERT_TRUE(post.wait());
    EXPECT_EQ(post.result->error->code, WebError::Code::UnsupportedUrl);
    EXPECT_EQ(server.connections, 0);
}

TEST_F(WebRequestTest, AServerThatNeverAnswersTimesOut)
{
    server.reply.answers = false;
    Outcome outcome;
    // The request reaches the server within 40 ms even on a loaded machine: a second leaves it room.
    WebRequest::get(server.url(QStringLiteral("/slow")), nullptr, outcome.completion(), std::chrono::milliseconds(1000));
    ASSERT_TRUE(outcome.wait());
    ASSERT_FALSE(outcome.result->succeeded());
    EXPECT_EQ(outcome.result->error->code, WebError::Code::TimedOut);
    EXPECT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(outcome.calls, 1);
}

TEST_F(WebRequestTest, ARefusedPortIsAConnectionError)
{
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    Outcome outcome;
    WebRequest::get(QStringLiteral("http://127.0.0.1:%1/").arg(closedPort), nullptr, outcome.completion());
    ASSERT_TRUE(outcome.wait());
    ASSERT_FALSE(outcome.result->succeeded());
    EXPECT_EQ(outcome.result->error->code, WebError::Code::CannotConnectToHost);
    EXPECT_EQ(outcome.result->error->networkError, QNetworkReply::ConnectionRefusedError);
    EXPECT_FALSE(outcome.result->response.statusCode.has_value());
}

TEST_F(WebRequestTest, NoCompletionForADestroyedContext)
{
    int gone = 0;
    auto* context = new QObject;
    WebRequest::get(QString(), context, [&gone](const WebResult&) { ++gone; });
    delete context;
    // Answers are delivered in order: once this one arrives, the first would have.
    Outcome later;
    WebRequest::get(QString(), nullptr, later.completion());
    ASSERT_TRUE(later.wait());
    EXPECT_EQ(gone, 0);
}

} // namespace
