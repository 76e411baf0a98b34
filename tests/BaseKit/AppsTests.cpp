#include "XdgScope.h"

#include "BaseKit/Apps/App.h"
#include "BaseKit/Apps/Apps.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <unistd.h>

using BaseKit::App;
using BaseKit::Apps;

namespace {

// An application folder tree: the user's entries and two system share folders.
class AppsTest : public ::testing::Test {
protected:
    QString userEntry(const QString& id, const QByteArray& body)
    {
        return xdg.write(QStringLiteral("home/.local/share/applications/") + id + QStringLiteral(".desktop"), body);
    }
    QString systemEntry(const QString& id, const QByteArray& body, const QString& share = QStringLiteral("usr/share"))
    {
        return xdg.write(share + QStringLiteral("/applications/") + id + QStringLiteral(".desktop"), body);
    }
    static QByteArray entry(const QByteArray& name, const QByteArray& extra = {})
    {
        return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=/bin/true\n" + extra;
    }

    XdgScope xdg;
};

QStringList names(const std::vector<std::shared_ptr<App>>& apps)
{
    QStringList result;
    for (const auto& app : apps)
        result.append(app->name);
    return result;
}

QStringList identifiers(const std::vector<std::shared_ptr<App>>& apps)
{
    QStringList result;
    for (const auto& app : apps)
        result.append(app->identifier);
    return result;
}

} // namespace

TEST_F(AppsTest, InstalledApplicationsAreSortedByNameCaseSensitively)
{
    systemEntry(QStringLiteral("org.example.apple"), entry("apple"));
    systemEntry(QStringLiteral("org.example.Zebra"), entry("Zebra"));
    systemEntry(QStringLiteral("org.example.Ärger"), entry("\xc3\x84rger"));
    systemEntry(QStringLiteral("org.example.banana"), entry("banana"), QStringLiteral("usr/local/share"));
    EXPECT_EQ(names(Apps::installedApplications(false)),
              (QStringList{QStringLiteral("Zebra"), QStringLiteral("apple"), QStringLiteral("banana"),
                           QString::fromUtf8("\xc3\x84rger")}));
}

TEST_F(AppsTest, TheFirstFolderHoldingAnIdDecidesAndEqualNamesKeepScanOrder)
{
    systemEntry(QStringLiteral("org.example.Editor"), entry("Editor"));
    userEntry(QStringLiteral("org.example.Editor"), entry("My Editor"));
    systemEntry(QStringLiteral("org.example.Gone"), entry("Gone"));
    userEntry(QStringLiteral("org.example.Gone"), entry("Gone", "Hidden=true\n"));
    // Two applications of the same name are both listed, in folder order.
    userEntry(QStringLiteral("org.user.Tool"), entry("Tool"));
    systemEntry(QStringLiteral("org.system.Tool"), entry("Tool"));
    const auto apps = Apps::installedApplications(false);
    EXPECT_EQ(identifiers(apps), (QStringList{QStringLiteral("org.example.Editor"), QStringLiteral("org.user.Tool"),
                                             QStringLiteral("org.system.Tool")}));
    EXPECT_EQ(apps.front()->name, QStringLiteral("My Editor"));
    EXPECT_FALSE(Apps::isInstalledBundleIdentifier(QStringLiteral("org.example.Gone")));
    EXPECT_TRUE(Apps::isInstalledBundleIdentifier(QStringLiteral("org.system.Tool")));
}

TEST_F(AppsTest, EntriesThatAreNoShownApplicationsAreLeftOut)
{
    systemEntry(QStringLiteral("org.example.Link"), "[Desktop Entry]\nType=Link\nName=Link\nURL=https://example.org\n");
    systemEntry(QStringLiteral("org.example.Nameless"), "[Desktop Entry]\nType=Application\nExec=/bin/true\n");
    systemEntry(QStringLiteral("org.example.NoGroup"), "Name=NoGroup\nExec=/bin/true\n");
    xdg.write(QStringLiteral("usr/share/applications/.desktop"), entry("NoId"));
    xdg.write(QStringLiteral("usr/share/applications/readme.txt"), entry("NotAnEntry"));
    systemEntry(QStringLiteral("org.example.Kept"), entry("Kept"));
    EXPECT_EQ(names(Apps::installedApplications(false)), QStringList{QStringLiteral("Kept")});
    EXPECT_FALSE(Apps::bundleIdentifier(xdg.root() + QStringLiteral("/usr/share/applications/org.example.Link.desktop")));
    EXPECT_EQ(Apps::bundleIdentifier(xdg.root() + QStringLiteral("/usr/share/applications/org.example.Kept.desktop")),
              QStringLiteral("org.example.Kept"));
}

