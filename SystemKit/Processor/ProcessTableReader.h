#pragma once

#include "SystemKit/Processor/ProcessTree.h"

#include "Platform/Proc/ProcessTable.h"

#include <QObject>
#include <QPointer>
#include <QThread>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace SystemKit {

// Reads a process table on a thread of its own, so that the main thread never waits on /proc. One
// read runs at a time; while it runs the table belongs to the reader's thread, and nothing else may
// use it. The records come back on the thread that asked, in the reader's own turn of its event loop,
// with the processes already made from them, so that the asking thread only takes them over.
class ProcessTableReader : public QObject {
    Q_OBJECT

public:
    struct Result {
        bool listed = false;                  // whether /proc could be listed
        std::vector<Platform::ProcessRecord> records;
        std::int64_t folders = 0;             // the process folders the listing found
        std::int64_t monotonicNanoseconds = 0; // when the listing was done
        // Made from `records` when listed (see ProcessTree::fromRecords); no one else holds them yet.
        std::shared_ptr<ProcessTree> tree;
        std::vector<std::uint32_t> coveredScans;
        RunningProcessList processes;
    };

    // `monotonic` tells the time of a read; it is called on the reader's thread.
    ProcessTableReader(std::shared_ptr<Platform::ProcessTable> table, std::function<std::int64_t()> monotonic,
                       QObject* parent = nullptr);
    ~ProcessTableReader() override;

    // Starts a read and calls `done` with its result on this object's thread; false (and no call)
    // while a read runs. `buffer` is reused for the records.
    bool read(std::vector<Platform::ProcessRecord> buffer, std::function<void(Result)> done);
    bool isReading() const { return m_reading; }

private:
    std::shared_ptr<Platform::ProcessTable> m_table;
    std::function<std::int64_t()> m_monotonic;
    QThread m_thread;
    QObject* m_worker = nullptr; // lives on m_thread
    bool m_reading = false;
};

} // namespace SystemKit
