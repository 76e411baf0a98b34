#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

struct ifaddrs;

namespace Platform {

// One entry of the kernel's interface address list: a link-level entry (with the interface's byte
// counters) or an address entry (IPv4, IPv6) of one interface.
struct InterfaceEntry {
    QString name; // a kernel name (KernelName): it gives the interface's bytes back
    std::uint32_t flags = 0;  // IFF_UP = 0x1, IFF_LOOPBACK = 0x8, ...
    int family = 0;           // linkFamily, AF_INET, AF_INET6 or another family
    bool hasLinkData = false; // a link-level entry with its counters
    std::uint32_t rxBytes = 0; // received bytes; 32 bits wide, wraps at 4 GiB
    std::uint32_t txBytes = 0; // sent bytes, the same
    QString address;          // address entries: the address as text
};

// What the system says about one network interface: its kind ("Ethernet", "IEEE80211" or none for
// every other kind), its hardware address and the name people know it by.
struct InterfaceFacts {
    QString bsdName;
    std::optional<QString> type;
    std::optional<QString> hardwareAddress;
    std::optional<QString> displayName;
};

// The machine's network interfaces: the interface address list with the link-level byte counters
// (getifaddrs), and the facts of every interface from sysfs below a root folder (tests pass a
// fixture tree) and the udev database.
class NetworkInterfaces {
public:
    // The family of link-level entries (AF_PACKET).
    static const int linkFamily;
    static const int inet4Family;
    static const int inet6Family;
    static constexpr std::uint32_t upFlag = 0x1;
    static constexpr std::uint32_t loopbackFlag = 0x8;

    static constexpr const char* ethernetType = "Ethernet";
    static constexpr const char* wifiType = "IEEE80211";

    explicit NetworkInterfaces(QString root = QStringLiteral("/"));
    virtual ~NetworkInterfaces();

    const QString& root() const { return m_root; }

    // Replaces `entries` by the interface address list in the kernel's order; false when the list
    // cannot be read (the entries are then empty).
    virtual bool list(std::vector<InterfaceEntry>& entries) const;

    // Every interface under sys/class/net, in name order, with its facts.
    virtual std::vector<InterfaceFacts> interfaces() const;
    // The facts of one interface; none when sys/class/net has no such interface.
    std::optional<InterfaceFacts> facts(const QString& bsdName) const;

    // The first address of that family (inet4Family or inet6Family) of the interface in the list,
    // in list order; none when it has none.
    static std::optional<QString> firstAddress(const std::vector<InterfaceEntry>& entries, const QString& bsdName,
                                               int family);

    // The text of a hardware address file ("00:19:d2:75:ae:ff") as bytes; none unless it holds hex
    // pairs separated by colons.
    static std::optional<QByteArray> hardwareAddressBytes(const QString& text);

    // The value of one property ("ID_MODEL_FROM_DATABASE") in the udev record of an interface.
    std::optional<QString> udevProperty(const QString& bsdName, const QString& key) const;

    // The text of a small file in the interface's sysfs folder ("address", "speed"), trimmed; none
    // when it cannot be read.
    std::optional<QString> attribute(const QString& bsdName, const QString& name) const;
    // Whether the interface's sysfs folder holds an entry of that name (a dangling link counts).
    bool hasEntry(const QString& bsdName, const QString& name) const;
    // The entries of sys/class/net in the order of their bytes, as kernel names (KernelName); none
    // without the folder.
    std::optional<QStringList> classNames() const;

protected:
    // The kernel's interface address list as getifaddrs(3) gives it (0 on success), and its release;
    // a test replaces both with a list it builds the way the C library does.
    virtual int addressList(ifaddrs** first) const;
    virtual void releaseAddressList(ifaddrs* first) const;

private:
    QString m_root;
};

} // namespace Platform
