#include "SystemKit/Volumes/Volume.h"

#include "Platform/Volumes/DiskEjector.h"
#include "SystemKit/SystemKitStrings.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace SystemKit;

namespace {

// An ejector that answers on the next turn of the event loop with the error it was given.
class ScriptedEjector : public Platform::DiskEjector {
public:
    void unmountAndEject(const QString& device, bool removable, Done done) override
    {
        requests.append(device);
        lastRemovable = removable;
        QTimer::singleShot(0, [done, error = error] { done(error); });
    }
    QString error;
    QStringList requests;
    bool lastRemovable = false;
};

QList<quint64> tail(const QList<quint64>& values, int n)
{
    return values.mid(values.size() - n);
}

} // namespace

TEST(Volume, StartsEmpty)
{
    const Volume volume(QStringLiteral("/media/stick"));
    EXPECT_EQ(volume.readHistory(), QList<quint64>(30, 0));
    EXPECT_EQ(volume.writeHistory().size(), 30);
    EXPECT_EQ(volume.loadHistory().size(), 30);
    EXPECT_FALSE(volume.oldStatistics());
    EXPECT_FALSE(volume.currentStatistics());
    EXPECT_EQ(volume.totalBytes(), 0u);
    EXPECT_EQ(volume.usage(), 0.0);
    EXPECT_FALSE(volume.isActive());
    EXPECT_FALSE(volume.isEjecting());
    EXPECT_EQ(volume.isHighSpeedUsb(), std::nullopt);
    EXPECT_EQ(volume.separator(), QStringLiteral(" \u2022 "));
    EXPECT_EQ(volume.url(), QUrl::fromLocalFile(QStringLiteral("/media/stick")));
    EXPECT_EQ(volume.isClaimed(), std::nullopt);
}

TEST(Volume, DeltaSequenceLoadsAndMaxima)
{
    Volume volume(QStringLiteral("/"));
    QSignalSpy changed(&volume, &Volume::statisticsChanged);
    volume.update(40, 50);
    EXPECT_EQ(volume.readDelta(), 0u);
    EXPECT_EQ(volume.maxDelta(), 0u);
    EXPECT_EQ(volume.currentStatistics()->bytesRead, 40u);

    volume.update(100, 50);
    EXPECT_EQ(volume.readDelta(), 60u);
    EXPECT_EQ(volume.writeDelta(), 0u);
    EXPECT_EQ(tail(volume.readHistory(), 2), QList<quint64>({0, 60}));
    EXPECT_EQ(volume.writeHistory().last(), 0u);
    EXPECT_EQ(volume.loadHistory().last(), 60u);
    EXPECT_EQ(volume.readHistory().size(), 30);
    EXPECT_EQ(volume.maxReadSpeed(), 60u);
    EXPECT_EQ(volume.readLoad(), 1.0);
    EXPECT_TRUE(volume.isReading());
    EXPECT_FALSE(volume.isWriting());
    EXPECT_EQ(volume.writeLoad(), 0.0);
    EXPECT_EQ(volume.maxDelta(), 60u);

    volume.update(130, 50);
    EXPECT_EQ(volume.readDelta(), 30u);
    EXPECT_EQ(volume.readLoad(), 0.5);
    EXPECT_EQ(volume.maxReadSpeed(), 60u);

    // A counter that went back gives 0 for that direction.
    volume.update(10, 80);
    EXPECT_EQ(volume.readDelta(), 0u);
    EXPECT_FALSE(volume.isReading());
    EXPECT_EQ(volume.readLoad(), 0.0);
    EXPECT_EQ(volume.writeDelta(), 30u);
    EXPECT_TRUE(volume.isWriting());
    EXPECT_EQ(volume.peakDeltaText(), QStringLiteral("30 B/s"));
    EXPECT_EQ(changed.count(), 4);
}

TEST(Volume, AnEmptySnapshotIsIgnored)
{
    Volume volume(QStringLiteral("/"));
    volume.update(0, 0); // no base from an unreadable disk
    EXPECT_FALSE(volume.currentStatistics());
    volume.update(1000000, 2000000);
    volume.update(1000010, 2000020);
    EXPECT_EQ(volume.readDelta(), 10u);
    EXPECT_EQ(volume.writeDelta(), 20u);
    volume.update(0, 0);
    EXPECT_EQ(volume.readDelta(), 10u); // derived values keep their values
    // The next real snapshot counts from the last real one, not from zero (no spike of everything
    // since boot that would stay the maximum for good).
    volume.update(1000020, 2000040);
    EXPECT_EQ(volume.readDelta(), 10u);
    EXPECT_EQ(volume.writeDelta(), 20u);
    EXPECT_EQ(volume.maxDelta(), 30u);
}

