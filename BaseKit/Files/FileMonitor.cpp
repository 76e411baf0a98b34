#include "BaseKit/Files/FileMonitor.h"

#include "Platform/Files/FileEvents.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <sys/stat.h>

namespace BaseKit {

namespace {

// How many bytes at the end of `bytes` begin a UTF-8 character that is not complete yet.
qsizetype incompleteTail(const QByteArray& bytes)
{
    const qsizetype size = bytes.size();
    for (qsizetype back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte: look further back
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

bool sameFile(const QString& path, int descriptor)
{
    struct stat byPath {};
    struct stat byDescriptor {};
    if (::stat(QFile::encodeName(path).constData(), &byPath) != 0 || ::fstat(descriptor, &byDescriptor) != 0)
        return true; // nothing new at the path (yet): keep following the open file
    return byPath.st_dev == byDescriptor.st_dev && byPath.st_ino == byDescriptor.st_ino;
}

} // namespace

FileMonitor::FileMonitor(QString path)
    : m_path(std::move(path))
    , m_file(m_path)
{
}

FileMonitor::~FileMonitor() = default;

std::unique_ptr<FileMonitor> FileMonitor::create(const QString& path, QString* error)
{
    std::unique_ptr<FileMonitor> monitor(new FileMonitor(QFileInfo(path).absoluteFilePath()));
    if (path.isEmpty() || QFileInfo(path).isDir() || !monitor->m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = path.isEmpty() ? QStringLiteral("No file given") : monitor->m_file.errorString();
        return nullptr;
    }
    monitor->m_position = monitor->m_file.size();
    // The folder is watched rather than the file, so that a new file under the same name is seen.
    const QFileInfo info(monitor->m_path);
    FileMonitor* raw = monitor.get();
    const QString name = info.fileName();
    monitor->m_events = Platform::FileEvents::watch(
        info.absolutePath(), Platform::FileEvents::everything & ~Platform::FileEvents::selfRemoved,
        [raw, name](const std::vector<Platform::FileEvents::Event>& events) {
            for (const auto& event : events) {
                if (event.name == name) {
                    raw->fileChanged();
                    return;
                }
            }
        });
    if (!monitor->m_events) {
        if (error)
            *error = QStringLiteral("The folder of %1 cannot be watched").arg(path);
        return nullptr;
    }
    return monitor;
}

bool FileMonitor::reopenIfReplaced()
{
    if (sameFile(m_path, m_file.handle()))
        return false;
    QFile replacement(m_path);
    if (!replacement.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    m_file.close();
    m_file.setFileName(m_path);
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    m_position = 0;
    m_pending.clear();
    return true;
}

void FileMonitor::fileChanged()
{
    reopenIfReplaced();
    const qint64 size = m_file.size();
    if (size < m_position) {
        // Cut short: what is there now was written after the cut.
        m_position = 0;
        m_pending.clear();
    }
    if (size > m_position)
        readFromPosition();
}

void FileMonitor::readFromPosition()
{
    if (!m_file.seek(m_position))
        return;
    QByteArray bytes = m_pending + m_file.readAll();
    m_position = m_file.pos();
    const qsizetype tail = incompleteTail(bytes);
    m_pending = bytes.right(tail);
    bytes.chop(tail);
    if (bytes.isEmpty())
        return;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return;
    if (const auto delegate = m_delegate.lock())
        delegate->didReceive(text);
}

} // namespace BaseKit
