#include "Platform/Files/RegularFile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace Platform {

std::optional<QByteArray> RegularFile::read(const QString& path, qint64 limit)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct ::stat info {};
    std::optional<QByteArray> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        QByteArray content;
        content.resize(qsizetype(std::min<qint64>(std::max<qint64>(info.st_size, 0), limit) + 1));
        qsizetype filled = 0;
        bool failed = false;
        while (filled < content.size()) {
            const ssize_t n = ::read(fd, content.data() + filled, std::size_t(content.size() - filled));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                failed = true;
                break;
            }
            if (n == 0)
                break;
            filled += qsizetype(n);
            // A file that grew while it was read: read on to the limit, and one byte past it.
            if (filled == content.size() && filled <= limit)
                content.resize(qsizetype(std::min<qint64>(qint64(content.size()) * 2, limit + 1)));
        }
        if (!failed) {
            content.truncate(filled);
            bytes = std::move(content);
        }
    }
    ::close(fd);
    return bytes;
}

} // namespace Platform
