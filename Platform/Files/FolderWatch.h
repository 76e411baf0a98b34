#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <map>
#include <set>

class QSocketNotifier;

namespace Platform {

// Tells whether a file may have changed, for every file the process asks about, through one inotify
// instance on the files' folders (the user may hold only a few such instances, shared by all programs).
// A file counts as changed when it was made, written and closed, moved in or out of its folder, or
// removed; writes into an existing file count only once the writer closes it. When events were lost
// (queue overflow, folder removed) every file of that folder counts as changed.
//
// Reads are cheap: `takeChanged` costs one non-blocking read of the event queue when nothing happened.
// Main thread only: the callers (the settings stores) and the event loop that reads the queue and emits
// `changed` all run there, so nothing here is locked.
class FolderWatch : public QObject {
    Q_OBJECT
public:
    // The process's watch, made on first use.
    static FolderWatch& shared();

    explicit FolderWatch(QObject* parent = nullptr);
    ~FolderWatch() override;
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // Watches `fileName` in `folder` (which must exist). Returns the watch's id, or 0 when the folder
    // cannot be watched (no inotify, too many watches); then every question is the caller's to answer.
    int add(const QString& folder, const QString& fileName);
    void remove(int id);

    // Whether the file of `id` may have changed since the last call for that id (true for an unknown
    // id). Reads what the queue holds first, so a write another process finished before this call is
    // always seen.
    bool takeChanged(int id);
    // Whether a writer wrote into the file of `id` and has not closed it since, as far as the events
    // tell: what the file holds now may be half of what it will hold.
    bool mayBeWriting(int id);

signals:
    // The file of `id` may have changed; emitted from the event loop, never from within takeChanged.
    void changed(int id);

private:
    struct Entry {
        int descriptor = -1;
        QByteArray folder;
        QByteArray name;
        bool dirty = false;
        bool writing = false;
    };

    // Listens to the queue from the event loop, once there is one.
    void listen();
    // Reads the queue and marks the entries it names.
    void drain();
    void markFolder(int descriptor);
    void rewatch(Entry& entry);
    void scheduleNotify();
    void notifyPending();

    int m_fd = -1;
    int m_nextId = 1;
    QSocketNotifier* m_notifier = nullptr;
    std::map<int, Entry> m_entries;
    std::map<int, int> m_folders; // files watched through each folder's descriptor
    std::set<int> m_pending;
    bool m_notifyScheduled = false;
};

} // namespace Platform
