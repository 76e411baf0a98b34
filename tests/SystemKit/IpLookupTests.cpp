#include "SystemKit/Network/Ip.h"
#include "SystemKit/Network/IpInfo.h"

#include "BaseKit/Services/WebRequest.h"

#include "LookupServices.h"

#include <QTcpServer>
#include <QTest>

#include <gtest/gtest.h>

using namespace SystemKit;

namespace {

// Points the lookup at two local servers for the length of a test.
class Services : public LookupServices {
public:
    struct Outcome {
        bool done = false;
        ExternalIp result;
        std::optional<BaseKit::WebError> error;
    };

    Outcome run(std::function<void(Ip::Completion)> start)
    {
        Outcome outcome;
        start([&outcome](const ExternalIp& result, const std::optional<BaseKit::WebError>& error) {
            outcome.done = true;
            outcome.result = result;
            outcome.error = error;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return outcome.done; }, 15000));
        return outcome;
    }
    Outcome lookup()
    {
        return run([this](Ip::Completion done) {
            Ip::lookup(hosts, QStringLiteral("A"), QStringLiteral("1.2"), &context, std::move(done));
        });
    }

    QObject context;
};

} // namespace

TEST(IpLookup, GoodAnswer)
{
    Services services;
    services.echo.reply.body = "203.0.113.7\r\n";
    services.geo.reply.body = R"({"ip":"198.51.100.1","country_code":"DE","country":"Germany"})";
    const auto outcome = services.lookup();
    EXPECT_FALSE(outcome.error.has_value());
    // The echoed address, without its line break, not the record's.
    EXPECT_EQ(outcome.result.ip(), QStringLiteral("203.0.113.7"));
    EXPECT_EQ(outcome.result.countryCode(), QStringLiteral("DE"));
    ASSERT_EQ(services.echo.requests.size(), 1u);
    EXPECT_EQ(services.echo.requests[0].target, QByteArray("/"));
    EXPECT_EQ(services.echo.requests[0].header("User-Agent"), QByteArray("A/1.2"));
    ASSERT_EQ(services.geo.requests.size(), 1u);
    EXPECT_EQ(services.geo.requests[0].target, QByteArray("/api/lookup/203.0.113.7"));
    EXPECT_NE(services.geo.requests[0].header("User-Agent"), QByteArray("A/1.2"));
}

TEST(IpLookup, IPv6AnswerWithoutUserAgent)
{
    Services services;
    services.echo.reply.body = "2001:db8::7";
    services.geo.reply.body = R"({"country_code":"NL"})";
    const auto outcome = services.run([&](Ip::Completion done) { Ip::lookup(services.hosts, &services.context, std::move(done)); });
    EXPECT_EQ(outcome.result.ip(), QStringLiteral("2001:db8::7"));
    EXPECT_EQ(outcome.result.countryCode(), QStringLiteral("NL"));
    ASSERT_EQ(services.geo.requests.size(), 1u);
    EXPECT_EQ(services.geo.requests[0].target, QByteArray("/api/lookup/2001:db8::7"));

    // Written out at length: shown and looked up in the usual short form.
    Services longForm;
    longForm.echo.reply.body = " 2001:0DB8:0000:0000:0000:0000:0000:0007\n";
    longForm.geo.reply.body = R"({"country_code":"NL"})";
    const auto again = longForm.run([&](Ip::Completion done) { Ip::lookup(longForm.hosts, &longForm.context, std::move(done)); });
    EXPECT_EQ(again.result.ip(), QStringLiteral("2001:db8::7"));
    ASSERT_EQ(longForm.geo.requests.size(), 1u);
    EXPECT_EQ(longForm.geo.requests[0].target, QByteArray("/api/lookup/2001:db8::7"));
}

