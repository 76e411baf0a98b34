#include "SystemKit/Processor/ProcessTableReader.h"

#include <QCoreApplication>

namespace SystemKit {

ProcessTableReader::ProcessTableReader(std::shared_ptr<Platform::ProcessTable> table,
                                       std::function<std::int64_t()> monotonic, QObject* parent)
    : QObject(parent)
    , m_table(std::move(table))
    , m_monotonic(std::move(monotonic))
{
    m_thread.setObjectName(QStringLiteral("process table"));
    m_worker = new QObject;
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start(QThread::LowPriority);
}

ProcessTableReader::~ProcessTableReader()
{
    // A read under way ends first; its result goes nowhere.
    m_thread.quit();
    m_thread.wait();
}

bool ProcessTableReader::read(std::vector<Platform::ProcessRecord> buffer, std::function<void(Result)> done)
{
    if (m_reading || !m_table)
        return false;
    m_reading = true;
    QPointer<ProcessTableReader> self(this);
    auto table = m_table;
    auto monotonic = m_monotonic;
    QMetaObject::invokeMethod(
        m_worker,
        [self, table, monotonic, buffer = std::move(buffer), done = std::move(done)]() mutable {
            Result result;
            result.records = std::move(buffer);
            result.listed = table->list(result.records);
            result.folders = std::int64_t(table->listedCount());
            result.monotonicNanoseconds = monotonic ? monotonic() : 0;
            if (result.listed) {
                result.tree = ProcessTree::fromRecords(result.records, result.coveredScans);
                result.processes = result.tree->list();
            }
            // Back on the main thread; `self` is only looked at there.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self, result = std::move(result), done = std::move(done)]() mutable {
                    if (!self)
                        return;
                    self->m_reading = false;
                    done(std::move(result));
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    return true;
}

} // namespace SystemKit
