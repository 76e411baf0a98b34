#include "XdgScope.h"

#include "BaseKit/Apps/LoginItem.h"
#include "BaseKit/Apps/MainAppAutoStartController.h"

#include "Platform/Desktop/LoginItems.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using BaseKit::LoginItem;
using BaseKit::MainAppAutoStartController;

namespace {

QString autostart(const XdgScope& xdg, const QString& id)
{
    return xdg.root() + QStringLiteral("/home/.config/autostart/") + id + QStringLiteral(".desktop");
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(LoginItems, StatusFollowsTheAutostartEntry)
{
    XdgScope xdg;
    const LoginItem item = LoginItem::loginItem(QStringLiteral("org.example.Helper"));
    EXPECT_TRUE(item.isNotRegistered());
    EXPECT_FALSE(item.isEnabled());
    EXPECT_FALSE(item.requiresApproval());

    ASSERT_TRUE(item.registerItem());
    EXPECT_TRUE(item.isEnabled());
    EXPECT_FALSE(item.isNotRegistered());
    EXPECT_TRUE(read(autostart(xdg, QStringLiteral("org.example.Helper"))).contains("Exec=org.example.Helper"));

    // A user who turns the item off in the desktop's settings hides it.
    xdg.write(QStringLiteral("home/.config/autostart/org.example.Helper.desktop"),
              "[Desktop Entry]\nType=Application\nName=Helper\nExec=helper\nHidden=true\n");
    EXPECT_TRUE(item.isNotRegistered());
    ASSERT_TRUE(item.registerItem()); // replaces the hidden entry
    EXPECT_TRUE(item.isEnabled());

    ASSERT_TRUE(item.unregisterItem());
    EXPECT_TRUE(item.isNotRegistered());
    EXPECT_FALSE(QFile::exists(autostart(xdg, QStringLiteral("org.example.Helper"))));
    EXPECT_TRUE(item.unregisterItem());

    EXPECT_EQ(LoginItem::loginItem(QStringLiteral("../escape")).status(), LoginItem::Status::notFound);
    EXPECT_FALSE(LoginItem::loginItem(QStringLiteral("../escape")).registerItem());
}

TEST(LoginItems, TheMainItemStartsThisProgramAndAnInstalledItemItsEntry)
{
    XdgScope xdg;
    const LoginItem main = LoginItem::mainApp();
    EXPECT_EQ(main.identifier(), QStringLiteral("com.brannock.kestrion"));
    ASSERT_TRUE(main.registerItem());
    const QByteArray text = read(autostart(xdg, QStringLiteral("com.brannock.kestrion")));
    EXPECT_TRUE(text.contains("Exec=\"" + QCoreApplication::applicationFilePath().toUtf8() + "\"\n")) << text.constData();

    xdg.write(QStringLiteral("usr/share/applications/org.example.Tray.desktop"),
              "[Desktop Entry]\nType=Application\nName=Tray\nExec=tray --background\n");
    ASSERT_TRUE(LoginItem::loginItem(QStringLiteral("org.example.Tray")).registerItem());
    EXPECT_TRUE(read(autostart(xdg, QStringLiteral("org.example.Tray"))).contains("Exec=tray --background\n"));
}

TEST(AutoStart, EnablingRegistersAndRemovesTheOneItem)
{
    XdgScope xdg;
    MainAppAutoStartController controller(LoginItem::loginItem(QStringLiteral("org.example.Main")));
    EXPECT_FALSE(controller.isEnabled());
    controller.setEnabled(true);
    EXPECT_TRUE(controller.isEnabled());
    EXPECT_TRUE(QFile::exists(autostart(xdg, QStringLiteral("org.example.Main"))));
    controller.setEnabled(false);
    EXPECT_FALSE(controller.isEnabled());
    EXPECT_FALSE(QFile::exists(autostart(xdg, QStringLiteral("org.example.Main"))));
}

TEST(AutoStart, ReplacingTheStarterMovesTheItemOnlyWhenTheStarterIsEnabled)
{
    XdgScope xdg;
    const QString starter = QStringLiteral("org.example.Starter");
    MainAppAutoStartController controller(starter, LoginItem::loginItem(QStringLiteral("org.example.Main")));
    controller.replaceStarter();
    EXPECT_FALSE(controller.isEnabled());
    EXPECT_FALSE(QFile::exists(autostart(xdg, starter)));

    ASSERT_TRUE(LoginItem::loginItem(starter).registerItem());
    controller.replaceStarter();
    EXPECT_FALSE(QFile::exists(autostart(xdg, starter)));
    EXPECT_TRUE(controller.isEnabled());

    MainAppAutoStartController withoutStarter(LoginItem::loginItem(QStringLiteral("org.example.Other")));
    withoutStarter.replaceStarter();
    EXPECT_FALSE(withoutStarter.isEnabled());
}

TEST(AutoStart, AStarterThatCannotBeRemovedKeepsTheMainItemAway)
{
    XdgScope xdg;
    const QString starter = QStringLiteral("org.example.Stuck");
    ASSERT_TRUE(LoginItem::loginItem(starter).registerItem());
    MainAppAutoStartController stuck(starter, LoginItem::loginItem(QStringLiteral("org.example.Main")),
                                     [](const QString&) { return false; });
    stuck.replaceStarter();
    EXPECT_TRUE(LoginItem::loginItem(starter).isEnabled());
    EXPECT_FALSE(stuck.isEnabled()); // two items would start the program twice
    MainAppAutoStartController controller(starter, LoginItem::loginItem(QStringLiteral("org.example.Main")));
    controller.replaceStarter();
    EXPECT_FALSE(LoginItem::loginItem(starter).isEnabled());
    EXPECT_TRUE(controller.isEnabled());
}
