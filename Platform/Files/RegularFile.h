#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace Platform {

// Reads files a user or another program may have put anything at: settings, desktop entries, XDG
// configuration.
class RegularFile {
public:
    RegularFile() = delete;
    // The whole of a regular file, at most `limit` + 1 bytes of it (more than `limit` bytes means the
    // file is too large); none when the path holds no regular file or it cannot be read. The file is
    // opened without waiting: a named pipe or a device at the path would otherwise hold the caller in
    // open(2) or read(2). The buffer grows with what is read, not to `limit`.
    static std::optional<QByteArray> read(const QString& path, qint64 limit);
};

} // namespace Platform
