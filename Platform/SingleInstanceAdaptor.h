#pragma once

#include <QObject>

namespace Platform {

// The object a running instance serves on the user bus; its one method forwards to a signal.
class SingleInstanceAdaptor : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.brannock.kestrion.Application")

public:
    using QObject::QObject;

public slots:
    Q_SCRIPTABLE void ShowMainWindow() { emit showMainWindowRequested(); }

signals:
    void showMainWindowRequested();
};

} // namespace Platform
