#include "Kestrion/Settings/AppSettings.h"
#include "Kestrion/SettingsWindow/SensorUpdateView.h"
#include "Kestrion/SettingsWindow/SettingsView.h"
#include "Kestrion/SettingsWindow/ThermionSettingsView.h"

#include "Platform/PropertyList/Defaults.h"
#include "ThermionKit/ThermionCheck.h"
#include "ViewKit/VKLinkOpener.h"
#include "ViewKit/VKToastView.h"

#include <QApplication>
#include <QCheckBox>
#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <gtest/gtest.h>

using namespace Kestrion;
using ThermionKit::ThermionCheck;

namespace {

class CompanionSettings : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(share.isValid());
        environment.fixedEntryPath = share.filePath(QStringLiteral("fixed.desktop"));
        environment.dataDirectories = {share.path()};
        environment.urlOpener = [this](const QUrl& url) {
            opened.append(url);
            return true;
        };
    }

    void install(bool installed)
    {
        const QString entry = share.filePath(QStringLiteral("applications/com.brannock.thermion.desktop"));
        if (!installed) {
            QFile::remove(entry);
            return;
        }
        QDir().mkpath(share.filePath(QStringLiteral("applications")));
        QFile file(entry);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Desktop Entry]\nType=Application\nName=Thermion\nExec=thermion\n");
    }

    QTemporaryDir share;
    ThermionCheck::Environment environment = ThermionCheck::standardEnvironment();
    QList<QUrl> opened;
    Platform::Defaults defaults{QStringLiteral("companion-settings-") + QUuid::createUuid().toString(QUuid::Id128)};
    AppSettings settings{defaults};
};

} // namespace

TEST_F(CompanionSettings, PageFollowsTheInstallationWhileShown)
{
    ThermionSettingsView page(settings, ThermionCheck(environment));
    page.show();
    EXPECT_FALSE(page.showsSwitches());
    ASSERT_TRUE(page.downloadButton());
    QTest::mouseClick(page.downloadButton(), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].scheme(), QStringLiteral("https"));

    install(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return page.showsSwitches(); }, 20000));
    install(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !page.showsSwitches(); }, 20000));

    // Hidden, the page checks nothing.
    page.hide();
    install(true);
    QTest::qWait(1300);
    EXPECT_FALSE(page.showsSwitches());
    page.show();
    EXPECT_TRUE(page.showsSwitches());
}

TEST_F(CompanionSettings, ARunningCompanionCountsAsPresent)
{
    // Not installed where it is looked for, but running (started by hand): its cards show, so the page
    // offers the switches and no download.
    ThermionSettingsView page(settings, ThermionCheck(environment));
    page.show();
    ASSERT_FALSE(page.showsSwitches());
    const QString connection = QStringLiteral("running-companion");
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, connection);
    ASSERT_TRUE(bus.registerService(QStringLiteral("com.brannock.thermion")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return page.showsSwitches(); }, 20000));

    bus.unregisterService(QStringLiteral("com.brannock.thermion"));
    QDBusConnection::disconnectFromBus(connection);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !page.showsSwitches(); }, 20000));
}

TEST_F(CompanionSettings, ADownloadNoProgramCanOpenSaysSo)
{
    environment.urlOpener = [](const QUrl&) { return false; };
    ThermionSettingsView page(settings, ThermionCheck(environment));
    page.resize(640, 360);
    page.show();
    ASSERT_TRUE(page.downloadButton());
    EXPECT_EQ(ViewKit::VKLinkOpener::notice(&page), nullptr);
    QTest::mouseClick(page.downloadButton(), Qt::LeftButton);
    ViewKit::VKToastView* notice = ViewKit::VKLinkOpener::notice(&page);
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->text().contains(environment.downloadPage));
}

TEST_F(CompanionSettings, SwitchesOnlyStoreTheirSettings)
{
    install(true);
    ThermionSettingsView page(settings, ThermionCheck(environment));
    ASSERT_TRUE(page.showsSwitches());
    EXPECT_FALSE(page.startSwitch()->isChecked());
    EXPECT_FALSE(page.stopSwitch()->isChecked());
    page.startSwitch()->click();
    page.stopSwitch()->click();
    EXPECT_TRUE(settings.boolValue(SettingKey::autoStartHelper));
    EXPECT_TRUE(settings.boolValue(SettingKey::autoStopHelper));
    EXPECT_TRUE(opened.isEmpty());
    // A change made elsewhere moves the switch.
    settings.setBool(SettingKey::autoStartHelper, false);
    EXPECT_FALSE(page.startSwitch()->isChecked());
}

TEST_F(CompanionSettings, TheCompanionPageIsTheThirdTab)
{
    SettingsView view(settings, nullptr, ThermionCheck(environment));
    ASSERT_EQ(view.count(), 3);
    EXPECT_EQ(view.widget(2), view.companionPage());
    EXPECT_EQ(view.tabText(2), QStringLiteral("Sensors"));
}

TEST_F(CompanionSettings, UpdateSheetDownloadsOrDismisses)
{
    QWidget window;
    window.show();
    SensorUpdateView* sheet = SensorUpdateView::present(&window, ThermionCheck(environment));
    ASSERT_TRUE(sheet);
    EXPECT_EQ(SensorUpdateView::present(&window, ThermionCheck(environment)), sheet); // one at a time
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    // Every text has the room it needs.
    for (QLabel* label : sheet->findChildren<QLabel*>())
        EXPECT_GE(label->height(), label->hasHeightForWidth() ? label->heightForWidth(label->width()) : 1)
            << label->text().toStdString();

    sheet->downloadButton()->click();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].toString().startsWith(QStringLiteral("https://")));
    EXPECT_TRUE(sheet->isVisible());

    QPointer<SensorUpdateView> guard(sheet);
    sheet->dismissButton()->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); }, 20000));
}
