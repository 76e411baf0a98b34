#include "Platform/Netlink/NetlinkPathMonitor.h"

#include "Platform/System/KernelName.h"
#include "Platform/Proc/ProcFile.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <string>

#include <arpa/inet.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <net/if.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

namespace {

// Route lookups go to documentation addresses: the kernel answers with the route that traffic to
// any public address would take, and no packet is sent.
constexpr const char* publicIpv4 = "192.0.2.1";
constexpr const char* publicIpv6 = "2001:db8::1";

// A burst of link and route messages (a tunnel coming up sends dozens) is one change.
constexpr int settleMilliseconds = 100;

constexpr int arphrdEther = 1;
constexpr int arphrdLoopback = 772;

} // namespace

NetlinkPathMonitor::NetlinkPathMonitor(QString root, QObject* parent) : PathMonitor(parent), m_root(std::move(root))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, [this]() {
        if (!m_finished)
            emit pathUpdated(currentPath());
    });
}

NetlinkPathMonitor::~NetlinkPathMonitor()
{
    delete m_notifier;
    if (m_socket >= 0)
        ::close(m_socket);
}

void NetlinkPathMonitor::start()
{
    if (m_started || m_finished)
        return;
    m_started = true;
    m_socket = ::socket(AF_NETLINK, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, NETLINK_ROUTE);
    sockaddr_nl local{};
    local.nl_family = AF_NETLINK;
    local.nl_groups = RTMGRP_LINK | RTMGRP_IPV4_ROUTE | RTMGRP_IPV6_ROUTE;
    if (m_socket < 0 || ::bind(m_socket, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        // No routing socket (a sandbox without netlink): the stream ends before its first path.
        QMetaObject::invokeMethod(this, &NetlinkPathMonitor::finish, Qt::QueuedConnection);
        return;
    }
    m_notifier = new QSocketNotifier(qintptr(m_socket), QSocketNotifier::Read);
    connect(m_notifier, &QSocketNotifier::activated, this, &NetlinkPathMonitor::readMessages);
    // The current path first, as soon as the caller is back in its event loop.
    QMetaObject::invokeMethod(
        this,
        [this]() {
            if (!m_finished)
                emit pathUpdated(currentPath());
        },
        Qt::QueuedConnection);
}

void NetlinkPathMonitor::cancel()
{
    finish();
}

void NetlinkPathMonitor::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_settle.stop();
    delete m_notifier;
    m_notifier = nullptr;
    if (m_socket >= 0)
        ::close(m_socket);
    m_socket = -1;
    emit finished();
}

void NetlinkPathMonitor::readMessages()
{
    // Only the fact of a change matters; the messages themselves are read and dropped.
    char buffer[8192];
    for (;;) {
        const ssize_t got = ::recv(m_socket, buffer, sizeof buffer, MSG_DONTWAIT);
        if (got > 0)
            continue;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == ENOBUFS))
            break; // drained, or messages were lost: either way the path is read afresh
        finish();
        return;
    }
    m_settle.start();
}

NetworkPath NetlinkPathMonitor::currentPath() const
{
    NetworkPath path;
    for (const int family : {AF_INET, AF_INET6}) {
        const std::optional<QString> name = routeInterface(family);
        if (!name || path.interfaces.contains(*name))
            continue;
        path.interfaces.append(*name);
        path.usesOtherInterface = path.usesOtherInterface || isOtherInterface(m_root, *name);
    }
    return path;
}

