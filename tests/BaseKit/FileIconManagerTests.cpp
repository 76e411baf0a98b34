#include "XdgScope.h"

#include "BaseKit/Apps/App.h"
#include "BaseKit/Apps/FileIconManager.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

using BaseKit::FileIconManager;

namespace {

QByteArray png(QColor colour)
{
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QRgb colourOf(const QIcon& icon)
{
    return icon.pixmap(8, 8).toImage().pixel(2, 2);
}

class FileIconTest : public ::testing::Test {
protected:
    void SetUp() override { FileIconManager::shared().clear(); }
    void TearDown() override { FileIconManager::shared().clear(); }

    QString install(const QString& id, const QByteArray& iconLine)
    {
        return xdg.write(QStringLiteral("usr/share/applications/") + id + QStringLiteral(".desktop"),
                         "[Desktop Entry]\nType=Application\nName=" + id.toUtf8() + "\nExec=x\n" + iconLine);
    }

    XdgScope xdg;
};

} // namespace

TEST_F(FileIconTest, IconFilesComeFromTheIconFoldersOrAnAbsolutePath)
{
    const QString themed = xdg.write(QStringLiteral("usr/share/icons/hicolor/48x48/apps/org.example.Red.png"), png(Qt::red));
    xdg.write(QStringLiteral("usr/share/icons/hicolor/16x16/apps/org.example.Red.png"), png(Qt::blue));
    const QString pixmap = xdg.write(QStringLiteral("usr/local/share/pixmaps/legacy.xpm"), png(Qt::green));
    const QString absolute = xdg.write(QStringLiteral("opt/app/icon.png"), png(Qt::green));
    EXPECT_EQ(FileIconManager::iconFile(install(QStringLiteral("org.example.Red"), "Icon=org.example.Red\n")), themed);
    EXPECT_EQ(FileIconManager::iconFile(install(QStringLiteral("org.example.Legacy"), "Icon=legacy\n")), pixmap);
    EXPECT_EQ(FileIconManager::iconFile(install(QStringLiteral("org.example.Abs"), "Icon=" + absolute.toUtf8() + "\n")), absolute);
    EXPECT_FALSE(FileIconManager::iconFile(install(QStringLiteral("org.example.None"), "Icon=nowhere\n")).has_value());
    EXPECT_FALSE(FileIconManager::iconFile(install(QStringLiteral("org.example.Bare"), "")).has_value());
    EXPECT_FALSE(FileIconManager::iconFile(install(QStringLiteral("org.example.Up"), "Icon=../../etc/x\n")).has_value());
}

TEST_F(FileIconTest, FoundIconsAreKeptAndStandInsAreNot)
{
    xdg.write(QStringLiteral("usr/share/icons/hicolor/48x48/apps/red.png"), png(Qt::red));
    install(QStringLiteral("org.example.Red"), "Icon=red\n");
    auto& manager = FileIconManager::shared();
    EXPECT_EQ(colourOf(manager.icon(QStringLiteral("org.example.Red"))), QColor(Qt::red).rgba());
    EXPECT_TRUE(manager.isCached(QStringLiteral("org.example.Red")));

    manager.icon(QStringLiteral("org.example.Later"));
    EXPECT_FALSE(manager.isCached(QStringLiteral("org.example.Later")));
    // Installed afterwards, the application gets its own icon at the next lookup.
    xdg.write(QStringLiteral("usr/share/icons/hicolor/48x48/apps/later.png"), png(Qt::blue));
    install(QStringLiteral("org.example.Later"), "Icon=later\n");
    EXPECT_EQ(colourOf(manager.icon(QStringLiteral("org.example.Later"))), QColor(Qt::blue).rgba());

    // By name too.
    manager.clear();
    EXPECT_EQ(colourOf(manager.icon(QStringLiteral("org.example.Red"))), QColor(Qt::red).rgba());

    // A kept icon is not looked up again.
    ASSERT_TRUE(QFile::remove(xdg.root() + QStringLiteral("/usr/share/icons/hicolor/48x48/apps/red.png")));
    EXPECT_EQ(colourOf(manager.icon(QStringLiteral("org.example.Red"))), QColor(Qt::red).rgba());
}

TEST_F(FileIconTest, LookupsByIdentifierEntryAndPath)
{
    xdg.write(QStringLiteral("usr/share/icons/hicolor/scalable/apps/green.png"), png(Qt::green));
    const QString entry = install(QStringLiteral("org.example.Green"), "Icon=green\n");
    auto& manager = FileIconManager::shared();
    EXPECT_FALSE(manager.iconForBundleIdentifier(QStringLiteral("org.example.Missing")).has_value());
    EXPECT_FALSE(manager.isCached(QStringLiteral("org.example.Missing")));
    const auto byId = manager.iconForBundleIdentifier(QStringLiteral("org.example.Green"));
    ASSERT_TRUE(byId.has_value());
    EXPECT_EQ(colourOf(*byId), QColor(Qt::green).rgba());

    EXPECT_FALSE(manager.iconForApplication(xdg.root() + QStringLiteral("/usr/share/applications")).has_value());
    const auto byEntry = manager.iconForApplication(entry);
    ASSERT_TRUE(byEntry.has_value());
    EXPECT_TRUE(manager.isCached(entry));
    EXPECT_EQ(colourOf(FileIconManager::iconForPath(entry)), QColor(Qt::green).rgba());
    // A path without an entry shows its kind's icon, which is not kept.
    FileIconManager::iconForPath(xdg.root() + QStringLiteral("/usr/share/icons"));
    EXPECT_FALSE(manager.isCached(xdg.root() + QStringLiteral("/usr/share/icons")));
}

TEST_F(FileIconTest, AnApplicationReadsItsIconOnce)
{
    xdg.write(QStringLiteral("usr/share/icons/hicolor/48x48/apps/red.png"), png(Qt::red));
    const QString entry = install(QStringLiteral("org.example.Red"), "Icon=red\n");
    BaseKit::App app(entry, QStringLiteral("Red"), QStringLiteral("org.example.Red"));
    EXPECT_EQ(colourOf(app.icon()), QColor(Qt::red).rgba());
    FileIconManager::shared().clear();
    ASSERT_TRUE(QFile::remove(xdg.root() + QStringLiteral("/usr/share/icons/hicolor/48x48/apps/red.png")));
    EXPECT_EQ(colourOf(app.icon()), QColor(Qt::red).rgba());
}
