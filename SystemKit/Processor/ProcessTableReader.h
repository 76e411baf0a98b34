#pragma once

#include "SystemKit/Processor/ProcessTree.h"

#include "Platform/Proc/ProcessTable.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace SystemKit {

// Reads a process table on a thread of its own, so that the main thread never waits on /proc. One
// read runs at a time; while it runs the table belongs to the reader's thread, and nothing else may
// use it. The records come back on the thread that asked, in a turn of its event loop, with the
// processes already made from them, so that the asking thread only takes them over.
//
// A read may hang in /proc (a process in uninterruptible sleep holds what its files need): the
// reader never waits for one without a bound. The thread owns what it touches (the table, the clock
// and its own state, shared with the reader), so that the reader can go while a read hangs: it waits
// for the read at most Platform::quitWait and then leaves the thread to end on its own, the result
// going nowhere.
class ProcessTableReader : public QObject {
    Q_OBJECT

public:
    struct Result {
        bool listed = false;                  // whether /proc could be listed
        std::vector<Platform::ProcessRecord> records;
        std::int64_t folders = 0;             // the process folders the listing found
        // Made from `records` when listed (see ProcessTree::fromRecords); no one else holds them yet.
        std::shared_ptr<ProcessTree> tree;
        RunningProcessList processes;
    };

    // `monotonic` stamps each process's record as it is read; it is called on the reader's thread,
    // also after the reader went, so it must own what it reads.
    ProcessTableReader(std::shared_ptr<Platform::ProcessTable> table, std::function<std::int64_t()> monotonic,
                       QObject* parent = nullptr);
    ~ProcessTableReader() override;

    // Starts a read that takes `buffer` over for its records and calls `done` with its result on this
    // object's thread. While a read runs: false, no call, and `buffer` stays as it is.
    bool read(std::vector<Platform::ProcessRecord>& buffer, std::function<void(Result)> done);
    bool isReading() const { return m_reading; }

private:
    struct Shared;
    static void run(const std::shared_ptr<Shared>& shared);
    void deliver(Result result);

    std::shared_ptr<Shared> m_shared;
    std::thread m_thread;
    std::function<void(Result)> m_done;
    bool m_reading = false;
};

} // namespace SystemKit
