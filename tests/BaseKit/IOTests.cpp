#include "BaseKit/IO.h"
#include "BaseKit/IOConstants.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdint>

using BaseKit::IO;

namespace {
constexpr std::uint64_t KiB = 1ULL << 10;
constexpr std::uint64_t MiB = 1ULL << 20;
constexpr std::uint64_t GiB = 1ULL << 30;
} // namespace

TEST(IOSizeText, BytesAreWholeAndUntrimmed)
{
    EXPECT_EQ(IO::sizeText(0), "0 B");
    EXPECT_EQ(IO::sizeText(1), "1 B");
    EXPECT_EQ(IO::sizeText(10), "10 B");
    EXPECT_EQ(IO::sizeText(1000), "1000 B");
    EXPECT_EQ(IO::sizeText(1023), "1023 B");
}

TEST(IOSizeText, EveryStepBoundaryAndTrimming)
{
    EXPECT_EQ(IO::sizeText(KiB), "1 KB");
    EXPECT_EQ(IO::sizeText(1536), "1.5 KB");
    EXPECT_EQ(IO::sizeText(1025), "1 KB");   // 1.0009… → "1.00" → "1"
    EXPECT_EQ(IO::sizeText(1034), "1.01 KB"); // two decimals in the kilobyte step
    EXPECT_EQ(IO::sizeText(MiB - 1), "1024 KB"); // rounds up within its step
    EXPECT_EQ(IO::sizeText(MiB), "1 MB");
    EXPECT_EQ(IO::sizeText(MiB + MiB / 2), "1.5 MB");
    EXPECT_EQ(IO::sizeText(MiB + MiB / 4), "1.2 MB"); // one decimal; an exact tie goes to even
    EXPECT_EQ(IO::sizeText(10 * MiB), "10 MB");
    EXPECT_EQ(IO::sizeText(GiB - 1), "1024 MB");
    EXPECT_EQ(IO::sizeText(GiB), "1 GB");
    EXPECT_EQ(IO::sizeText(16 * GiB), "16 GB");
    EXPECT_EQ(IO::sizeText(GiB + GiB / 4), "1.25 GB");
    EXPECT_EQ(IO::sizeText((1ULL << 40) - 1), "1024 GB");
    EXPECT_EQ(IO::sizeText(1ULL << 40), "1 TB");
    EXPECT_EQ(IO::sizeText(1ULL << 50), "1 PB");
    EXPECT_EQ(IO::sizeText(3ULL << 49), "1.5 PB");
    EXPECT_EQ(IO::sizeText(1ULL << 60), "1 EB");
    EXPECT_EQ(IO::sizeText(UINT64_MAX), "16 EB");
}

TEST(IOSizeText, TrimsOnlyZerosAndThePoint)
{
    EXPECT_EQ(IO::sizeText(10 * KiB), "10 KB"); // the 0 before the point stays
    EXPECT_EQ(IO::sizeText(100 * GiB), "100 GB");
    EXPECT_EQ(IO::sizeText(1024 * (1ULL << 50)), "1 EB");
}

TEST(IORateText, ByteUnitsAtEveryStep)
{
    EXPECT_EQ(IO::rateText(0, false), "0 B/s");
    EXPECT_EQ(IO::rateText(1023, false), "1023 B/s");
    EXPECT_EQ(IO::rateText(1024, false), "1 KB/s");
    EXPECT_EQ(IO::rateText(2047, false), "1 KB/s"); // truncated, not rounded
    EXPECT_EQ(IO::rateText(MiB - 1, false), "1023 KB/s");
    EXPECT_EQ(IO::rateText(MiB, false), "1.00 MB/s"); // not trimmed
    EXPECT_EQ(IO::rateText(10 * MiB - 1, false), "10.00 MB/s");
    EXPECT_EQ(IO::rateText(10 * MiB, false), "10.0 MB/s");
    EXPECT_EQ(IO::rateText(100 * MiB - 1, false), "100.0 MB/s");
    EXPECT_EQ(IO::rateText(100 * MiB, false), "100 MB/s");
    EXPECT_EQ(IO::rateText(GiB - 1, false), "1023 MB/s");
    EXPECT_EQ(IO::rateText(GiB, false), "1.00 GB/s");
    EXPECT_EQ(IO::rateText(UINT64_MAX, false), "17179869184.00 GB/s");
}

TEST(IORateText, BitUnitsAtEveryStep)
{
    EXPECT_EQ(IO::rateText(0, true), "0 b/s");
    EXPECT_EQ(IO::rateText(124, true), "992 b/s");
    EXPECT_EQ(IO::rateText(125, true), "1 Kb/s");
    EXPECT_EQ(IO::rateText(124999, true), "999 Kb/s");
    EXPECT_EQ(IO::rateText(131072, true), "1.05 Mb/s"); // 1048576 bits
    EXPECT_EQ(IO::rateText(125000, true), "1.00 Mb/s");
    EXPECT_EQ(IO::rateText(124999999, true), "1000.00 Mb/s"); // 999999992 bits, rounded
    EXPECT_EQ(IO::rateText(125000000, true), "1.00 Gb/s");
    EXPECT_EQ(IO::rateText(125000000000ULL - 1, true), "1000.00 Gb/s");
}

TEST(IORateText, TerabitStepReplacesTheZeroText)
{
    EXPECT_EQ(IO::rateText(125000000000ULL, true), "1.00 Tb/s");
    EXPECT_EQ(IO::rateText(375000000000ULL, true), "3.00 Tb/s");
}

