#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace Platform {

// Notifications that cross process boundaries, carried as signals on the session bus:
// object path "/com/brannock/DistributedNotifications", interface
// "com.brannock.DistributedNotifications", signal "Posted" with the arguments (s name, s object).
// A notification without object travels with an empty object text. Any process on the bus (the
// companion among them, or dbus-send) can post and observe. Observers are called on the main thread,
// in the order the bus delivers the signals.
//
// The bus is optional: without a connected bus, posting does nothing and observing registers nothing.
class DistributedCenter {
public:
    static constexpr const char* path = "/com/brannock/DistributedNotifications";
    static constexpr const char* interface = "com.brannock.DistributedNotifications";
    static constexpr const char* member = "Posted";
    // How long adding an observer waits for the bus to confirm the match, at most.
    static constexpr int matchTimeoutMs = 200;

    using Handler = std::function<void(const QString& name, const QString& object)>;

    explicit DistributedCenter(QDBusConnection bus);
    ~DistributedCenter();
    DistributedCenter(const DistributedCenter&) = delete;
    DistributedCenter& operator=(const DistributedCenter&) = delete;

    bool isConnected() const;

    // Sends one notification to every observer on the bus, this connection's own included.
    void post(const QString& name, const std::optional<QString>& object = std::nullopt);

    // Calls `handler` for every notification named `name` (and, with an object filter, whose object
    // text equals it) until removeObserver is called for (observer, name) or `observer` is destroyed.
    // Returns false when the bus refused the match or there is no bus.
    bool addObserver(QObject* observer, const QString& name, const std::optional<QString>& object,
                     Handler handler);
    // Removes every registration of `observer` for `name`, with or without object filter.
    void removeObserver(QObject* observer, const QString& name);

    // The centre on the session bus, made on first use. Tests make centres of their own on a private
    // bus.
    static DistributedCenter& defaultCenter();

private:
    QDBusConnection m_bus;
    // The signals posted last, kept to be sent again as they are: a sampler posts the same few
    // requests at every tick. Bounded: a centre that posts many names keeps the latest ones only.
    struct KeptPost {
        QString name;
        QString object;
        QDBusMessage signal;
    };
    static constexpr std::size_t keptPosts = 8;
    std::vector<KeptPost> m_kept;
    std::size_t m_nextKept = 0;
};

} // namespace Platform
