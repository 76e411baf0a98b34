#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <unistd.h>

// A private machine tree for the volume readers: a copy of a fixture of tests/fixtures/Platform/volumes
// (symbolic links kept as links, as sysfs has them) that a test or benchmark extends file by file and
// gives its own mount table.
class VolumeTree {
public:
    explicit VolumeTree(const QString& fixture = QString())
    {
        if (!fixture.isEmpty())
            copy(QStringLiteral(KESTRION_FIXTURES "/Platform/volumes/") + fixture);
    }

    QString root() const { return m_dir.path(); }
    bool isValid() const { return m_dir.isValid() && m_ok; }

    void write(const QString& relative, const QByteArray& contents)
    {
        const QString file = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(file).path());
        QFile::remove(file);
        QFile out(file);
        m_ok = out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(contents) == contents.size() && m_ok;
    }

    // A symbolic link at `relative` whose text is `target` (relative to the link's folder, as sysfs).
    void link(const QString& relative, const QString& target)
    {
        const QString file = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(file).path());
        QFile::remove(file);
        m_ok = ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(file).constData()) == 0 && m_ok;
    }

    void mountTable(const QByteArray& text) { write(QStringLiteral("proc/self/mountinfo"), text); }

private:
    void copy(const QString& source)
    {
        if (!QFileInfo(source).isDir()) {
            m_ok = false;
            return;
        }
        QDirIterator it(source, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString relative = QDir(source).relativeFilePath(from);
            const QFileInfo info = it.fileInfo();
            if (info.isSymLink()) {
                char target[4096];
                const ssize_t n = ::readlink(QFile::encodeName(from).constData(), target, sizeof target - 1);
                if (n > 0)
                    link(relative, QString::fromLocal8Bit(target, n));
            } else if (info.isDir()) {
                QDir().mkpath(m_dir.filePath(relative));
            } else {
                QFile in(from);
                if (in.open(QIODevice::ReadOnly))
                    write(relative, in.readAll());
            }
        }
    }

    QTemporaryDir m_dir;
    bool m_ok = true;
};

// The fixture machine plus a device-mapper volume over nvme0n1p3, a USB stick (sdc, 5 Gbit/s) and an
// SD card.
class StackedTree : public VolumeTree {
public:
    StackedTree() : VolumeTree(QStringLiteral("nvme-sata"))
    {
        const QString dm = QStringLiteral("sys/devices/virtual/block/dm-0");
        write(dm + "/dev", "253:0\n");
        write(dm + "/stat", "1 0 8 0 2 0 16 0 0 0 0\n");
        write(dm + "/removable", "0\n");
        link(dm + "/slaves/nvme0n1p3",
             "../../../../pci0000:00/0000:00:01.0/0000:01:00.0/nvme/nvme0/nvme0n1/nvme0n1p3");
        link(QStringLiteral("sys/block/dm-0"), "../devices/virtual/block/dm-0");
        link(QStringLiteral("sys/dev/block/253:0"), "../../devices/virtual/block/dm-0");

        const QString scsi = QStringLiteral("sys/devices/pci0000:00/0000:00:14.0/usb2/2-1") + "/2-1:1.0/host6/target6:0:0/6:0:0:0";
        write(QStringLiteral("sys/devices/pci0000:00/0000:00:14.0/usb2/2-1") + "/speed", "5000\n");
        write(scsi + "/model", "Flash Disk      \n");
        write(scsi + "/vendor", "Generic \n");
        write(scsi + "/block/sdc/dev", "8:32\n");
        write(scsi + "/block/sdc/stat", "10 0 20 0 30 0 40 0\n");
        write(scsi + "/block/sdc/removable", "1\n");
        write(scsi + "/block/sdc/sdc1/partition", "1\n");
        write(scsi + "/block/sdc/sdc1/dev", "8:33\n");
        link(scsi + "/block/sdc/device", "../../../6:0:0:0");
        link(QStringLiteral("sys/block/sdc"), "../devices/pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdc");
        link(QStringLiteral("sys/dev/block/8:33"), "../../devices/pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdc/sdc1");

        const QString mmc = QStringLiteral("sys/devices/platform/mmc/mmc0:0001/block/mmcblk0");
        write(mmc + "/dev", "179:0\n");
        write(mmc + "/stat", "1 0 2 0 3 0 4 0\n");
        write(mmc + "/removable", "0\n");
        write(mmc + "/mmcblk0p1/partition", "1\n");
        write(mmc.section('/', 0, -2) + "/mmcblk0boot0/stat", "9 0 9 0 9 0 9 0\n");
        write(mmc.section('/', 0, -2) + "/mmcblk0boot0/dev", "179:8\n");
        link(QStringLiteral("sys/block/mmcblk0"), "../devices/platform/mmc/mmc0:0001/block/mmcblk0");
        link(QStringLiteral("sys/block/mmcblk0boot0"), "../devices/platform/mmc/mmc0:0001/block/mmcblk0boot0");
        write(QStringLiteral("sys/block/loop0/size"), "0\n");
        link(QStringLiteral("sys/dev/block/179:0"), "../../devices/platform/mmc/mmc0:0001/block/mmcblk0");
        link(QStringLiteral("sys/dev/block/8:32"), "../../devices/pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdc");
    }
};
