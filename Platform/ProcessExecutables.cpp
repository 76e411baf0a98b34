#include "Platform/ProcessExecutables.h"

#include "Platform/ProcFile.h"

#include <limits>

#include <unistd.h>

namespace Platform {

std::optional<QString> ProcessExecutables::path(std::int64_t pid, const QString& root)
{
    if (pid <= 0 || pid > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    const QByteArray link = ProcFile::join(root, "proc").toLocal8Bit() + '/' + QByteArray::number(qlonglong(pid)) + "/exe";
    char target[4096];
    const ssize_t length = ::readlink(link.constData(), target, sizeof target);
    if (length <= 0 || std::size_t(length) >= sizeof target)
        return std::nullopt;
    QString path = QString::fromLocal8Bit(target, qsizetype(length));
    static const QString deleted = QStringLiteral(" (deleted)");
    if (path.endsWith(deleted) && path.size() > deleted.size())
        path.chop(deleted.size());
    if (!path.startsWith(QLatin1Char('/')))
        return std::nullopt; // "[...]"-style pseudo targets name no file
    return path;
}

} // namespace Platform