TEST_F(AppsTest, SubFolderEntriesSkipAppleLocalisedNamesAndVersions)
{
    xdg.write(QStringLiteral("usr/share/applications/kde/org.kde.Viewer.desktop"), entry("Viewer"));
    systemEntry(QStringLiteral("com.apple.Music"), entry("Music"));
    systemEntry(QStringLiteral("org.example.Clock"),
                entry("Clock", "Name[de]=Uhr\nName[fr_FR]=Horloge\nGenericName=Clock\n"));
    xdg.write(QStringLiteral("usr/share/metainfo/org.example.Clock.metainfo.xml"),
              "<?xml version=\"1.0\"?><component><id>org.example.Clock</id><releases>"
              "<release version=\"1.9\" date=\"2023-01-01\"/><release version=\"1.10\" date=\"2024-01-01\"/>"
              "<release version=\"1.2\"/></releases></component>");
    xdg.write(QStringLiteral("usr/share/metainfo/org.kde.Viewer.appdata.xml"), "<component><releases><release");

    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    auto apps = Apps::installedApplications(true);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(identifiers(apps), (QStringList{QStringLiteral("org.example.Clock"), QStringLiteral("kde-org.kde.Viewer")}));
    EXPECT_EQ(apps[0]->name, QStringLiteral("Uhr"));
    EXPECT_EQ(apps[0]->version, QStringLiteral("1.10"));
    EXPECT_FALSE(apps[1]->version.has_value()); // malformed metainfo
    EXPECT_EQ(apps[0]->store, BaseKit::AppSource::other);
    EXPECT_EQ(apps[0]->allIdentifiers(), QStringList{QStringLiteral("org.example.Clock")});
    EXPECT_GT(apps[0]->size(), 0u);

    apps = Apps::installedApplications(false);
    EXPECT_EQ(apps.size(), 3u);
    EXPECT_EQ(apps[0]->name, QStringLiteral("Clock"));
    EXPECT_TRUE(Apps::isInstalled(QStringLiteral("Music")));
    EXPECT_TRUE(Apps::isInstalled(QStringLiteral("org.example.Clock")));
    EXPECT_FALSE(Apps::isInstalled(QStringLiteral("music")));
    EXPECT_FALSE(Apps::application(xdg.root() + QStringLiteral("/usr/share/applications/com.apple.Music.desktop"), true, true));
    const auto music = Apps::application(xdg.root() + QStringLiteral("/usr/share/applications/com.apple.Music.desktop"), true, false);
    ASSERT_TRUE(music);
    EXPECT_TRUE(music->children.empty());
}

TEST_F(AppsTest, ModuleNamesOfResourceBundles)
{
    EXPECT_TRUE(Apps::bundleModuleNames(std::nullopt).isEmpty());
    xdg.write(QStringLiteral("res/A_A.bundle/x"), "x");
    xdg.write(QStringLiteral("res/A_B.bundle/x"), "x");
    xdg.write(QStringLiteral("res/deep/LanguageKit_LanguageKit.bundle/x"), "x");
    xdg.write(QStringLiteral("res/_.bundle/x"), "x");
    EXPECT_EQ(Apps::bundleModuleNames(xdg.root() + QStringLiteral("/res")),
              (QStringList{QStringLiteral(".bundle"), QStringLiteral("A"), QStringLiteral("LanguageKit")}));
}

// A real child process whose command name no other process has.
class RunningAppsTest : public AppsTest {
protected:
    void SetUp() override
    {
        name = QStringLiteral("kst%1").arg(QRandomGenerator::global()->generate() % 1000000000u);
        program = xdg.root() + QLatin1Char('/') + name;
        ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), program));
        child.start(program, {QStringLiteral("30")});
        ASSERT_TRUE(child.waitForStarted(5000));
    }
    void TearDown() override
    {
        child.kill();
        child.waitForFinished(5000);
    }

    QString name;
    QString program;
    QProcess child;
};

TEST_F(RunningAppsTest, ProcessesByCommandNameAndExecutable)
{
    const auto processes = Apps::runningProcesses();
    EXPECT_TRUE(std::none_of(processes.begin(), processes.end(), [](const auto& p) { return p.processIdentifier == 0; }));
    EXPECT_TRUE(std::any_of(processes.begin(), processes.end(), [&](const auto& p) {
        return p.processIdentifier == child.processId() && p.name == name;
    }));
    EXPECT_TRUE(Apps::isProcessRunning(name));
    EXPECT_FALSE(Apps::isProcessRunning(name + QStringLiteral("x")));
    EXPECT_EQ(Apps::executableUrl(std::uint32_t(child.processId())), program);
    EXPECT_EQ(Apps::executableUrl(std::uint32_t(::getpid())), QCoreApplication::applicationFilePath());
    EXPECT_FALSE(Apps::executableUrl(0).has_value());
    EXPECT_FALSE(Apps::executableUrl(4000000000u).has_value());

    child.kill();
    child.waitForFinished(5000);
    EXPECT_FALSE(Apps::isProcessRunning(name));
}

TEST_F(RunningAppsTest, AnApplicationRunsWhenItOwnsItsNameOrItsProgramRuns)
{
    userEntry(QStringLiteral("org.example.Sleeper"), "[Desktop Entry]\nType=Application\nName=Sleeper\nExec=" +
                                                      program.toUtf8() + " %U\n");
    userEntry(QStringLiteral("org.example.Idle"), "[Desktop Entry]\nType=Application\nName=Idle\nExec=/nonexistent/idle-x\n");
    EXPECT_TRUE(Apps::isRunning(QStringLiteral("org.example.Sleeper")));
    EXPECT_FALSE(Apps::isRunning(QStringLiteral("org.example.Idle")));
    EXPECT_FALSE(Apps::isRunning(QString()));

    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.isConnected());
    const QString busName = QStringLiteral("org.example.Idle");
    ASSERT_TRUE(bus.registerService(busName));
    EXPECT_TRUE(Apps::isRunning(busName));
    bus.unregisterService(busName);
    EXPECT_FALSE(Apps::isRunning(busName));
}
