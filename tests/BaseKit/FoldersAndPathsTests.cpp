#include "XdgScope.h"

#include "BaseKit/Files/Directory.h"
#include "BaseKit/Files/Path.h"
#include "BaseKit/Files/Url.h"

#include <gtest/gtest.h>

#include <QFile>

using BaseKit::Directory;
using BaseKit::Path;
using BaseKit::PathType;
using BaseKit::Url;
using BaseKit::directoryName;
using BaseKit::directoryPath;

TEST(Directories, TheHomeIsTheAccountsHomeAsItStands)
{
    XdgScope xdg;
    using Account = Platform::Folders::Account;
    const Account root{QStringLiteral("/root"), QStringLiteral("root")};
    EXPECT_EQ(directoryPath(Directory::user, root), QStringLiteral("/root"));
    EXPECT_EQ(Url::realHomeDirectoryPath(root), QStringLiteral("/root"));
    EXPECT_EQ(directoryPath(Directory::user, Account{QStringLiteral("/var/lib/service"), QStringLiteral("svc")}),
              QStringLiteral("/var/lib/service"));
    const Account user{QStringLiteral("/home/u"), QStringLiteral("u")};
    EXPECT_EQ(directoryPath(Directory::user, user), QStringLiteral("/home/u"));
    EXPECT_EQ(directoryPath(Directory::volumes, user), QStringLiteral("/media/u"));
    // The account's home, not $HOME, which points into the test's tree.
    EXPECT_EQ(directoryPath(Directory::user), Platform::Folders::account().home);
    EXPECT_NE(directoryPath(Directory::user), xdg.root() + QStringLiteral("/home"));
}

TEST(Directories, FoldersFollowTheXdgVariables)
{
    XdgScope xdg;
    const QString home = xdg.root() + QStringLiteral("/home");
    EXPECT_EQ(directoryPath(Directory::library), home + QStringLiteral("/.local/share"));
    EXPECT_EQ(directoryPath(Directory::preferences), home + QStringLiteral("/.config"));
    EXPECT_EQ(directoryPath(Directory::caches), home + QStringLiteral("/.cache"));
    EXPECT_EQ(directoryPath(Directory::savedState), home + QStringLiteral("/.local/state"));
    EXPECT_EQ(directoryPath(Directory::trash), home + QStringLiteral("/.local/share/Trash"));
    EXPECT_EQ(directoryPath(Directory::userLaunchAgents), home + QStringLiteral("/.config/autostart"));
    EXPECT_EQ(directoryPath(Directory::userApplications), home + QStringLiteral("/.local/share/applications"));
    EXPECT_TRUE(directoryPath(Directory::mailAttachments)
                    .endsWith(QStringLiteral("/Containers/com.apple.mail/Data/Library/Mail Downloads")));
    EXPECT_EQ(directoryName(Directory::trash), QStringLiteral("Trash"));

    // Unset or relative variables fall back to the folders below $HOME.
    XdgScope::unset("XDG_DATA_HOME");
    XdgScope::set("XDG_CACHE_HOME", QStringLiteral("relative/cache"));
    EXPECT_EQ(directoryPath(Directory::library), home + QStringLiteral("/.local/share"));
    EXPECT_EQ(directoryPath(Directory::caches), home + QStringLiteral("/.cache"));
    XdgScope::set("XDG_DATA_HOME", xdg.root() + QStringLiteral("/elsewhere/"));
    EXPECT_EQ(directoryPath(Directory::applicationSupport), xdg.root() + QStringLiteral("/elsewhere"));
}

