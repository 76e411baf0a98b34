#include "XdgScope.h"

#include "BaseKit/Files/FileType.h"
#include "BaseKit/Files/FileUrl.h"
#include "BaseKit/Files/Finder.h"
#include "BaseKit/Files/Url.h"

#include <QBuffer>
#include <QImage>
#include <QMimeDatabase>

#include <gtest/gtest.h>

using BaseKit::FileType;
using BaseKit::FileUrl;
using BaseKit::Url;

namespace {

QByteArray pngBytes()
{
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

TEST(FileKinds, KindsComeFromTheMimeFamily)
{
    XdgScope xdg(false);
    const QString png = xdg.write(QStringLiteral("k/picture.png"), pngBytes());
    const QString pdf = xdg.write(QStringLiteral("k/paper.pdf"), "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n");
    const QString zip = xdg.write(QStringLiteral("k/files.zip"), QByteArray("PK\x03\x04", 4) + QByteArray(26, '\0'));
    const QString tarGz = xdg.write(QStringLiteral("k/files.tar.gz"), QByteArray("\x1f\x8b\x08\x00", 4) + QByteArray(10, '\0'));
    const QString mp3 = xdg.write(QStringLiteral("k/track.mp3"), QByteArray("ID3\x03\x00", 5) + QByteArray(20, '\0'));
    const QString text = xdg.write(QStringLiteral("k/notes.txt"), "just words\n");

    // The identifier is the name the machine's MIME database gives the type; releases name a PNG
    // picture differently (a newer database also knows animated PNG, a kind of PNG), so the name
    // is checked through the database itself.
    const std::optional<QString> identifier = Url::typeIdentifier(png);
    ASSERT_TRUE(identifier);
    EXPECT_TRUE(QMimeDatabase().mimeTypeForName(*identifier).inherits(QStringLiteral("image/png")))
        << identifier->toStdString();
    EXPECT_TRUE(Url::isImage(png));
    EXPECT_EQ(Url::fileType(png), FileType::photo);
    EXPECT_TRUE(Url::isAudio(mp3));
    EXPECT_EQ(Url::fileType(mp3), FileType::audio);
    EXPECT_TRUE(Url::isPDF(pdf));
    EXPECT_EQ(Url::fileType(pdf), FileType::document);
    EXPECT_TRUE(Url::isArchive(zip));
    EXPECT_TRUE(Url::isArchive(tarGz));
    EXPECT_EQ(Url::fileType(tarGz), FileType::archive);
    EXPECT_FALSE(Url::isImage(text));
    EXPECT_EQ(Url::fileType(text), FileType::other);

    const QString missing = xdg.root() + QStringLiteral("/k/missing.png");
    EXPECT_FALSE(Url::typeIdentifier(missing).has_value());
    EXPECT_FALSE(Url::isImage(missing));
    EXPECT_EQ(Url::fileType(missing), FileType::other);
}

TEST(FileKinds, FoldersLinksAndNames)
{
    XdgScope xdg;
    const QString file = xdg.write(QStringLiteral("n/real.txt"), "x");
    const QString link = xdg.root() + QStringLiteral("/n/link.txt");
    ASSERT_TRUE(QFile::link(file, link));
    EXPECT_FALSE(Url::isDirectory(xdg.root() + QStringLiteral("/n/none")));
    EXPECT_TRUE(Url::isDirectory(xdg.root() + QStringLiteral("/n")));
    EXPECT_FALSE(Url::isDirectory(file));
    EXPECT_FALSE(Url::isSymbolicLink(file));
    EXPECT_TRUE(Url::isSymbolicLink(link));
    EXPECT_FALSE(Url::isSymbolicLink(xdg.root() + QStringLiteral("/n/none")));
    EXPECT_EQ(Url::fileName(file), QStringLiteral("real.txt"));
    EXPECT_EQ(Url::fileName(xdg.root() + QStringLiteral("/n/")), QStringLiteral("n"));
}

TEST(FileKinds, NewestByModificationDate)
{
    XdgScope xdg;
    const QString older = xdg.write(QStringLiteral("m/older"), "x");
    const QString newer = xdg.write(QStringLiteral("m/newer"), "x");
    const QString twin = xdg.write(QStringLiteral("m/twin"), "x");
    const auto stamp = [](const QString& path, qint64 seconds) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::fromSecsSinceEpoch(seconds), QFileDevice::FileModificationTime));
    };
    stamp(older, 1000);
    stamp(newer, 2000);
    stamp(twin, 2000);
    EXPECT_EQ(Url::newestByModificationDate({older, newer, twin}), newer);
    EXPECT_EQ(Url::newestByModificationDate({twin, newer}), twin);
    const QString none1 = xdg.root() + QStringLiteral("/m/none1");
    const QString none2 = xdg.root() + QStringLiteral("/m/none2");
    EXPECT_EQ(Url::newestByModificationDate({none1, none2}), none1);
    EXPECT_EQ(Url::newestByModificationDate({none1, older}), older);
    EXPECT_FALSE(Url::newestByModificationDate({}).has_value());
}

TEST(FileRecords, SizeNameAndSelection)
{
    XdgScope xdg;
    const FileUrl missing(xdg.root() + QStringLiteral("/r/missing.bin"));
    EXPECT_EQ(missing.size, 0u);
    EXPECT_EQ(missing.name, QStringLiteral("missing.bin"));
    EXPECT_FALSE(missing.isSelected);

    xdg.write(QStringLiteral("r/folder/.hidden"), "0123456789");
    const FileUrl folder(xdg.root() + QStringLiteral("/r/folder"));
    EXPECT_EQ(folder.size, 10u);
    EXPECT_EQ(folder.name, QStringLiteral("folder"));
    // Measured once: a later change does not show.
    xdg.write(QStringLiteral("r/folder/more"), "abc");
    EXPECT_EQ(folder.size, 10u);
    EXPECT_EQ(FileUrl(xdg.root() + QStringLiteral("/r/folder")).size, 13u);
}

TEST(FileRecords, KindNamesComeFromTheStringTable)
{
    const QString archive = BaseKit::localizedName(FileType::archive);
    EXPECT_FALSE(archive.isEmpty());
    EXPECT_NE(BaseKit::localizedName(FileType::photo), archive);
    EXPECT_NE(BaseKit::localizedName(FileType::other), BaseKit::localizedName(FileType::document));
}

TEST(FileRecords, RevealWithoutFileManagerOpensTheFolder)
{
    std::vector<QUrl> opened;
    BaseKit::Finder::reveal(QStringLiteral("/home/user1/Desktop/a.txt"), [&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened.front(), QUrl::fromLocalFile(QStringLiteral("/home/user1/Desktop")));
}
