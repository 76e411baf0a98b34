#include "SystemKit/Processor/ProcessTableReader.h"

#include "Platform/Time/QuitWait.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <utility>

namespace SystemKit {

// What the reader and its thread share. The thread holds it as long as it runs, so that nothing it
// touches goes before it.
struct ProcessTableReader::Shared {
    std::shared_ptr<Platform::ProcessTable> table;
    std::function<std::int64_t()> monotonic;

    std::mutex mutex;
    std::condition_variable changed;
    // The buffer of the read asked for, until the thread takes it.
    std::optional<std::vector<Platform::ProcessRecord>> request;
    // Where results go; null once the reader is going, which ends the thread.
    ProcessTableReader* receiver = nullptr;
    bool ended = false;
};

ProcessTableReader::ProcessTableReader(std::shared_ptr<Platform::ProcessTable> table,
                                       std::function<std::int64_t()> monotonic, QObject* parent)
    : QObject(parent)
    , m_shared(std::make_shared<Shared>())
{
    m_shared->table = std::move(table);
    m_shared->monotonic = std::move(monotonic);
    m_shared->receiver = this;
    m_thread = std::thread(&ProcessTableReader::run, m_shared);
}

ProcessTableReader::~ProcessTableReader()
{
    std::unique_lock lock(m_shared->mutex);
    m_shared->receiver = nullptr;
    m_shared->request.reset();
    m_shared->changed.notify_all();
    const bool ended = m_shared->changed.wait_for(lock, Platform::quitWait, [this] { return m_shared->ended; });
    lock.unlock();
    // A read that hangs keeps its thread, and the thread what it reads, until it ends; the program
    // does not wait for it.
    if (ended)
        m_thread.join();
    else
        m_thread.detach();
}

bool ProcessTableReader::read(std::vector<Platform::ProcessRecord>& buffer, std::function<void(Result)> done)
{
    if (m_reading || !m_shared->table)
        return false;
    m_reading = true;
    m_done = std::move(done);
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->request = std::move(buffer);
    }
    buffer = {};
    m_shared->changed.notify_all();
    return true;
}

void ProcessTableReader::deliver(Result result)
{
    m_reading = false;
    // The call may start the next read, which sets a new `m_done`.
    const std::function<void(Result)> done = std::exchange(m_done, {});
    if (done)
        done(std::move(result));
}

void ProcessTableReader::run(const std::shared_ptr<Shared>& shared)
{
    std::unique_lock lock(shared->mutex);
    for (;;) {
        shared->changed.wait(lock, [&] { return !shared->receiver || shared->request; });
        if (!shared->receiver)
            break;
        Result result;
        result.records = std::move(*shared->request);
        shared->request.reset();
        lock.unlock();

        result.listed = shared->table->list(result.records, shared->monotonic);
        result.folders = std::int64_t(shared->table->listedCount());
        if (result.listed) {
            result.tree = ProcessTree::fromRecords(result.records);
            result.processes = result.tree->list();
        }

        lock.lock();
        ProcessTableReader* receiver = shared->receiver;
        if (!receiver)
            break;
        // Posted while the reader cannot go (it takes the lock first); should it go before the
        // event's turn, the event goes with it.
        QMetaObject::invokeMethod(
            receiver, [receiver, result = std::move(result)]() mutable { receiver->deliver(std::move(result)); },
            Qt::QueuedConnection);
    }
    shared->ended = true;
    shared->changed.notify_all();
}

} // namespace SystemKit
