#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

namespace Platform {

// One line of the kernel's mount table (/proc/self/mountinfo): which device is mounted where, with
// which file system and options. Texts are decoded (the kernel writes a blank as \040, a tab as
// \011, a line break as \012 and a backslash as \134) and kept as kernel names (KernelName), so a
// mount point that is no UTF-8 still names its folder.
struct MountEntry {
    int mountId = 0;
    int parentId = 0;
    unsigned major = 0;
    unsigned minor = 0;
    QString root;           // the folder of the file system that is mounted ("/" unless a bind mount)
    QString mountPoint;     // where it is mounted
    QString options;        // per-mount options ("rw,relatime")
    QString fileSystemType; // "ext4", "vfat", "btrfs"
    QString source;         // "/dev/sda1", "tmpfs"
    QString superOptions;   // per-file-system options

    // The device number as "major:minor".
    QString deviceNumber() const { return QString::number(major) + QLatin1Char(':') + QString::number(minor); }
    // Backed by a block device: a real device number, or a source under /dev/ (btrfs and other file
    // systems give an anonymous device number).
    bool isBlockDevice() const;
    bool isReadOnly() const;
    // The value of a file-system option such as "subvol" ("subvol=/root"); none when absent.
    std::optional<QString> superOption(const QString& name) const;

    // The entries of a mount table, in file order. Lines that do not have the table's shape are
    // left out.
    static std::vector<MountEntry> parse(QByteArrayView text);
    // One field with the kernel's octal escapes decoded.
    static QString decode(QByteArrayView field);
};

} // namespace Platform
