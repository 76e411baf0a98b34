#pragma once

#include "Platform/Volumes/DiskEjector.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>

#include <optional>

namespace Platform {

// Ejects through the UDisks2 service (org.freedesktop.UDisks2 on the system bus): unmounts the file
// system of the volume's block device, then ejects its drive when the drive is ejectable, else powers
// it off when it can be, all with asynchronous calls, so the caller never waits. Without the bus or
// the service the error says that ejecting is not supported; the file system is never unmounted
// directly. UDisks2's own rules (polkit) decide what the user may do.
class UDisks2Ejector : public QObject, public DiskEjector {
    Q_OBJECT

public:
    // Talks to the system bus, connected at the first eject (not when made, so that starting the
    // program never waits on the bus).
    explicit UDisks2Ejector(QObject* parent = nullptr);
    explicit UDisks2Ejector(const QDBusConnection& bus, QObject* parent = nullptr);

    void unmountAndEject(const QString& device, bool removable, Done done) override;

    // The object path of a block device ("sdb1" gives ".../block_devices/sdb1", "dm-0" ".../dm_2d0").
    static QString blockObjectPath(const QString& device);

    static QString notSupportedError();
    static QString notRemovableError();

private:
    using Reply = std::function<void(const QDBusMessage& reply)>;
    // Sends `call`; `reply` gets the answer, an error answer goes to `done` as its text.
    void send(const QDBusMessage& call, const Done& done, Reply reply);
    void ejectDrive(const QString& drivePath, const Done& done);
    void finish(const Done& done, const QString& error);

    const QDBusConnection& bus();

    std::optional<QDBusConnection> m_bus;
};

} // namespace Platform
