#pragma once

#include "BaseKit/Files/FileMonitorDelegate.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

namespace Platform {
class FileEvents;
}

namespace BaseKit {

// Follows a growing text file, as a tail that follows appended output: whenever the file grows, what
// was appended is read and handed to the delegate as text (UTF-8; bytes that are no valid UTF-8 are
// dropped, a character cut by the end of the file waits for its remaining bytes). Only what is
// appended after the monitor was made is delivered. When the file is cut short, or replaced by a new
// file under its name (log rotation), reading starts again at its beginning. Works on the event loop
// of the thread that made it; watches until destroyed.
class FileMonitor {
public:
    // None when the file cannot be opened for reading; `error` then holds the reason.
    static std::unique_ptr<FileMonitor> create(const QString& path, QString* error = nullptr);
    ~FileMonitor();

    // Held weakly.
    std::shared_ptr<FileMonitorDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(const std::shared_ptr<FileMonitorDelegate>& delegate) { m_delegate = delegate; }

private:
    explicit FileMonitor(QString path);
    void fileChanged();
    void readFromPosition();
    bool reopenIfReplaced();

    QString m_path;
    QFile m_file;
    qint64 m_position = 0;
    QByteArray m_pending; // the start of a character whose remaining bytes are still to come
    std::weak_ptr<FileMonitorDelegate> m_delegate;
    std::unique_ptr<Platform::FileEvents> m_events;
};

} // namespace BaseKit
