#include "Platform/Files/Bundles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Platform::Bundles;

namespace {

class BundlesTest : public ::testing::Test {
protected:
    QString makeBundle(const QString& folder, const QString& name)
    {
        const QString path = root.path() + QLatin1Char('/') + folder + QLatin1Char('/') + name;
        QDir().mkpath(path);
        return path;
    }

    QTemporaryDir root;
};

} // namespace

TEST_F(BundlesTest, SearchesTheFoldersInOrder)
{
    makeBundle(QStringLiteral("share"), QStringLiteral("BaseKit_BaseKit.bundle"));
    const QString beside = makeBundle(QStringLiteral("bin"), QStringLiteral("BaseKit_BaseKit.bundle"));
    const QString onlyBeside = makeBundle(QStringLiteral("bin"), QStringLiteral("ViewKit_ViewKit.bundle"));
    Bundles bundles(QStringList{root.path() + QStringLiteral("/share"), root.path() + QStringLiteral("/bin")});

    EXPECT_EQ(bundles.find(QStringLiteral("BaseKit")), root.path() + QStringLiteral("/share/BaseKit_BaseKit.bundle"));
    EXPECT_EQ(bundles.find(QStringLiteral("ViewKit")), onlyBeside);
    EXPECT_EQ(bundles.resourcePath(QStringLiteral("ViewKit"), QStringLiteral("a/b.json")),
              onlyBeside + QStringLiteral("/a/b.json"));
    (void)beside;
}

TEST_F(BundlesTest, AFileWithTheBundleNameIsNoBundle)
{
    QDir().mkpath(root.path() + QStringLiteral("/share"));
    QFile file(root.path() + QStringLiteral("/share/BaseKit_BaseKit.bundle"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    Bundles bundles(QStringList{root.path() + QStringLiteral("/share")});
    EXPECT_TRUE(bundles.find(QStringLiteral("BaseKit")).isEmpty());
}

TEST_F(BundlesTest, AMissingBundleGivesNothingAndDoesNotStop)
{
    Bundles bundles(QStringList{root.path() + QStringLiteral("/nowhere")});
    EXPECT_TRUE(bundles.find(QStringLiteral("LanguageKit")).isEmpty());
    EXPECT_TRUE(bundles.resourcePath(QStringLiteral("LanguageKit"), QStringLiteral("x")).isEmpty());
    EXPECT_TRUE(bundles.folder().isEmpty());
    EXPECT_TRUE(bundles.moduleNames().isEmpty());
}

TEST_F(BundlesTest, ABundleIsLocatedOnceAndKept)
{
    const QString path = makeBundle(QStringLiteral("share"), QStringLiteral("BaseKit_BaseKit.bundle"));
    Bundles bundles(QStringList{root.path() + QStringLiteral("/share")});
    ASSERT_EQ(bundles.find(QStringLiteral("BaseKit")), path);
    QDir(path).removeRecursively();
    EXPECT_EQ(bundles.find(QStringLiteral("BaseKit")), path);
}

TEST_F(BundlesTest, ModuleNamesListTheBundlesOfTheFirstFolderHoldingAny)
{
    QDir().mkpath(root.path() + QStringLiteral("/empty"));
    makeBundle(QStringLiteral("share"), QStringLiteral("ViewKit_ViewKit.bundle"));
    makeBundle(QStringLiteral("share"), QStringLiteral("BaseKit_BaseKit.bundle"));
    makeBundle(QStringLiteral("share"), QStringLiteral("notes"));
    makeBundle(QStringLiteral("other"), QStringLiteral("SystemKit_SystemKit.bundle"));
    Bundles bundles(QStringList{root.path() + QStringLiteral("/empty"), root.path() + QStringLiteral("/share"),
                               root.path() + QStringLiteral("/other")});
    EXPECT_EQ(bundles.folder(), root.path() + QStringLiteral("/share"));
    EXPECT_EQ(bundles.moduleNames(),
              QStringList({QStringLiteral("BaseKit_BaseKit.bundle"), QStringLiteral("ViewKit_ViewKit.bundle")}));
}

TEST_F(BundlesTest, TheProgramsFoldersAreSearchedByDefault)
{
    const QStringList folders = Bundles::program().searchFolders();
    ASSERT_EQ(folders.size(), 3);
    const QString program = QDir::cleanPath(QCoreApplication::applicationDirPath());
    EXPECT_EQ(folders[0], QDir::cleanPath(program + QStringLiteral("/../share/kestrion")));
    EXPECT_EQ(folders[1], program);
    EXPECT_EQ(folders[2], QDir::cleanPath(program + QStringLiteral("/..")));
}
