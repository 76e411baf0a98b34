#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace Platform {

// One running instance per user. The first instance owns the user-bus name that is the application's
// identifier ("com.example.app") and serves the method "ShowMainWindow" of the interface
// "<identifier>.Application" at the object path made of the identifier ("/com/example/app"); a later
// start asks it to show its main window and then ends. Without a bus every start runs on its own.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString& identifier, const QDBusConnection& bus = QDBusConnection::sessionBus(),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // How long claiming waits for the bus's answer, at most.
    static constexpr int claimTimeoutMs = 250;

    // Takes the name and serves the method. True when this process is the one instance, also when
    // there is no bus to ask or it does not answer in time; false when another process owns the name.
    bool claim();
    // Asks the instance that owns the name to show its main window (blocking, at most `timeoutMs`).
    // True when it answered.
    bool activateRunning(int timeoutMs = 2000);

    bool isPrimary() const { return m_primary; }
    const QString& serviceName() const { return m_serviceName; }
    // "/com/example/app" for "com.example.app"; characters a path may not hold become "_".
    const QString& objectPath() const { return m_objectPath; }
    // "com.example.app.Application".
    const QString& interfaceName() const { return m_interfaceName; }

signals:
    // Another start asked this instance to show its main window.
    void showMainWindowRequested();

private:
    QDBusConnection m_bus;
    QString m_serviceName;
    QString m_objectPath;
    QString m_interfaceName;
    QObject* m_adaptor = nullptr;
    bool m_primary = false;
};

} // namespace Platform