TEST(IpLookup, UnusableEchoAnswersGiveTheEmptyResult)
{
    for (const auto& [status, body] : std::vector<std::pair<QByteArray, QByteArray>>{
             {"500 Internal Server Error", "203.0.113.7"},
             {"200 OK", "<html><body>Service unavailable</body></html>"},
             {"200 OK", "203.0.113.7/../../admin"},
             {"200 OK", ""},
             {"200 OK", "\xff\xfe"},
             // Exactly one address in its usual notation, nothing before or after it.
             {"200 OK", QByteArray("8.8.8.8\0 evil text?q=1#frag", 27)},
             {"200 OK", "203.0.113.7 198.51.100.1"},
             {"200 OK", "1"},
             {"200 OK", "0x7f.1"},
             {"200 OK", "0177.0.0.1"},
             {"200 OK", "203.0.113.007"},
             {"200 OK", "203.0.113.256"},
             {"200 OK", "203.0.113"},
             {"200 OK", "fe80::1%eth0"},
             {"200 OK", "2001:db8::/32"},
             {"200 OK", "2001:db8:::7"},
             {"200 OK", "::ffff:0177.0.0.1"},
         }) {
        Services services;
        services.echo.reply.status = status;
        services.echo.reply.body = body;
        services.geo.reply.body = R"({"country_code":"DE"})";
        const auto outcome = services.lookup();
        EXPECT_FALSE(outcome.error.has_value()) << body.constData();
        EXPECT_EQ(outcome.result, ExternalIp::empty()) << body.constData();
        EXPECT_TRUE(services.geo.requests.empty()) << body.constData();
    }
}

TEST(IpLookup, UnusableGeolocationAnswersGiveTheEmptyResult)
{
    for (const auto& [status, body] : std::vector<std::pair<QByteArray, QByteArray>>{
             {"200 OK", R"({"ip":"203.0.113.7","country":"Germany"})"},  // no country code
             {"200 OK", R"({"ip":"203.0.113.7","country_code":null})"},
             {"200 OK", R"({"country_code":49})"},                       // not a text
             {"200 OK", "not json"},
             {"404 Not Found", R"({"country_code":"DE"})"},
         }) {
        Services services;
        services.echo.reply.body = "203.0.113.7";
        services.geo.reply.status = status;
        services.geo.reply.body = body;
        const auto outcome = services.lookup();
        EXPECT_FALSE(outcome.error.has_value()) << body.constData();
        EXPECT_EQ(outcome.result, ExternalIp::empty()) << body.constData();
    }
}

TEST(IpLookup, RefusedPortAndTimeOutAreErrors)
{
    {
        Services services;
        QTcpServer closed;
        ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
        const quint16 port = closed.serverPort();
        closed.close();
        services.hosts = {QStringLiteral("http://127.0.0.1:%1").arg(port), services.geo.url(QString())};
        const auto outcome = services.lookup();
        ASSERT_TRUE(outcome.error.has_value());
        EXPECT_EQ(outcome.error->code, BaseKit::WebError::Code::CannotConnectToHost);
        EXPECT_EQ(outcome.result, ExternalIp::empty());
    }
    {
        Services services;
        services.hosts.timeout = std::chrono::milliseconds(300);
        services.echo.reply.body = "203.0.113.7";
        services.geo.reply.answers = false;
        const auto outcome = services.lookup();
        ASSERT_TRUE(outcome.error.has_value());
        EXPECT_EQ(outcome.error->code, BaseKit::WebError::Code::TimedOut);
    }
}

TEST(IpInfo, DecodeAndEncode)
{
    const auto info = IpInfo::decode(R"({"ip":"203.0.113.7","country_code":"DE","country":"Germany","x":1})");
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->countryName, QStringLiteral("Germany"));
    EXPECT_EQ(IpInfo::decode(info->encode()), info);
    const auto partial = IpInfo::decode(R"({"ip":null})");
    ASSERT_TRUE(partial.has_value());
    EXPECT_EQ(partial->ip, std::nullopt);
    EXPECT_EQ(partial->encode(), QByteArray("{}"));
    EXPECT_EQ(IpInfo::decode("[1,2]"), std::nullopt);
    EXPECT_EQ(IpInfo::decode(R"({"country":["DE"]})"), std::nullopt);
}
