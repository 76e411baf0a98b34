#include "Platform/Sysfs/NetworkInterfaces.h"

#include "Platform/System/KernelName.h"
#include "Platform/Proc/ProcFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include <arpa/inet.h>
#include <dirent.h>
#include <ifaddrs.h>
#include <linux/if_link.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

namespace Platform {

const int NetworkInterfaces::linkFamily = AF_PACKET;
const int NetworkInterfaces::inet4Family = AF_INET;
const int NetworkInterfaces::inet6Family = AF_INET6;

namespace {
constexpr int etherHardwareType = 1;   // ARPHRD_ETHER
constexpr qint64 smallFileLimit = 64 * 1024;
} // namespace

NetworkInterfaces::NetworkInterfaces(QString root) : m_root(root.isEmpty() ? QStringLiteral("/") : std::move(root)) {}

NetworkInterfaces::~NetworkInterfaces() = default;

bool NetworkInterfaces::list(std::vector<InterfaceEntry>& entries) const
{
    entries.clear();
    ifaddrs* first = nullptr;
    if (addressList(&first) != 0)
        return false;
    for (const ifaddrs* it = first; it; it = it->ifa_next) {
        // Only an interface's link-level entry carries counters. Its address is the link-layer one,
        // which a device without hardware address (tun, WireGuard, PPP, raw IP) does not have: the
        // entry then comes without address and is still the interface's link-level entry.
        const bool link = it->ifa_data && (!it->ifa_addr || it->ifa_addr->sa_family == AF_PACKET);
        if (!it->ifa_name || (!it->ifa_addr && !link))
            continue;
        InterfaceEntry entry;
        entry.name = KernelName::decode(it->ifa_name);
        entry.flags = it->ifa_flags;
        entry.family = link ? AF_PACKET : it->ifa_addr->sa_family;
        if (link) {
            // The link-level entry carries the kernel's 32-bit counters, which wrap at 4 GiB.
            const auto* stats = static_cast<const rtnl_link_stats*>(it->ifa_data);
            entry.hasLinkData = true;
            entry.rxBytes = stats->rx_bytes;
            entry.txBytes = stats->tx_bytes;
        } else if (entry.family == AF_INET || entry.family == AF_INET6) {
            char text[INET6_ADDRSTRLEN] = {};
            const void* address = entry.family == AF_INET
                ? static_cast<const void*>(&reinterpret_cast<const sockaddr_in*>(it->ifa_addr)->sin_addr)
                : static_cast<const void*>(&reinterpret_cast<const sockaddr_in6*>(it->ifa_addr)->sin6_addr);
            if (::inet_ntop(entry.family, address, text, sizeof text))
                entry.address = QString::fromLatin1(text);
        }
        entries.push_back(std::move(entry));
    }
    releaseAddressList(first);
    return true;
}

int NetworkInterfaces::addressList(ifaddrs** first) const
{
    return ::getifaddrs(first);
}

void NetworkInterfaces::releaseAddressList(ifaddrs* first) const
{
    ::freeifaddrs(first);
}

std::optional<QString> NetworkInterfaces::firstAddress(const std::vector<InterfaceEntry>& entries,
                                                       const QString& bsdName, int family)
{
    for (const InterfaceEntry& entry : entries) {
        if (entry.family == family && entry.name == bsdName && !entry.address.isEmpty())
            return entry.address;
    }
    return std::nullopt;
}

std::optional<QString> NetworkInterfaces::attribute(const QString& bsdName, const QString& name) const
{
    if (bsdName.isEmpty() || bsdName.contains(QLatin1Char('/')))
        return std::nullopt;
    // Read with plain open and read: these small files are read for every interface in every sample.
    const QByteArray path = KernelName::encode(m_root.endsWith(QLatin1Char('/')) ? m_root : m_root + QLatin1Char('/'))
        + "sys/class/net/" + KernelName::encode(bsdName) + '/' + name.toUtf8();
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    char buffer[4096];
    qsizetype used = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer + used, sizeof buffer - size_t(used));
        if (n < 0) {
            ::close(fd);
            return std::nullopt; // EINVAL for the speed of an interface that is down
        }
        if (n == 0)
            break;
        used += n;
        if (used == qsizetype(sizeof buffer))
            break;
    }
    ::close(fd);
    return QString::fromUtf8(buffer, used).trimmed();
}