TEST(Directories, DocumentsAndDownloadsAreTheUsersFolders)
{
    XdgScope xdg;
    const QString home = xdg.root() + QStringLiteral("/home");
    EXPECT_EQ(directoryPath(Directory::documents), home + QStringLiteral("/Documents"));
    EXPECT_EQ(directoryPath(Directory::downloads), home + QStringLiteral("/Downloads"));
    xdg.write(QStringLiteral("home/.config/user-dirs.dirs"),
              "# written by xdg-user-dirs-update\n"
              "XDG_DOCUMENTS_DIR=\"$HOME/Papiere\"\n"
              "XDG_DOWNLOAD_DIR=\"/srv/incoming\"\n"
              "XDG_MUSIC_DIR=\"$HOME/\"\n");
    EXPECT_EQ(directoryPath(Directory::documents), home + QStringLiteral("/Papiere"));
    EXPECT_EQ(directoryPath(Directory::appDocuments), home + QStringLiteral("/Papiere"));
    EXPECT_EQ(directoryPath(Directory::downloads), QStringLiteral("/srv/incoming"));
    // A folder set to the home itself, or a relative one, counts as unset.
    xdg.write(QStringLiteral("home/.config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME\"\nXDG_DOWNLOAD_DIR=\"x/y\"\n");
    EXPECT_EQ(directoryPath(Directory::documents), home + QStringLiteral("/Documents"));
    EXPECT_EQ(directoryPath(Directory::downloads), home + QStringLiteral("/Downloads"));
}

TEST(Paths, TypesExistenceAndSizes)
{
    XdgScope xdg;
    const QString file = xdg.write(QStringLiteral("t/a.txt"), "12345");
    EXPECT_EQ(Path::pathType(xdg.root() + QStringLiteral("/t/missing")), PathType::invalid);
    EXPECT_EQ(Path::pathType(xdg.root() + QStringLiteral("/t")), PathType::directory);
    EXPECT_EQ(Path::pathType(file), PathType::file);
    EXPECT_TRUE(Path::exists(file));
    EXPECT_FALSE(Path::isDirectory(file));
    EXPECT_EQ(Path::fileSize(file), 5u);
    EXPECT_EQ(Path::fileSize(xdg.root() + QStringLiteral("/t/missing")), 0u);

    QDir().mkpath(xdg.root() + QStringLiteral("/empty"));
    EXPECT_EQ(Path::folderSize(xdg.root() + QStringLiteral("/empty")), 0u);
    // Hidden files and the insides of packages count.
    xdg.write(QStringLiteral("tree/.hidden"), "1234567890");
    xdg.write(QStringLiteral("tree/Thing.bundle/inner/data"), "abc");
    xdg.write(QStringLiteral("tree/sub/.deep/x"), "xy");
    EXPECT_EQ(Path::folderSize(xdg.root() + QStringLiteral("/tree")), 15u);
    EXPECT_EQ(Url::size(xdg.root() + QStringLiteral("/tree")), 15u);
    EXPECT_EQ(Url::size(file), 5u);
    EXPECT_EQ(Url::size(xdg.root() + QStringLiteral("/nothing")), 0u);
}

TEST(Paths, WalksEndOnLinkLoopsAndCountLinkedFoldersOnce)
{
    XdgScope xdg;
    xdg.write(QStringLiteral("loop/a/file"), "12");
    ASSERT_TRUE(QFile::link(xdg.root() + QStringLiteral("/loop"), xdg.root() + QStringLiteral("/loop/a/back")));
    EXPECT_EQ(Path::folderSize(xdg.root() + QStringLiteral("/loop")), 2u);
    EXPECT_EQ(Path::allItems(xdg.root() + QStringLiteral("/loop")).size(), 3);
    std::int64_t count = 0;
    Path::countFolders(xdg.root() + QStringLiteral("/loop"), count);
    EXPECT_EQ(count, 2); // "a" and the link "back", which is not entered
}

TEST(Paths, SearchEntersPackagesAndTheOtherWalksDoNot)
{
    XdgScope xdg;
    const QString root = xdg.root() + QStringLiteral("/share");
    xdg.write(QStringLiteral("share/Outer.bundle/Inner.bundle/strings"), "x");
    xdg.write(QStringLiteral("share/plain/readme.txt"), "x");
    xdg.write(QStringLiteral("share/.secret.bundle/x"), "x");
    const QStringList bundles = Path::search(root, QStringLiteral(".bundle"));
    EXPECT_EQ(bundles.size(), 2);
    EXPECT_TRUE(bundles.contains(root + QStringLiteral("/Outer.bundle/Inner.bundle")));
    const QStringList items = Path::allItems(root);
    EXPECT_TRUE(items.contains(root + QStringLiteral("/Outer.bundle")));
    EXPECT_FALSE(items.contains(root + QStringLiteral("/Outer.bundle/Inner.bundle")));
    EXPECT_EQ(Path::files(root), QStringList{root + QStringLiteral("/plain/readme.txt")});
    EXPECT_EQ(Path::files(root, QStringLiteral(".md")), QStringList());
    EXPECT_EQ(Path::subdirectories(root).size(), 2);
}

TEST(Paths, ListingsContainersAndRemoval)
{
    XdgScope xdg;
    const QString file = xdg.write(QStringLiteral("list/file"), "x");
    QDir().mkpath(xdg.root() + QStringLiteral("/list/folder"));
    QDir().mkpath(xdg.root() + QStringLiteral("/list/.hiddenfolder"));
    EXPECT_EQ(Path::contents(xdg.root() + QStringLiteral("/list"), true),
              QStringList{xdg.root() + QStringLiteral("/list/folder")});
    EXPECT_EQ(Path::contents(xdg.root() + QStringLiteral("/list"), false), QStringList{file});

    testing::internal::CaptureStdout();
    EXPECT_TRUE(Path::contents(file, true).isEmpty());
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1);

    const QString containers = directoryPath(Directory::containers);
    QDir().mkpath(containers + QStringLiteral("/com.apple.Safari"));
    QDir().mkpath(containers + QStringLiteral("/com.apples"));
    EXPECT_EQ(Path::containers(true), QStringList{containers + QStringLiteral("/com.apples")});
    EXPECT_EQ(Path::containers(false).size(), 2);

    EXPECT_TRUE(Path::remove(xdg.root() + QStringLiteral("/list")));
    EXPECT_FALSE(Path::exists(file));
    EXPECT_TRUE(Path::remove(xdg.root() + QStringLiteral("/list"))); // nothing left to remove
}

TEST(Paths, DatesAndAppending)
{
    XdgScope xdg;
    const QString file = xdg.write(QStringLiteral("d/f"), "x");
    const QDateTime then = QDateTime::fromSecsSinceEpoch(1700000000);
    QFile handle(file);
    ASSERT_TRUE(handle.open(QIODevice::ReadWrite));
    ASSERT_TRUE(handle.setFileTime(then, QFileDevice::FileModificationTime));
    handle.close();
    EXPECT_EQ(Path::modificationDate(file), then);
    EXPECT_FALSE(Path::modificationDate(file + QStringLiteral("x")).has_value());
    EXPECT_FALSE(Path::lastUsedDate(file).has_value());
    EXPECT_EQ(Url::appending(QStringLiteral("/media/u/Disk"), {QStringLiteral("backup_manifest.plist")}),
              QStringLiteral("/media/u/Disk/backup_manifest.plist"));
    EXPECT_EQ(Url::appending(QStringLiteral("/a/"), {QStringLiteral("b"), QStringLiteral("c")}), QStringLiteral("/a/b/c"));
    EXPECT_EQ(Url::appending(QStringLiteral("/a"), {}), QStringLiteral("/a"));
}
