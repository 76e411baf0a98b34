#include "BaseKit/Services/Maker.h"
#include "BaseKit/Services/Support.h"
#include "BaseKit/Services/SystemSettings.h"
#include "BaseKit/Workspace/Windows.h"
#include "BaseKit/Workspace/Workspace.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

using BaseKit::Workspace;

namespace {

// Collects what would have been handed to the desktop.
class OpenedUrls : public ::testing::Test {
protected:
    std::vector<QString> opened;
    const Workspace::UrlOpener opener = [this](const QUrl& url) {
        opened.push_back(url.toString(QUrl::FullyEncoded));
        return true;
    };
};

using WorkspaceOpenTest = OpenedUrls;

TEST_F(WorkspaceOpenTest, TextsThatAreNoAddressOpenNothing)
{
    Workspace::openUrlString(QStringLiteral("https://www.brannock.com/a b"), opener);
    Workspace::openUrlString(QString(), opener);
    Workspace::openUrlString(QStringLiteral("just words"), opener);
    EXPECT_TRUE(opened.empty());
    Workspace::openUrlString(QStringLiteral("https://www.brannock.com/faq"), opener);
    Workspace::open(QStringLiteral("/tmp/some file.txt"), opener);
    EXPECT_EQ(opened, (std::vector<QString>{QStringLiteral("https://www.brannock.com/faq"),
                                            QStringLiteral("file:///tmp/some%20file.txt")}));
}

TEST_F(WorkspaceOpenTest, AddressesFromTheNetworkOpenOnlyForWebAndMail)
{
    EXPECT_TRUE(Workspace::openNetworkUrlString(QStringLiteral("https://www.brannock.com/apps/a"), opener));
    EXPECT_TRUE(Workspace::openNetworkUrlString(QStringLiteral("http://www.brannock.com/"), opener));
    EXPECT_TRUE(Workspace::openNetworkUrlString(QStringLiteral("mailto:support@brannock.com"), opener));
    for (const char* refused : {"file:///home/user/.ssh/id_rsa", "macappstore://itunes.apple.com/app/id1",
                                "javascript:alert(1)", "smb://server/share", "x-apple.systempreferences:com.apple",
                                "https://", "HTTPS//missing-colon", ""}) {
        EXPECT_FALSE(Workspace::openNetworkUrlString(QString::fromLatin1(refused), opener)) << refused;
    }
    EXPECT_EQ(opened.size(), 3u);
}

TEST_F(WorkspaceOpenTest, SupportPagesAreTwoHttpsAddressesEveryTime)
{
    BaseKit::Support::openContactPage(opener);
    BaseKit::Support::openFaqPage(opener);
    BaseKit::Support::openContactPage(opener);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0], QString::fromLatin1(BaseKit::Maker::contactPage));
    EXPECT_EQ(opened[1], QString::fromLatin1(BaseKit::Maker::faqPage));
    EXPECT_EQ(opened[2], opened[0]);
    EXPECT_NE(opened[0], opened[1]);
    EXPECT_TRUE(opened[0].startsWith(QStringLiteral("https://")));
    EXPECT_TRUE(opened[1].startsWith(QStringLiteral("https://")));
}

TEST(SystemSettingsTest, SettingsPagesKeepTheirLinks)
{
    using BaseKit::SystemSettings;
    using BaseKit::SystemSettingsPage;
    EXPECT_STREQ(SystemSettings::link(SystemSettingsPage::privacy),
                 "x-apple.systempreferences:com.apple.settings.PrivacySecurity.extension");
    EXPECT_STREQ(SystemSettings::link(SystemSettingsPage::sharing),
                 "x-apple.systempreferences:com.apple.Sharing-Settings.extension");
    EXPECT_STREQ(SystemSettings::link(SystemSettingsPage::fullDiskAccess),
                 "x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles");
    EXPECT_FALSE(SystemSettings::icon().isNull());
}

TEST(WindowsTest, LookupByContainedIdentifierInWindowOrder)
{
    QWidget aboutWindow, about, nameless;
    aboutWindow.setObjectName(QStringLiteral("AboutWindow"));
    about.setObjectName(QStringLiteral("About"));
    aboutWindow.show();
    about.show();
    nameless.show();

    EXPECT_EQ(BaseKit::Windows::window(QStringLiteral("About")), &aboutWindow);
    EXPECT_EQ(BaseKit::Windows::window(QStringLiteral("Window")), &aboutWindow);
    EXPECT_EQ(BaseKit::Windows::window(QStringLiteral("about")), nullptr);
    EXPECT_EQ(BaseKit::Windows::window(QStringLiteral("Settings")), nullptr);

    BaseKit::Windows::close(QStringLiteral("Settings"));
    EXPECT_TRUE(aboutWindow.isVisible());
    EXPECT_TRUE(about.isVisible());
    BaseKit::Windows::close(QStringLiteral("About"));
    EXPECT_FALSE(aboutWindow.isVisible());
    EXPECT_TRUE(about.isVisible());
}

TEST(WindowsTest, APinnedViewFollowsItsParent)
{
    QWidget parent;
    parent.resize(300, 200);
    parent.show();
    auto* view = new QWidget(&parent);
    view->setGeometry(10, 10, 20, 20);
    BaseKit::Windows::pinToSuperview(view);
    EXPECT_EQ(view->geometry(), QRect(0, 0, 300, 200));
    parent.resize(420, 260);
    EXPECT_EQ(view->geometry(), QRect(0, 0, 420, 260));
    BaseKit::Windows::pinToSuperview(view);
    EXPECT_EQ(view->children().size(), 1);

    QWidget orphan;
    orphan.setGeometry(5, 6, 70, 80);
    BaseKit::Windows::pinToSuperview(&orphan);
    EXPECT_EQ(orphan.geometry(), QRect(5, 6, 70, 80));
    EXPECT_TRUE(orphan.children().isEmpty());
}

} // namespace
