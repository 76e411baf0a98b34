#pragma once

#include <QString>

namespace BaseKit {

// Receives the text appended to a file that a FileMonitor follows.
class FileMonitorDelegate {
public:
    virtual ~FileMonitorDelegate() = default;
    virtual void didReceive(const QString& text) = 0;
};

} // namespace BaseKit
