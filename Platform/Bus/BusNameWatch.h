#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <optional>

class QDBusServiceWatcher;

namespace Platform {

// Whether a session-bus name has an owner (a running application that owns its identifier), kept up
// to date from the bus's owner-change signals, so that asking costs nothing and never waits on the
// bus. Until the first answer arrives the state is unknown; a bus that never answers leaves it so.
// Without a bus the name has no owner.
class BusNameWatch : public QObject
{
    Q_OBJECT

public:
    BusNameWatch(const QString& name, const QDBusConnection& bus, QObject* parent = nullptr);

    const QString& name() const { return m_name; }
    // None until the bus answered the first question.
    std::optional<bool> hasOwner() const { return m_owned; }

signals:
    void ownerChanged(bool owned);

private:
    void setOwned(bool owned);

    QString m_name;
    QDBusConnection m_bus;
    QDBusServiceWatcher* m_watcher = nullptr;
    std::optional<bool> m_owned;
};

} // namespace Platform
