#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace Platform {

// The system's naming facts: the user-visible computer name.
// The computer name is the pretty host name of org.freedesktop.hostname1 (system bus, asked
// asynchronously), else PRETTY_HOSTNAME of /etc/machine-info, else the host name.
class DynamicStore : public QObject {
    Q_OBJECT
public:
    // `root` holds etc/machine-info and proc/sys/kernel/hostname; `bus` is where hostname1 is asked
    // (none: never asked).
    explicit DynamicStore(QString root = QStringLiteral("/"), std::optional<QDBusConnection> bus = std::nullopt,
                          QObject* parent = nullptr);

    // The bus's answer when one has come, else the file's name, else the host name; "" when none is known.
    QString computerName() const;

    // Asks hostname1 for its pretty host name without waiting; computerNameChanged() follows the answer.
    void requestComputerName();

    // The primary IPv4 interface: the interface of the usable default route (destination and mask 0,
    // flag RTF_UP) with the lowest metric in proc/net/route, the first of equals in file order; none
    // without a default route.
    std::optional<QString> primaryInterface() const;
    // The same from the text of a route table.
    static std::optional<QString> primaryInterfaceInRoutes(std::string_view routes);

    // The store of this machine (root "/", the system bus), made and asked on first use.
    static DynamicStore& shared();

signals:
    void computerNameChanged();

private:
    QString readFile(const QString& relative) const;

    QString m_root;
    std::optional<QDBusConnection> m_bus;
    std::optional<QString> m_busName;
    mutable std::string m_routeBuffer;
};

} // namespace Platform