TEST(IORateText, BitCountBeyondSixtyFourBitsStaysRight)
{
    // 2^61 bytes per second: 2^64 bits, which wraps to 0 in 64-bit arithmetic.
    EXPECT_EQ(IO::rateText(1ULL << 61, true), "18446744.07 Tb/s");
    EXPECT_EQ(IO::compactRateText(1ULL << 61, true), "18446744073 Gb/s");
}

TEST(IOCompactRateText, WholeNumbersBelowTheGigabyteStep)
{
    EXPECT_EQ(IO::compactRateText(1023, false), "1023 B/s");
    EXPECT_EQ(IO::compactRateText(1024, false), "1 KB/s");
    EXPECT_EQ(IO::compactRateText(MiB - 1, false), "1023 KB/s");
    EXPECT_EQ(IO::compactRateText(MiB, false), "1 MB/s");
    EXPECT_EQ(IO::compactRateText(15 * MiB + MiB / 2, false), "15 MB/s");
    EXPECT_EQ(IO::compactRateText(GiB - 1, false), "1023 MB/s");
    EXPECT_EQ(IO::compactRateText(GiB, false), "1.00 GB/s");

    EXPECT_EQ(IO::compactRateText(124, true), "992 b/s");
    EXPECT_EQ(IO::compactRateText(125, true), "1 Kb/s");
    EXPECT_EQ(IO::compactRateText(125000, true), "1 Mb/s");
    EXPECT_EQ(IO::compactRateText(124999999, true), "999 Mb/s");
    EXPECT_EQ(IO::compactRateText(125000000, true), "1 Gb/s");
    EXPECT_EQ(IO::compactRateText(125000000000ULL, true), "1000 Gb/s");
}

TEST(IOIntervalRateText, RateOfBytesInAnInterval)
{
    EXPECT_EQ(IO::intervalRateText(2048, 2.0, false), "1 KB/s");
    EXPECT_EQ(IO::intervalRateText(250, 2.0, true), "1 Kb/s");
    EXPECT_EQ(IO::intervalRateText(3 * MiB, 0.5, false), "6.00 MB/s");
    EXPECT_EQ(IO::intervalCompactRateText(2048, 2.0, false), "1 KB/s");
    EXPECT_EQ(IO::intervalCompactRateText(3 * MiB, 0.5, false), "6 MB/s");
}

TEST(IOIntervalRateText, NoRateGivesTheDash)
{
    for (double seconds : {0.0, -0.0, -1.0, std::numeric_limits<double>::quiet_NaN(),
                           -std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(IO::intervalRateText(1000, seconds, false), "-") << seconds;
        EXPECT_EQ(IO::intervalCompactRateText(1000, seconds, true), "-") << seconds;
    }
    // So small an interval that the quotient is infinite or beyond 64 bits.
    EXPECT_EQ(IO::intervalRateText(UINT64_MAX, 1e-300, false), "-");
    EXPECT_EQ(IO::intervalCompactRateText(1, 5e-324, false), "-");
    EXPECT_EQ(IO::intervalCompactRateText(UINT64_MAX, 0.5, false), "-");
    // No bytes in a tiny interval is still a rate of 0.
    EXPECT_EQ(IO::intervalRateText(0, 1e-300, false), "0 B/s");
}

TEST(IOCompactByteRateText, LargestCountsClampInsteadOfOverflowing)
{
    EXPECT_EQ(IO::compactByteRateText(1023), "1023 B/s");
    EXPECT_EQ(IO::compactByteRateText(MiB), "1 MB/s");
    EXPECT_EQ(IO::compactByteRateText(UINT64_MAX - 1023), "17179869184.00 GB/s");
    EXPECT_EQ(IO::compactByteRateText(UINT64_MAX), "17179869184.00 GB/s");
}

TEST(IOConstants, StepsArePowersOf1024And1000)
{
    EXPECT_EQ(BaseKit::IOConstants::exbibyte, 1ULL << 60);
    EXPECT_EQ(BaseKit::IOConstants::pebibyte * 1024, BaseKit::IOConstants::exbibyte);
    EXPECT_EQ(BaseKit::IOConstants::exabyte, BaseKit::IOConstants::petabyte * 1000);
    EXPECT_EQ(BaseKit::IOConstants::kilobyte, 1000u);
}

TEST(IOLastUsedDate, MissingPathGivesNone)
{
    EXPECT_FALSE(IO::lastUsedDate(QStringLiteral("/nonexistent/kestrion/file")).has_value());
    EXPECT_FALSE(IO::lastUsedDate(QString()).has_value());
    EXPECT_FALSE(IO::lastUsedDate(QUrl::fromLocalFile("/nonexistent/kestrion/file")).has_value());
    EXPECT_FALSE(IO::lastUsedDate(QUrl(QStringLiteral("https://127.0.0.1/x"))).has_value());
}

TEST(IOLastUsedDate, LatestOfTheFileTimes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("file"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    // Access time far in the future: later than the modification and change times.
    const QDateTime future = QDateTime::currentDateTime().addYears(5);
    ASSERT_TRUE(file.setFileTime(future, QFileDevice::FileAccessTime));
    file.close();

    const std::optional<QDateTime> byPath = IO::lastUsedDate(path);
    ASSERT_TRUE(byPath.has_value());
    EXPECT_EQ(byPath->toSecsSinceEpoch(), future.toSecsSinceEpoch());
    EXPECT_EQ(byPath->time().msec(), 0); // whole seconds

    const std::optional<QDateTime> byUrl = IO::lastUsedDate(QUrl::fromLocalFile(path));
    ASSERT_TRUE(byUrl.has_value());
    EXPECT_EQ(byUrl->toSecsSinceEpoch(), future.toSecsSinceEpoch());
}
