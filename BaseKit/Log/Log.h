#pragma once

#include "BaseKit/Dates/DateEnvironment.h"
#include "BaseKit/Log/LogCategory.h"
#include "BaseKit/Log/LogSeverity.h"

#include "Platform/System/SystemLog.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <set>

namespace BaseKit {

// The library's log: every message becomes a line "yyyy-MM-dd HH:mm:ss.SSS <message>" (local time)
// in "<identifier>.log" in the user's documents folder, written 64 lines at a time at the end of the
// file; info, error and fault messages also go to the system log under the identifier and the
// category. Lines logged before setup wait in the buffer, which keeps at most `bufferLimit` lines
// (the oldest are dropped). Lines logged after close are dropped. Any thread may log.
class Log {
public:
    static constexpr std::size_t bufferSize = 64;
    static constexpr std::size_t bufferLimit = 1024;

    static Log& shared();

    // Writes the system log's messages with `systemLog`: the system log itself unless a test watches
    // them. The lines' times are `dates`' now in its time zone.
    explicit Log(Platform::SystemLog::Writer systemLog = &Platform::SystemLog::write, DateEnvironment dates = {});
    ~Log();
    Log(const Log&) = delete;
    Log& operator=(const Log&) = delete;

    // Opens (making it when missing, never truncating) the log file of the application with this
    // identifier in `folder` (the documents folder when empty). Nothing without an identifier.
    void setup(const QString& identifier, const QString& folder = QString());
    // Writes the buffered lines and closes the file; later lines are dropped.
    void close();

    void log(LogSeverity severity, LogCategory category, const QString& message);
    void info(LogCategory category, const QString& message) { log(LogSeverity::info, category, message); }
    void debug(LogCategory category, const QString& message) { log(LogSeverity::debug, category, message); }
    void trace(LogCategory category, const QString& message) { log(LogSeverity::trace, category, message); }
    void fault(LogCategory category, const QString& message) { log(LogSeverity::fault, category, message); }
    void error(LogCategory category, const QString& message) { log(LogSeverity::error, category, message); }

    // Whether messages of this category reach the system log (once set up with an identifier).
    bool logger(const QString& categoryRawValue);
    // Writes the buffered lines when the file is open.
    void flush();

    std::optional<QString> subsystem() const;
    void setSubsystem(std::optional<QString> subsystem);
    // The open log file's path; empty before setup.
    QString filePath() const;
    std::size_t bufferedLineCount() const;

private:
    void flushLocked();

    mutable std::mutex m_mutex;
    std::set<QString> m_loggers;
    std::unique_ptr<QFile> m_file;
    std::deque<QString> m_buffer;
    std::optional<QString> m_subsystem;
    Platform::SystemLog::Writer m_systemLog;
    const DateEnvironment m_dates;
    bool m_closed = false;
};

} // namespace BaseKit
