#pragma once

// What the fuzz programs share: one input cut into the several files a reader reads, and a scratch
// tree below TMPDIR where readers that take a root folder find those files.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QSet>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace FuzzInput {

// Separates the parts of one input: the ASCII record separator, which no text file here holds.
inline constexpr char separator = '\x1e';

// The input cut at each separator into exactly `count` parts: the last part keeps the rest, missing
// parts are empty.
inline std::vector<QByteArray> parts(const std::uint8_t* data, std::size_t size, std::size_t count)
{
    std::vector<QByteArray> out;
    const QByteArray all(reinterpret_cast<const char*>(data), qsizetype(size));
    qsizetype from = 0;
    while (out.size() + 1 < count) {
        const qsizetype at = all.indexOf(separator, from);
        if (at < 0)
            break;
        out.push_back(all.mid(from, at - from));
        from = at + 1;
    }
    out.push_back(all.mid(from));
    out.resize(count);
    return out;
}

inline QByteArray bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A folder of this process below TMPDIR. A fuzz program may end without running destructors, so the
// folder is left behind: run.sh points TMPDIR at a folder of its own (in memory where it can) and
// removes that.
inline const QString& scratch()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/kestrion-fuzz-XXXXXX"));
    static const QString path = dir.path();
    return path;
}

// Writes `content` to `root`/`relative`, making the folders on the way.
inline void write(const QString& root, const QString& relative, const QByteArray& content)
{
    static QSet<QString> folders;
    const QString path = root + QLatin1Char('/') + relative;
    const QString folder = QFileInfo(path).path();
    if (!folders.contains(folder)) {
        QDir().mkpath(folder);
        folders.insert(folder);
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    for (qsizetype done = 0; done < content.size();) {
        const ssize_t n = ::write(fd, content.constData() + done, std::size_t(content.size() - done));
        if (n <= 0)
            break;
        done += n;
    }
    ::close(fd);
}

// A copy of a fixture tree (relative to tests/fixtures) in the scratch folder, made once; its path.
inline QString fixtureCopy(const char* fixture)
{
    const QString target = scratch() + QStringLiteral("/fixture/") + QLatin1String(fixture);
    if (!QFileInfo::exists(target)) {
        std::filesystem::create_directories(target.toStdString());
        std::filesystem::copy(std::string(KESTRION_FIXTURES) + '/' + fixture, target.toStdString(),
                              std::filesystem::copy_options::recursive | std::filesystem::copy_options::copy_symlinks);
    }
    return target;
}

} // namespace FuzzInput
