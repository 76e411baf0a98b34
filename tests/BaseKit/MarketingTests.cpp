#include "BaseKit/Services/Marketing.h"
#include "BaseKit/Services/Maker.h"
#include "BaseKit/Services/WebRequest.h"


#include "Support/LoopbackServer.h"

#include <QTest>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

using BaseKit::Marketing;
using BaseKit::OtherApp;
using BaseKit::OtherApps;

namespace {

QByteArray entry(const char* id, const char* storeUrl = "https://www.brannock.com/apps/x")
{
    return QByteArray(R"({"bundleIdentifier":")") + id + R"(","name":"N )" + id +
           R"(","german":"Deutsch","english":"English","iconUrl":"https://files.brannock.com/i.png","storeUrl":")" +
           storeUrl + R"(","extra":1})";
}

QByteArray document(std::initializer_list<QByteArray> entries)
{
    QByteArray list;
    for (const QByteArray& e : entries)
        list += (list.isEmpty() ? "" : ",") + e;
    return R"({"apps":[)" + list + "]}";
}

QStringList identifiers(const OtherApps& apps)
{
    QStringList ids;
    for (const OtherApp& app : apps.apps)
        ids << app.bundleIdentifier;
    return ids;
}

class MarketingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.isListening());
        source.fileHost = QStringLiteral("http://127.0.0.1:%1").arg(server.port());
    }

    OtherApps fetch(const std::optional<QString>& excluded)
    {
        std::optional<OtherApps> result;
        Marketing::fetchOtherApps(source, excluded, nullptr, [&result](const OtherApps& apps) { result = apps; });
        EXPECT_TRUE(QTest::qWaitFor([&result] { return result.has_value(); }, 20000));
        OtherApp missing;
        missing.bundleIdentifier = QStringLiteral("no answer");
        return result.value_or(OtherApps{{missing}});
    }

    LoopbackServer server;
    Marketing::Source source;
};

TEST_F(MarketingTest, FetchesTheDocumentAndLeavesTheCallerOut)
{
    server.reply.body = document({entry("com.a"), entry("com.brannock.kestrion"), entry("com.b"),
                                  entry("com.brannock.kestrion"), entry("com.c")});
    const OtherApps apps = fetch(QStringLiteral("com.brannock.kestrion"));
    EXPECT_EQ(identifiers(apps), (QStringList{QStringLiteral("com.a"), QStringLiteral("com.b"), QStringLiteral("com.c")}));
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].target, "/files/apps.json");
    EXPECT_EQ(apps.apps[0].name, QStringLiteral("N com.a"));
    EXPECT_EQ(apps.apps[0].german, QStringLiteral("Deutsch"));
    EXPECT_EQ(apps.apps[0].english, QStringLiteral("English"));

    // Letter case counts, and no argument leaves everything in; nothing is cached between calls.
    EXPECT_EQ(fetch(QStringLiteral("COM.A")).apps.size(), 5);
    EXPECT_EQ(fetch(std::nullopt).apps.size(), 5);
    EXPECT_EQ(server.requests.size(), 3u);

    server.reply.body = document({entry("com.brannock.kestrion")});
    const OtherApps onlyCaller = fetch(QStringLiteral("com.brannock.kestrion"));
    EXPECT_TRUE(onlyCaller.apps.isEmpty());
}

TEST_F(MarketingTest, AnythingButAWellFormedDocumentGivesTheEmptyList)
{
    const std::vector<QByteArray> bodies{
        "<html>Not Found</html>",
        "",
        R"({"apps":{}})",
        R"({"application":[]})",
        R"([])",
        document({entry("com.a"), R"({"bundleIdentifier":"b","name":"n","german":"g","english":"e","iconUrl":"i"})"}),
        document({entry("com.a"), R"({"bundleIdentifier":"b","name":7,"german":"g","english":"e","iconUrl":"i","storeUrl":"s"})"}),
        document({entry("com.a"), "null"}),
        // Not UTF-8 inside a text.
        QByteArray(R"({"apps":[{"bundleIdentifier":")") + "\xff\xfe" +
            R"(","name":"n","german":"g","english":"e","iconUrl":"i","storeUrl":"s"}]})",
    };
    for (const QByteArray& body : bodies) {
        server.reply.body = body;
        EXPECT_TRUE(fetch(std::nullopt).apps.isEmpty()) << body.toHex().constData();
    }
}

TEST_F(MarketingTest, AnErrorStatusIsNoDocument)
{
    server.reply.status = "404 Not Found";
    server.reply.body = document({entry("com.a")});
    EXPECT_TRUE(fetch(std::nullopt).apps.isEmpty());
}

TEST_F(MarketingTest, UnreachableHostOrSilenceGiveTheEmptyList)
{
    server.reply.answers = false;
    source.timeout = std::chrono::milliseconds(300);
    EXPECT_TRUE(fetch(std::nullopt).apps.isEmpty());

    quint16 closed = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closed = probe.serverPort();
    }
    source.fileHost = QStringLiteral("http://127.0.0.1:%1").arg(closed);
    EXPECT_TRUE(fetch(std::nullopt).apps.isEmpty());
}

TEST(OtherAppTest, OnlyHttpsAddressesFromTheDocumentAreUsed)
{
    OtherApp app;
    app.iconUrl = QStringLiteral("https://files.brannock.com/icons/a.png");
    app.storeUrl = QStringLiteral("https://www.brannock.com/apps/a");
    EXPECT_EQ(app.iconAddress(), QUrl(app.iconUrl));
    EXPECT_EQ(app.storeAddress(), QUrl(app.storeUrl));
    for (const char* text : {"file:///etc/passwd", "http://www.brannock.com/a", "macappstore://apps/a",
                             "javascript:alert(1)", "https://", "", "https://exa mple.com/"}) {
        app.iconUrl = app.storeUrl = QString::fromLatin1(text);
        EXPECT_TRUE(app.iconAddress().isEmpty()) << text;
        EXPECT_TRUE(app.storeAddress().isEmpty()) << text;
    }
}

TEST(MarketingPageTest, DeveloperPageOpensTheMakersApplications)
{
    std::vector<QUrl> opened;
    Marketing::openDeveloperPage([&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(QString::fromLatin1(BaseKit::Maker::developerPage)));
    EXPECT_EQ(opened[0].scheme(), QStringLiteral("https"));
}

} // namespace
