#include "Platform/Files/FolderWatch.h"

#include "Platform/Files/FileEvents.h"

#include <QAbstractEventDispatcher>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>

#include <sys/inotify.h>
#include <unistd.h>

namespace Platform {

namespace {

// Writes count once the writer closes the file, so that a reader does not decode half a file; a file
// replaced by rename arrives as moved in, a new file made complete and then linked in (as QSaveFile
// does) as created. Writes themselves only tell that a writer is at work. The folder itself going away
// ends its watch.
constexpr std::uint32_t kChanges = IN_CREATE | IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE;
constexpr std::uint32_t kWriting = IN_MODIFY;
constexpr std::uint32_t kMask = kChanges | kWriting | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

} // namespace

FolderWatch& FolderWatch::shared()
{
    static FolderWatch* watch = new FolderWatch;
    return *watch;
}

FolderWatch::FolderWatch(QObject* parent)
    : QObject(parent)
    , m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
{
    listen();
}

void FolderWatch::listen()
{
    // Without an event loop (command-line tools, or before the application object exists) changes are
    // still seen by the next read; the queue is listened to once there is a loop.
    if (m_notifier || m_fd < 0 || !QAbstractEventDispatcher::instance(thread()) || QThread::currentThread() != thread())
        return;
    m_notifier = new QSocketNotifier(qintptr(m_fd), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { drain(); });
}

FolderWatch::~FolderWatch()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

int FolderWatch::add(const QString& folder, const QString& fileName)
{
    if (m_fd < 0)
        return 0;
    listen();
    Entry entry;
    entry.folder = QFile::encodeName(folder);
    entry.name = QFile::encodeName(fileName);
    // The same folder (also under another spelling) gives the same descriptor; it is counted, so the
    // folder stays watched until its last file is removed.
    entry.descriptor = ::inotify_add_watch(m_fd, entry.folder.constData(), kMask);
    if (entry.descriptor < 0)
        return 0;
    ++m_folders[entry.descriptor];
    const int id = m_nextId++;
    m_entries.emplace(id, std::move(entry));
    return id;
}

void FolderWatch::remove(int id)
{
    auto it = m_entries.find(id);
    if (it == m_entries.end())
        return;
    const int descriptor = it->second.descriptor;
    m_entries.erase(it);
    m_pending.erase(id);
    if (descriptor < 0)
        return;
    auto folder = m_folders.find(descriptor);
    if (folder != m_folders.end() && --folder->second <= 0) {
        ::inotify_rm_watch(m_fd, descriptor);
        m_folders.erase(folder);
    }
}

bool FolderWatch::takeChanged(int id)
{
    if (m_fd < 0)
        return true;
    drain();
    auto it = m_entries.find(id);
    if (it == m_entries.end())
        return true;
    Entry& entry = it->second;
    if (entry.descriptor < 0) {
        rewatch(entry);
        if (entry.descriptor < 0)
            return true; // unwatched: every question is answered by looking
    }
    const bool dirty = entry.dirty;
    entry.dirty = false;
    return dirty;
}

bool FolderWatch::mayBeWriting(int id)
{
    if (m_fd < 0)
        return false;
    drain();
    auto it = m_entries.find(id);
    return it != m_entries.end() && it->second.writing;
}

void FolderWatch::drain()
{
    FileEvents::readRecords(m_fd, [this](const FileEvents::Record& event) {
        if (event.mask & IN_Q_OVERFLOW) {
            // Events were lost: any file may have changed.
            for (auto& [entryId, entry] : m_entries) {
                entry.dirty = true;
                m_pending.insert(entryId);
            }
            return;
        }
        if (event.mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF)) {
            markFolder(event.watch);
            return;
        }
        if (event.name.isNull())
            return;
        for (auto& [entryId, entry] : m_entries) {
            if (entry.descriptor != event.watch || entry.name != event.name)
                continue;
            entry.writing = (event.mask & kWriting) != 0;
            if (event.mask & kChanges) {
                entry.dirty = true;
                m_pending.insert(entryId);
            }
        }
    });
    if (!m_pending.empty())
        scheduleNotify();
}

void FolderWatch::markFolder(int descriptor)
{
    // The folder was removed or moved: its watch ends (or is ended here, for a move, since the path no
    // longer leads to it). Its files count as changed and are watched again by path when next asked.
    auto folder = m_folders.find(descriptor);
    if (folder == m_folders.end())
        return;
    ::inotify_rm_watch(m_fd, descriptor);
    m_folders.erase(folder);
    for (auto& [entryId, entry] : m_entries) {
        if (entry.descriptor == descriptor) {
            entry.descriptor = -1;
            entry.dirty = true;
            m_pending.insert(entryId);
        }
    }
}

void FolderWatch::rewatch(Entry& entry)
{
    entry.descriptor = ::inotify_add_watch(m_fd, entry.folder.constData(), kMask);
    if (entry.descriptor < 0)
        return;
    ++m_folders[entry.descriptor];
    entry.dirty = true; // whatever happened while unwatched
}

void FolderWatch::scheduleNotify()
{
    if (m_notifyScheduled || !QAbstractEventDispatcher::instance(thread()))
        return;
    m_notifyScheduled = true;
    QMetaObject::invokeMethod(this, &FolderWatch::notifyPending, Qt::QueuedConnection);
}

void FolderWatch::notifyPending()
{
    std::set<int> ids;
    ids.swap(m_pending);
    m_notifyScheduled = false;
    for (int id : ids)
        emit changed(id);
}

} // namespace Platform