std::optional<QString> NetlinkPathMonitor::routeInterface(int family) const
{
    struct {
        nlmsghdr header;
        rtmsg route;
        char attributes[64];
    } request{};
    unsigned char address[16] = {};
    const int addressLength = family == AF_INET ? 4 : 16;
    if (::inet_pton(family, family == AF_INET ? publicIpv4 : publicIpv6, address) != 1)
        return std::nullopt;
    request.header.nlmsg_len = NLMSG_LENGTH(sizeof(rtmsg));
    request.header.nlmsg_type = RTM_GETROUTE;
    request.header.nlmsg_flags = NLM_F_REQUEST;
    request.header.nlmsg_seq = 1;
    request.route.rtm_family = static_cast<unsigned char>(family);
    request.route.rtm_dst_len = static_cast<unsigned char>(addressLength * 8);
    auto* destination = reinterpret_cast<rtattr*>(reinterpret_cast<char*>(&request) + NLMSG_ALIGN(request.header.nlmsg_len));
    destination->rta_type = RTA_DST;
    destination->rta_len = static_cast<unsigned short>(RTA_LENGTH(addressLength));
    std::memcpy(RTA_DATA(destination), address, std::size_t(addressLength));
    request.header.nlmsg_len = NLMSG_ALIGN(request.header.nlmsg_len) + RTA_ALIGN(destination->rta_len);

    const int fd = ::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE);
    if (fd < 0)
        return std::nullopt;
    sockaddr_nl kernel{};
    kernel.nl_family = AF_NETLINK;
    std::optional<int> index;
    if (::sendto(fd, &request, request.header.nlmsg_len, 0, reinterpret_cast<const sockaddr*>(&kernel), sizeof kernel) >= 0) {
        // The kernel queues its answer while it takes the request, so it is there at once; waiting
        // for it would only ever block.
        char reply[8192];
        const ssize_t got = ::recv(fd, reply, sizeof reply, MSG_DONTWAIT);
        if (got > 0)
            index = outputInterface(QByteArray::fromRawData(reply, qsizetype(got)));
    }
    ::close(fd);
    if (!index)
        return std::nullopt;
    char name[IF_NAMESIZE] = {};
    if (!::if_indextoname(unsigned(*index), name))
        return std::nullopt;
    return KernelName::decode(name);
}

bool NetlinkPathMonitor::isOtherInterface(const QString& root, const QString& name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name == QLatin1String("..") || name == QLatin1String("."))
        return false;
    // The name's own bytes, also when they are no UTF-8.
    const QByteArray folder = KernelName::encode(ProcFile::join(root, "sys/class/net") + QLatin1Char('/') + name);
    struct stat info {};
    if (::stat(folder.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    if (::lstat((folder + "/phy80211").constData(), &info) == 0 || ::lstat((folder + "/wireless").constData(), &info) == 0)
        return false;
    bool ok = false;
    std::string buffer;
    const auto text = ProcFile::read(AT_FDCWD, (folder + "/type").constData(), buffer, 32);
    const int type = text ? QByteArray(text->data(), qsizetype(text->size())).trimmed().toInt(&ok) : 0;
    if (!ok)
        return false;
    // Ethernet framing (a wired card, a bridge, a bond or a VLAN over one) and loopback are the
    // ordinary paths; tunnels (65534), PPP (512) and IP-in-IP links are not.
    return type != arphrdEther && type != arphrdLoopback;
}

std::optional<int> NetlinkPathMonitor::outputInterface(const QByteArray& reply)
{
    const char* data = reply.constData();
    const std::size_t size = std::size_t(reply.size());
    std::size_t offset = 0;
    while (offset + sizeof(nlmsghdr) <= size) {
        nlmsghdr header;
        std::memcpy(&header, data + offset, sizeof header);
        if (header.nlmsg_len < sizeof(nlmsghdr) || header.nlmsg_len > size - offset)
            return std::nullopt;
        if (header.nlmsg_type == NLMSG_ERROR || header.nlmsg_type == NLMSG_DONE)
            return std::nullopt;
        if (header.nlmsg_type == RTM_NEWROUTE) {
            const std::size_t end = offset + header.nlmsg_len;
            std::size_t attribute = offset + NLMSG_HDRLEN + NLMSG_ALIGN(sizeof(rtmsg));
            if (attribute > end)
                return std::nullopt;
            while (attribute + sizeof(rtattr) <= end) {
                rtattr head;
                std::memcpy(&head, data + attribute, sizeof head);
                if (head.rta_len < sizeof(rtattr) || head.rta_len > end - attribute)
                    return std::nullopt;
                if (head.rta_type == RTA_OIF) {
                    if (head.rta_len < RTA_LENGTH(sizeof(int)))
                        return std::nullopt;
                    int index = 0;
                    std::memcpy(&index, data + attribute + RTA_LENGTH(0), sizeof index);
                    if (index <= 0)
                        return std::nullopt;
                    return index;
                }
                attribute += RTA_ALIGN(head.rta_len);
            }
            return std::nullopt;
        }
        offset += NLMSG_ALIGN(header.nlmsg_len);
    }
    return std::nullopt;
}

} // namespace Platform