TEST(Volume, UsageAndUsedSpace)
{
    Volume volume(QStringLiteral("/"));
    QSignalSpy changed(&volume, &Volume::capacityChanged);
    volume.setCapacity(400, 300);
    EXPECT_EQ(volume.usage(), 0.25);
    EXPECT_EQ(volume.usedBytes(), 100u);
    volume.setCapacity(0, 0);
    EXPECT_EQ(volume.usage(), 0.0);
    // More free than total (reserved blocks, a racing read): nothing used, not 16 EB.
    volume.setCapacity(100, 200);
    EXPECT_EQ(volume.usedBytes(), 0u);
    EXPECT_EQ(volume.usage(), 0.0);
    volume.setCapacity(UINT64_MAX, 0);
    EXPECT_EQ(volume.usage(), 1.0);
    // With reserved blocks (1000 in all, 300 used, 500 free for users) the values are df's: 300 used,
    // and 300 / (300 + 500) in use.
    volume.setCapacity(1000, 500, 300);
    EXPECT_EQ(volume.usedBytes(), 300u);
    EXPECT_EQ(volume.usage(), 0.375);
    volume.setCapacity(1000, 0, 0);
    EXPECT_EQ(volume.usage(), 0.0);
    volume.setCapacity(100, 50, 500); // more used than there is: capped
    EXPECT_EQ(volume.usedBytes(), 100u);
    EXPECT_LE(volume.usage(), 1.0);
    EXPECT_EQ(changed.count(), 7);
}

TEST(Volume, DisplayValues)
{
    Volume volume(QStringLiteral("/"));
    EXPECT_EQ(volume.fileSystemName(), std::nullopt);
    const std::pair<const char*, const char*> names[] = {{"exfat", "ExFAT"}, {"msdos", "MS-DOS"}, {"apfs", "APFS"},
                                                         {"zfs", "ZFS"},     {"apfsx", "APFSX"},  {"ext4", "EXT4"},
                                                         {"ntfs3", "NTFS3"}};
    for (const auto& [raw, display] : names) {
        volume.setRawFileSystem(QString::fromLatin1(raw));
        EXPECT_EQ(volume.fileSystemName(), QString::fromLatin1(display));
    }

    volume.setIsInternal(true);
    EXPECT_EQ(volume.symbolName(), QStringLiteral("internaldrive"));
    volume.setDeviceProtocol(QStringLiteral("Secure Digital"));
    EXPECT_EQ(volume.symbolName(), QStringLiteral("sdcard"));
    volume.setDeviceProtocol(QStringLiteral("USB"));
    volume.setIsInternal(false);
    EXPECT_EQ(volume.symbolName(), QStringLiteral("externaldrive"));

    volume.setIsStartupVolume(true);
    volume.setIsSystemVolume(true);
    volume.setRawFileSystem(QStringLiteral("ext4"));
    const QStringList tags = volume.tags();
    ASSERT_EQ(tags.size(), 3);
    EXPECT_EQ(tags[0], localizedString(QStringLiteral("STARTUP_DISK")));
    EXPECT_EQ(tags[1], localizedString(QStringLiteral("USB")));
    EXPECT_EQ(tags[2], QStringLiteral("ext4"));
    EXPECT_EQ(volume.tagsText(), tags[0] + QStringLiteral(" \u2022 ") + tags[1] + QStringLiteral(" \u2022 ext4"));

    Volume plain(QStringLiteral("/data"));
    plain.setDeviceProtocol(QStringLiteral("Thunderbolt"));
    EXPECT_EQ(plain.tags(), QStringList({localizedString(QStringLiteral("EXTERNAL_VOLUME"))}));
    EXPECT_FALSE(plain.tagsText().contains(QChar(0x2022)));

    EXPECT_EQ(volume.isHighSpeedUsb(), std::nullopt);
    volume.setUsbSpeed(DeviceSpeedValue::fullSpeed);
    EXPECT_EQ(volume.isHighSpeedUsb(), false);
    volume.setUsbSpeed(DeviceSpeedValue::highSpeed);
    EXPECT_EQ(volume.isHighSpeedUsb(), true);
    volume.setUsbSpeed(DeviceSpeedValue::superSpeedPlus);
    EXPECT_EQ(volume.isHighSpeedUsb(), true);
}

TEST(Volume, BackupManifestIsAskedOnEveryRead)
{
    QTemporaryDir dir;
    Volume volume(dir.path());
    EXPECT_FALSE(volume.isBackupVolume());
    QFile manifest(dir.filePath(QStringLiteral("backup_manifest.plist")));
    ASSERT_TRUE(manifest.open(QIODevice::WriteOnly));
    manifest.close();
    EXPECT_TRUE(volume.isBackupVolume());
}

TEST(Volume, EjectMarksAndAFailureClearsTheMark)
{
    Volume volume(QStringLiteral("/media/stick"));
    volume.setBsdName(QStringLiteral("sdc1"));
    volume.setIsEjectable(true);
    ScriptedEjector ejector;
    ejector.error = QStringLiteral("target is busy");
    QString reported = QStringLiteral("(none)");
    volume.eject(ejector, [&reported](const QString& error) { reported = error; });
    // Asked, not waited for.
    EXPECT_TRUE(volume.isEjecting());
    EXPECT_EQ(reported, QStringLiteral("(none)"));
    EXPECT_EQ(ejector.requests, QStringList({"sdc1"}));
    EXPECT_TRUE(ejector.lastRemovable);
    QCoreApplication::processEvents();
    EXPECT_EQ(reported, QStringLiteral("target is busy"));
    EXPECT_FALSE(volume.isEjecting());

    ejector.error.clear();
    volume.eject(ejector);
    QCoreApplication::processEvents();
    EXPECT_TRUE(volume.isEjecting()); // stays until the volume is unmounted
}
