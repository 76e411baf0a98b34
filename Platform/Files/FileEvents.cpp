#include "Platform/Files/FileEvents.h"

#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <climits>
#include <cstring>

#include <sys/inotify.h>
#include <unistd.h>

namespace Platform {

namespace {

std::uint32_t inotifyMask(std::uint32_t kinds)
{
    std::uint32_t mask = 0;
    if (kinds & FileEvents::modified)
        mask |= IN_MODIFY;
    if (kinds & FileEvents::attributes)
        mask |= IN_ATTRIB;
    if (kinds & FileEvents::created)
        mask |= IN_CREATE | IN_MOVED_TO;
    if (kinds & FileEvents::removed)
        mask |= IN_DELETE | IN_MOVED_FROM;
    if (kinds & FileEvents::selfRemoved)
        mask |= IN_DELETE_SELF | IN_MOVE_SELF;
    if (kinds & FileEvents::closedWrite)
        mask |= IN_CLOSE_WRITE;
    return mask;
}

std::uint32_t kindsOf(std::uint32_t mask)
{
    std::uint32_t kinds = 0;
    if (mask & IN_MODIFY)
        kinds |= FileEvents::modified;
    if (mask & IN_ATTRIB)
        kinds |= FileEvents::attributes;
    if (mask & (IN_CREATE | IN_MOVED_TO))
        kinds |= FileEvents::created;
    if (mask & (IN_DELETE | IN_MOVED_FROM))
        kinds |= FileEvents::removed;
    if (mask & (IN_DELETE_SELF | IN_MOVE_SELF))
        kinds |= FileEvents::selfRemoved;
    if (mask & IN_CLOSE_WRITE)
        kinds |= FileEvents::closedWrite;
    if (mask & (IN_Q_OVERFLOW | IN_IGNORED | IN_UNMOUNT))
        kinds |= FileEvents::lost;
    return kinds;
}

} // namespace

std::unique_ptr<FileEvents> FileEvents::watch(const QString& path, std::uint32_t mask, Handler handler)
{
    if (path.isEmpty() || inotifyMask(mask) == 0)
        return nullptr;
    const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0)
        return nullptr;
    if (::inotify_add_watch(fd, QFile::encodeName(path).constData(), inotifyMask(mask)) < 0) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<FileEvents>(new FileEvents(fd, std::move(handler)));
}

FileEvents::FileEvents(int fd, Handler handler)
    : m_fd(fd)
    , m_handler(std::move(handler))
    , m_notifier(std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read))
{
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] { drain(); });
}

FileEvents::~FileEvents()
{
    m_notifier.reset();
    if (m_fd >= 0)
        ::close(m_fd);
}

void FileEvents::parseRecords(QByteArrayView bytes, const std::function<void(const Record&)>& each)
{
    constexpr qsizetype header = qsizetype(sizeof(inotify_event));
    qsizetype offset = 0;
    while (bytes.size() - offset >= header) {
        inotify_event event;
        std::memcpy(&event, bytes.data() + offset, sizeof event);
        // A record whose name would run past the bytes read is no whole record: nothing after it is
        // either.
        if (qsizetype(event.len) > bytes.size() - offset - header)
            break;
        const char* name = bytes.data() + offset + header;
        offset += header + qsizetype(event.len);
        Record record;
        record.watch = event.wd;
        record.mask = event.mask;
        // The name is padded with NULs to the record's length.
        if (event.len > 0)
            record.name = QByteArray(name, qsizetype(::strnlen(name, event.len)));
        each(record);
    }
}

void FileEvents::readRecords(int fd, const std::function<void(const Record&)>& each)
{
    alignas(inotify_event) char buffer[16 * (sizeof(inotify_event) + NAME_MAX + 1)];
    for (;;) {
        const ssize_t length = ::read(fd, buffer, sizeof buffer);
        if (length < 0 && errno == EINTR)
            continue;
        if (length <= 0)
            break;
        parseRecords(QByteArrayView(buffer, qsizetype(length)), each);
    }
}

void FileEvents::drain()
{
    std::vector<Event> events;
    readRecords(m_fd, [&events](const Record& record) {
        Event delivered;
        delivered.kinds = kindsOf(record.mask);
        if (!record.name.isNull())
            delivered.name = QFile::decodeName(record.name);
        if (delivered.kinds != 0)
            events.push_back(std::move(delivered));
    });
    if (!events.empty() && m_handler)
        m_handler(events);
}

} // namespace Platform
