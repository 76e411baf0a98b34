#pragma once

#include "Platform/Netlink/NetworkPath.h"

#include <QObject>

namespace Platform {

// A stream of network paths: after `start` the current path, then a new one after every change of
// the links or routes, until `cancel` or a failure of the source ends the stream with `finished`.
class PathMonitor : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts the stream; a second call does nothing. The first path comes from the event loop.
    virtual void start() = 0;
    // Ends the stream: no path follows, `finished` comes once (also when it never started).
    virtual void cancel() = 0;

signals:
    void pathUpdated(const Platform::NetworkPath& path);
    void finished();
};

} // namespace Platform
