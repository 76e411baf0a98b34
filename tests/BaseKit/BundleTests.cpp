#include "BaseKit/BaseKitStrings.h"
#include "BaseKit/Bundle.h"
#include "BaseKit/ResponseStatus.h"
#include "BaseKit/Uuid.h"

#include <QCoreApplication>
#include <QSet>
#include <QUuid>
#include <gtest/gtest.h>

#include <set>

namespace {

// Sets the application's name and version for one test and restores them after.
class ApplicationInfoScope {
public:
    ApplicationInfoScope(const QString& name, const QString& version)
        : name_(QCoreApplication::applicationName())
        , version_(QCoreApplication::applicationVersion())
    {
        QCoreApplication::setApplicationName(name);
        QCoreApplication::setApplicationVersion(version);
    }
    ~ApplicationInfoScope()
    {
        QCoreApplication::setApplicationName(name_);
        QCoreApplication::setApplicationVersion(version_);
    }

private:
    QString name_;
    QString version_;
};

} // namespace

TEST(Bundle, NameAndVersionOfTheApplication)
{
    ApplicationInfoScope info(QStringLiteral("Kestrion"), QStringLiteral("2.4.1"));
    EXPECT_EQ(BaseKit::Bundle::name(), "Kestrion");
    EXPECT_EQ(BaseKit::Bundle::version(), "2.4.1");
}

TEST(Bundle, MissingNameAndVersionGiveTheLibraryWords)
{
    ApplicationInfoScope info{QString(), QString()};
    // With no name set, Qt falls back to the program's file name, so the name is never unknown here.
    EXPECT_FALSE(BaseKit::Bundle::name().isEmpty());
    EXPECT_EQ(BaseKit::Bundle::version(), BaseKit::localizedString(QStringLiteral("UNKNOWN_VERSION")));
    EXPECT_FALSE(BaseKit::Bundle::version().isEmpty());
}

TEST(Uuid, FreshUpperCaseIdentifiers)
{
    const QString first = BaseKit::Uuid::newString();
    const QString second = BaseKit::Uuid::newString();
    EXPECT_NE(first, second);
    EXPECT_EQ(first.size(), 36);
    EXPECT_EQ(first, first.toUpper());
    EXPECT_FALSE(QUuid::fromString(first).isNull());
}

// Random identifiers carry the version and variant bits and do not repeat.
TEST(Uuid, RandomIdentifiersAreVersionFourAndDistinct)
{
    std::set<QUuid> seen;
    for (int i = 0; i < 1000; ++i) {
        const QUuid id = BaseKit::Uuid::random();
        ASSERT_EQ(id.version(), QUuid::Random);
        ASSERT_EQ(id.variant(), QUuid::DCE);
        ASSERT_TRUE(seen.insert(id).second) << id.toString().toStdString();
    }
}

TEST(ResponseStatus, OnlyTwoHundredsSucceed)
{
    using BaseKit::ResponseStatus;
    EXPECT_TRUE(ResponseStatus::isSuccess(200));
    EXPECT_TRUE(ResponseStatus::isSuccess(299));
    EXPECT_FALSE(ResponseStatus::isSuccess(199));
    EXPECT_FALSE(ResponseStatus::isSuccess(300));
    EXPECT_FALSE(ResponseStatus::isSuccess(404));
    EXPECT_FALSE(ResponseStatus::isSuccess(std::nullopt));
    EXPECT_FALSE(ResponseStatus::isSuccess(static_cast<const QNetworkReply*>(nullptr)));
}
