#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace Platform {
class FileEvents;
}

namespace BaseKit {

// Calls a handler whenever anything happens to one folder (an entry made, written, removed or
// renamed, its attributes changed) or file, once for the events that arrive together, on the event
// loop of the thread that made it. Watches until destroyed.
class DirectoryObserver {
public:
    // None when the path cannot be watched (it does not exist or cannot be read).
    static std::unique_ptr<DirectoryObserver> create(const QString& path, std::function<void()> handler);
    ~DirectoryObserver();

private:
    DirectoryObserver() = default;
    std::unique_ptr<Platform::FileEvents> m_events;
};

} // namespace BaseKit
