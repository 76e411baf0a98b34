#pragma once

#include <QObject>

namespace Platform {

// The object a running instance serves on the user bus, under the interface name the instance gives it;
// its one method forwards to a signal.
class SingleInstanceAdaptor : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

public slots:
    Q_SCRIPTABLE void ShowMainWindow() { emit showMainWindowRequested(); }

signals:
    void showMainWindowRequested();
};

} // namespace Platform
