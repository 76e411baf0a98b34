#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace Platform {

// One running instance per user. The first instance owns the user-bus name (default
// "com.brannock.kestrion") and serves the method "ShowMainWindow" of the interface
// "com.brannock.kestrion.Application" at "/com/brannock/kestrion"; a later start asks it to show its
// main window and then ends. Without a bus every start runs on its own.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* defaultServiceName = "com.brannock.kestrion";
    static constexpr const char* objectPath = "/com/brannock/kestrion";
    static constexpr const char* interfaceName = "com.brannock.kestrion.Application";

    explicit SingleInstance(const QDBusConnection& bus = QDBusConnection::sessionBus(),
                            const QString& serviceName = QString::fromLatin1(defaultServiceName),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the name and serves the method. True when this process is the one instance, also when
    // there is no bus to ask; false when another process owns the name.
    bool claim();
    // Asks the instance that owns the name to show its main window (blocking, at most `timeoutMs`).
    // True when it answered.
    bool activateRunning(int timeoutMs = 2000);

    bool isPrimary() const { return m_primary; }

signals:
    // Another start asked this instance to show its main window.
    void showMainWindowRequested();

private:
    QDBusConnection m_bus;
    QString m_serviceName;
    QObject* m_adaptor = nullptr;
    bool m_primary = false;
};

} // namespace Platform
