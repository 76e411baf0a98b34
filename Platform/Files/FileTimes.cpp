#include "Platform/Files/FileTimes.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

namespace Platform {

std::optional<FileTime> FileTimes::birth(const QString& path)
{
    struct statx info {};
    if (path.isEmpty() || ::statx(AT_FDCWD, QFile::encodeName(path).constData(), 0, STATX_BTIME, &info) != 0
        || !(info.stx_mask & STATX_BTIME))
        return std::nullopt;
    return FileTime{info.stx_btime.tv_sec, info.stx_btime.tv_nsec};
}

} // namespace Platform
