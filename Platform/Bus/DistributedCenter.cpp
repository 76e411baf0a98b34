#include "Platform/Bus/DistributedCenter.h"

#include <QDBusMessage>
#include <QPointer>

namespace Platform {

namespace {

// One registration: receives the matching bus signals and hands them to the handler. It is a child
// of the observer, so it goes away with it, and the bus connection forgets it then.
class DistributedRelay : public QObject {
    Q_OBJECT
public:
    DistributedRelay(QObject* observer, QString name, DistributedCenter::Handler handler)
        : QObject(observer), m_name(std::move(name)), m_handler(std::move(handler))
    {
    }

    const QString& notificationName() const { return m_name; }
    void deactivate() { m_active = false; }

public slots:
    void posted(const QString& name, const QString& object)
    {
        // The bus already matched the name (and object); a late delivery after removal is dropped.
        if (m_active && m_handler)
            m_handler(name, object);
    }

private:
    QString m_name;
    DistributedCenter::Handler m_handler;
    bool m_active = true;
};

} // namespace

DistributedCenter::DistributedCenter(QDBusConnection bus) : m_bus(std::move(bus)) {}

DistributedCenter::~DistributedCenter() = default;

bool DistributedCenter::isConnected() const
{
    return m_bus.isConnected();
}

void DistributedCenter::post(const QString& name, const std::optional<QString>& object)
{
    if (!m_bus.isConnected())
        return;
    const QString objectText = object.value_or(QString());
    for (const KeptPost& kept : m_kept) {
        if (kept.name == name && kept.object == objectText) {
            m_bus.send(kept.signal);
            return;
        }
    }
    QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(path), QString::fromLatin1(interface),
                                                     QString::fromLatin1(member));
    signal << name << objectText;
    m_bus.send(signal);
    KeptPost post{name, objectText, std::move(signal)};
    if (m_kept.size() < keptPosts) {
        m_kept.push_back(std::move(post));
    } else {
        m_kept[m_nextKept] = std::move(post);
        m_nextKept = (m_nextKept + 1) % keptPosts;
    }
}

bool DistributedCenter::addObserver(QObject* observer, const QString& name, const std::optional<QString>& object,
                                    Handler handler)
{
    if (!observer || !m_bus.isConnected())
        return false;
    QStringList match{name};
    if (object)
        match << *object;
    auto* relay = new DistributedRelay(observer, name, std::move(handler));
    const bool connected = m_bus.connect(QString(), QString::fromLatin1(path), QString::fromLatin1(interface),
                                         QString::fromLatin1(member), match, QStringLiteral("ss"), relay,
                                         SLOT(posted(QString, QString)));
    if (!connected) {
        delete relay;
        return false;
    }
    // The bus learns of the new match asynchronously; a round trip to it on the same connection makes
    // sure the match is in force when this returns, so that nothing posted afterwards is missed. The
    // wait is short: a bus that does not answer costs a missed early notification, not the window.
    m_bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                              QStringLiteral("/org/freedesktop/DBus"),
                                              QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId")),
               QDBus::Block, matchTimeoutMs);
    return true;
}

void DistributedCenter::removeObserver(QObject* observer, const QString& name)
{
    if (!observer)
        return;
    for (DistributedRelay* relay : observer->findChildren<DistributedRelay*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (relay->notificationName() != name)
            continue;
        relay->deactivate();
        // Deleting the relay drops its bus match; later, so that a handler may remove itself.
        relay->deleteLater();
    }
}

DistributedCenter& DistributedCenter::defaultCenter()
{
    static DistributedCenter center(QDBusConnection::sessionBus());
    return center;
}

} // namespace Platform

#include "DistributedCenter.moc"
