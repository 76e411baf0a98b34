#include "Platform/Files/FileTimes.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Platform::FileTimes;

TEST(FileTimes, BirthOfAFreshFileIsNowAndOfNothingNone)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("made now"));
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const qint64 after = QDateTime::currentSecsSinceEpoch();
    // File systems that keep no birth time answer none; one that keeps it gives the moment made.
    if (const auto birth = FileTimes::birth(path)) {
        EXPECT_GE(birth->seconds, before - 1);
        EXPECT_LE(birth->seconds, after + 1);
        EXPECT_GE(birth->nanoseconds, 0);
        EXPECT_LT(birth->nanoseconds, 1000000000);
    }
    EXPECT_FALSE(FileTimes::birth(dir.filePath(QStringLiteral("never made"))));
    EXPECT_FALSE(FileTimes::birth(QString()));
}
