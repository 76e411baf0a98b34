#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QSocketNotifier;

namespace Platform {

// Change events of one file or folder, from an inotify instance of its own read on the event loop of
// the thread that made it. Events that are read together reach the handler in one call.
class FileEvents {
public:
    enum Kind : std::uint32_t {
        modified = 1u << 0,    // written to (a folder: an entry was written to)
        attributes = 1u << 1,  // permissions, times, owner, link count
        created = 1u << 2,     // an entry was made in, or moved into, the folder
        removed = 1u << 3,     // an entry was removed from, or moved out of, the folder
        selfRemoved = 1u << 4, // the watched item itself was removed or renamed
        closedWrite = 1u << 5, // a writer closed the file
        lost = 1u << 6,        // events were lost or the watch ended
    };
    static constexpr std::uint32_t everything = 0x7f;

    struct Event {
        std::uint32_t kinds = 0;
        QString name; // the entry of a watched folder the event is about; empty for the item itself
    };
    using Handler = std::function<void(const std::vector<Event>&)>;

    // One record of an inotify queue: its watch descriptor, its inotify mask and the name of the
    // folder's entry it is about (null when the record names none, as for the watched item itself).
    struct Record {
        int watch = -1;
        std::uint32_t mask = 0;
        QByteArray name;
    };
    // Reads every record the inotify descriptor `fd` holds now, in order, and hands each to `each`.
    static void readRecords(int fd, const std::function<void(const Record&)>& each);
    // The records of one read of an inotify descriptor, in order, each handed to `each`; the walk
    // stops at the last whole record.
    static void parseRecords(QByteArrayView bytes, const std::function<void(const Record&)>& each);

    // Starts watching `path` for the kinds in `mask`; none when it cannot be watched (nothing there, no
    // permission, no inotify left).
    static std::unique_ptr<FileEvents> watch(const QString& path, std::uint32_t mask, Handler handler);

    ~FileEvents();
    FileEvents(const FileEvents&) = delete;
    FileEvents& operator=(const FileEvents&) = delete;

    // Reads what the queue holds now and calls the handler for it (it also runs from the event loop).
    void drain();

private:
    FileEvents(int fd, Handler handler);

    int m_fd = -1;
    Handler m_handler;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace Platform
