#pragma once

#include "SystemKit/Network/NetworkToolEnvironment.h"
#include "SystemKit/Network/TrafficProcess.h"

#include <QObject>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <utility>

namespace SystemKit {

// Per-process traffic: runs the per-process network statistics tool once per refresh and turns the
// growth of each process's received and sent byte totals since the previous listing into that
// process's download and upload figures (bytes per listing).
//
// The tool runs without blocking: `refresh` starts it and returns; when it has printed its listing
// the list is replaced, on the thread that called `refresh`, and `processesChanged` follows. A refresh
// while a listing still runs starts nothing; a listing still running after the time limit is killed
// and changes nothing.
class ProcessesController : public QObject {
    Q_OBJECT
    Q_PROPERTY(SystemKit::TrafficProcessList processes READ processes NOTIFY processesChanged)

public:
    // The command line the tool is run with.
    static const QString commandLine;

    explicit ProcessesController(QObject* parent = nullptr);
    ProcessesController(NetworkToolEnvironment environment, QObject* parent = nullptr);

    // The list of the last listing, in the tool's line order; empty before the first.
    const TrafficProcessList& processes() const { return m_processes; }

    // Sums over the list (0 for an empty list).
    std::uint64_t totalDownloadSpeed() const;
    std::uint64_t totalUploadSpeed() const;
    std::uint64_t totalSpeed() const { return totalDownloadSpeed() + totalUploadSpeed(); }

    // True while a listing runs.
    bool isRefreshing() const { return m_running; }

    // The tool's text to a new list: line 0 (the header) is skipped; a line is read when it has at
    // least three comma-separated fields: a process field, the received-bytes total and the
    // sent-bytes total, and the process's executable is found.
    TrafficProcessList parse(QStringView output) const;
    // A process field "<name>.<pid>" split at its last "." that only digits follow; none when there is
    // no such split or the identifier is above 2147483647 (no process can have it).
    static std::optional<std::pair<QString, std::uint32_t>> matchProcessField(QStringView field);
    // The speeds of `current` from the first process of `previous` with the same pid; 0 for a process
    // without one, and for a total that went down.
    static void merge(const TrafficProcessList& previous, const TrafficProcessList& current);

public slots:
    // Starts one listing, unless one still runs.
    void refresh();

signals:
    void processesChanged();

private:
    void apply(const std::optional<QString>& output);

    NetworkToolEnvironment m_environment;
    TrafficProcessList m_processes;
    bool m_running = false;
};

} // namespace SystemKit