bool NetworkInterfaces::hasEntry(const QString& bsdName, const QString& name) const
{
    if (bsdName.isEmpty() || bsdName.contains(QLatin1Char('/')))
        return false;
    const QByteArray path = KernelName::encode(
        QDir(m_root).filePath(QStringLiteral("sys/class/net/") + bsdName + QLatin1Char('/') + name));
    struct stat info;
    return ::lstat(path.constData(), &info) == 0;
}

std::optional<QString> NetworkInterfaces::udevProperty(const QString& bsdName, const QString& key) const
{
    const auto index = attribute(bsdName, QStringLiteral("ifindex"));
    if (!index)
        return std::nullopt;
    bool ok = false;
    const int number = index->toInt(&ok);
    if (!ok || number <= 0)
        return std::nullopt;
    const QByteArray record = ProcFile::readFile(
        QDir(m_root).filePath(QStringLiteral("run/udev/data/n") + QString::number(number)), smallFileLimit);
    const QByteArray prefix = "E:" + key.toUtf8() + '=';
    for (const QByteArray& line : record.split('\n')) {
        if (line.startsWith(prefix)) {
            const QString value = QString::fromUtf8(line.mid(prefix.size())).trimmed();
            if (!value.isEmpty())
                return value;
        }
    }
    return std::nullopt;
}

std::optional<QByteArray> NetworkInterfaces::hardwareAddressBytes(const QString& text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char(':'));
    if (text.trimmed().isEmpty())
        return std::nullopt;
    QByteArray bytes;
    for (const QString& part : parts) {
        bool ok = false;
        const uint value = part.toUInt(&ok, 16);
        if (part.size() != 2 || !ok)
            return std::nullopt;
        bytes.append(char(value));
    }
    return bytes;
}

std::optional<InterfaceFacts> NetworkInterfaces::facts(const QString& bsdName) const
{
    if (!hasEntry(bsdName, QStringLiteral("type")))
        return std::nullopt;
    InterfaceFacts facts;
    facts.bsdName = bsdName;
    bool ok = false;
    const int hardwareType = attribute(bsdName, QStringLiteral("type")).value_or(QString()).toInt(&ok);
    const bool ether = ok && hardwareType == etherHardwareType;
    // A station interface of a wireless device has a link to its radio (phy80211) or, with the old
    // wireless extensions, a "wireless" folder; the radio's master device of old kernels (type 801)
    // and monitor interfaces (type 803) are no stations.
    if (ether && (hasEntry(bsdName, QStringLiteral("phy80211")) || hasEntry(bsdName, QStringLiteral("wireless"))))
        facts.type = QString::fromLatin1(wifiType);
    // Ethernet is an Ethernet-framed interface of a device; bridges, veth pairs, tunnels and the
    // loopback have no device.
    else if (ether && hasEntry(bsdName, QStringLiteral("device")))
        facts.type = QString::fromLatin1(ethernetType);
    if (const auto address = attribute(bsdName, QStringLiteral("address")); address && !address->isEmpty())
        facts.hardwareAddress = *address;
    facts.displayName = udevProperty(bsdName, QStringLiteral("ID_MODEL_FROM_DATABASE"));
    return facts;
}

std::optional<QStringList> NetworkInterfaces::classNames() const
{
    DIR* dir = ::opendir(KernelName::encode(QDir(m_root).filePath(QStringLiteral("sys/class/net"))).constData());
    if (!dir)
        return std::nullopt;
    // Read as bytes: a name that is no UTF-8 must still find its folder.
    std::vector<QByteArray> names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    QStringList result;
    for (const QByteArray& name : names)
        result.append(KernelName::decode(name));
    return result;
}

std::vector<InterfaceFacts> NetworkInterfaces::interfaces() const
{
    std::vector<InterfaceFacts> result;
    for (const QString& name : classNames().value_or(QStringList())) {
        if (auto one = facts(name))
            result.push_back(std::move(*one));
    }
    return result;
}

} // namespace Platform
