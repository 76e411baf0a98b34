#include "Platform/Bus/UDisks2Ejector.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QTimer>

namespace Platform {

namespace {
const QString kService = QStringLiteral("org.freedesktop.UDisks2");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr int kTimeoutMs = 120000; // flushing a slow stick can take long; the caller does not wait

QVariantMap noOptions()
{
    return {};
}
} // namespace

UDisks2Ejector::UDisks2Ejector(QObject* parent) : QObject(parent) {}

UDisks2Ejector::UDisks2Ejector(const QDBusConnection& bus, QObject* parent) : QObject(parent), m_bus(bus) {}

const QDBusConnection& UDisks2Ejector::bus()
{
    if (!m_bus)
        m_bus = QDBusConnection::systemBus();
    return *m_bus;
}

QString UDisks2Ejector::notSupportedError()
{
    return QStringLiteral("Ejecting is not supported on this system (no disk service).");
}

QString UDisks2Ejector::notRemovableError()
{
    return QStringLiteral("This volume is not on a removable disk.");
}

QString UDisks2Ejector::blockObjectPath(const QString& device)
{
    QString escaped;
    for (const char c : device.toUtf8()) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            escaped += QLatin1Char(c);
        else
            escaped += QStringLiteral("_%1").arg(uchar(c), 2, 16, QLatin1Char('0'));
    }
    return QStringLiteral("/org/freedesktop/UDisks2/block_devices/") + escaped;
}

void UDisks2Ejector::finish(const Done& done, const QString& error)
{
    if (done)
        done(error);
}

void UDisks2Ejector::send(const QDBusMessage& call, const Done& done, Reply reply)
{
    auto* watcher = new QDBusPendingCallWatcher(bus().asyncCall(call, kTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, done, reply = std::move(reply)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusMessage answer = finished->reply();
                if (answer.type() == QDBusMessage::ErrorMessage) {
                    const QString name = answer.errorName();
                    const bool missing = name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")
                                         || name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")
                                         || name == QLatin1String("org.freedesktop.DBus.Error.Disconnected");
                    finish(done, missing ? notSupportedError()
                                         : (answer.errorMessage().isEmpty() ? name : answer.errorMessage()));
                    return;
                }
                reply(answer);
            });
}

void UDisks2Ejector::unmountAndEject(const QString& device, bool removable, Done done)
{
    QString refusal;
    if (!removable)
        refusal = notRemovableError();
    else if (device.isEmpty() || !bus().isConnected())
        refusal = notSupportedError();
    if (!refusal.isEmpty()) {
        // The outcome never arrives within the call.
        QTimer::singleShot(0, this, [this, done, refusal] { finish(done, refusal); });
        return;
    }
    const QString block = blockObjectPath(device);
    QDBusMessage unmount = QDBusMessage::createMethodCall(kService, block,
                                                          QStringLiteral("org.freedesktop.UDisks2.Filesystem"),
                                                          QStringLiteral("Unmount"));
    unmount << noOptions();
    send(unmount, done, [this, block, done](const QDBusMessage&) {
        QDBusMessage get = QDBusMessage::createMethodCall(kService, block, kProperties, QStringLiteral("Get"));
        get << QStringLiteral("org.freedesktop.UDisks2.Block") << QStringLiteral("Drive");
        send(get, done, [this, done](const QDBusMessage& answer) {
            const QVariant value = answer.arguments().value(0).value<QDBusVariant>().variant();
            const QString drive = value.value<QDBusObjectPath>().path();
            // Unmounted, and no drive to eject (a loop device, say): done.
            if (drive.isEmpty() || drive == QLatin1String("/"))
                finish(done, QString());
            else
                ejectDrive(drive, done);
        });
    });
}

void UDisks2Ejector::ejectDrive(const QString& drivePath, const Done& done)
{
    QDBusMessage getAll = QDBusMessage::createMethodCall(kService, drivePath, kProperties, QStringLiteral("GetAll"));
    getAll << QStringLiteral("org.freedesktop.UDisks2.Drive");
    send(getAll, done, [this, drivePath, done](const QDBusMessage& answer) {
        QVariantMap properties;
        const QVariant first = answer.arguments().value(0);
        if (first.canConvert<QDBusArgument>())
            first.value<QDBusArgument>() >> properties;
        else
            properties = first.toMap();
        QString method;
        if (properties.value(QStringLiteral("Ejectable")).toBool())
            method = QStringLiteral("Eject");
        else if (properties.value(QStringLiteral("CanPowerOff")).toBool())
            method = QStringLiteral("PowerOff");
        if (method.isEmpty()) {
            finish(done, QString());
            return;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(kService, drivePath,
                                                           QStringLiteral("org.freedesktop.UDisks2.Drive"), method);
        call << noOptions();
        send(call, done, [this, done](const QDBusMessage&) { finish(done, QString()); });
    });
}

} // namespace Platform
