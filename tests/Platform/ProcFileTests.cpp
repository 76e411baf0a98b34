#include "Platform/Proc/ProcFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>

using Platform::ProcFile;

// A file larger than the first buffer comes whole; with a limit, only its first bytes come, and the
// buffer is reused for the next file.
TEST(ProcFileTest, ReadsWholeFilesOrUpToTheLimit)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QByteArray large;
    for (int i = 0; i < 3000; ++i)
        large += char('0' + i % 10);
    QFile file(dir.filePath(QStringLiteral("large")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray content = large + large + large;
    file.write(content);
    file.close();
    const QByteArray path = QFile::encodeName(file.fileName());

    std::string buffer;
    const auto whole = ProcFile::read(AT_FDCWD, path.constData(), buffer);
    ASSERT_TRUE(whole);
    EXPECT_EQ(std::string(*whole), content.toStdString());

    const auto capped = ProcFile::read(AT_FDCWD, path.constData(), buffer, 4096);
    ASSERT_TRUE(capped);
    EXPECT_EQ(std::string(*capped), content.left(4096).toStdString());
    EXPECT_EQ(ProcFile::read(AT_FDCWD, path.constData(), buffer, 0), std::string_view());

    EXPECT_FALSE(ProcFile::read(AT_FDCWD, QFile::encodeName(dir.filePath(QStringLiteral("none"))).constData(), buffer));
}
