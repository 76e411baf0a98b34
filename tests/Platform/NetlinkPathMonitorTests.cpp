#include "Platform/Netlink/NetlinkPathMonitor.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

#include <linux/netlink.h>
#include <linux/rtnetlink.h>

using Platform::NetlinkPathMonitor;

namespace {

// A /sys/class/net tree with the interfaces a path may leave through.
class NetTree {
public:
    NetTree()
    {
        EXPECT_TRUE(m_dir.isValid());
        add(QStringLiteral("lo"), "772");
        add(QStringLiteral("eth0"), "1", {QStringLiteral("device")});
        add(QStringLiteral("br0"), "1", {QStringLiteral("bridge")});
        add(QStringLiteral("wlan0"), "1", {QStringLiteral("device"), QStringLiteral("phy80211")});
        add(QStringLiteral("wlan1"), "1", {QStringLiteral("wireless")});
        add(QStringLiteral("tun0"), "65534");
        add(QStringLiteral("wg0"), "65534");
        add(QStringLiteral("ppp0"), "512");
        add(QStringLiteral("odd"), "not a number");
    }
    QString root() const { return m_dir.path(); }

private:
    void add(const QString& name, const QByteArray& type, const QStringList& entries = {})
    {
        const QString folder = m_dir.filePath(QStringLiteral("sys/class/net/") + name);
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile file(folder + QStringLiteral("/type"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(type + '\n');
        for (const QString& entry : entries)
            ASSERT_TRUE(QDir().mkpath(folder + QLatin1Char('/') + entry));
    }

    QTemporaryDir m_dir;
};

TEST(NetlinkPathMonitorTest, TunnelsAndPppAreOtherInterfaces)
{
    NetTree tree;
    for (const char* name : {"tun0", "wg0", "ppp0"})
        EXPECT_TRUE(NetlinkPathMonitor::isOtherInterface(tree.root(), QString::fromLatin1(name))) << name;
    for (const char* name : {"lo", "eth0", "br0", "wlan0", "wlan1", "odd", "gone", "", "..", "../net/tun0"})
        EXPECT_FALSE(NetlinkPathMonitor::isOtherInterface(tree.root(), QString::fromLatin1(name))) << name;
}

// A route reply: one RTM_NEWROUTE message with the given attributes (type, payload).
QByteArray reply(const std::vector<std::pair<unsigned short, QByteArray>>& attributes, unsigned short type = RTM_NEWROUTE)
{
    QByteArray body(NLMSG_ALIGN(sizeof(rtmsg)), '\0');
    for (const auto& [kind, payload] : attributes) {
        QByteArray attribute(RTA_ALIGN(RTA_LENGTH(payload.size())), '\0');
        rtattr head{};
        head.rta_len = static_cast<unsigned short>(RTA_LENGTH(payload.size()));
        head.rta_type = kind;
        std::memcpy(attribute.data(), &head, sizeof head);
        std::memcpy(attribute.data() + RTA_LENGTH(0), payload.constData(), std::size_t(payload.size()));
        body += attribute;
    }
    nlmsghdr header{};
    header.nlmsg_len = NLMSG_HDRLEN + std::uint32_t(body.size());
    header.nlmsg_type = type;
    QByteArray message(NLMSG_HDRLEN, '\0');
    std::memcpy(message.data(), &header, sizeof header);
    return message + body;
}

QByteArray integer(int value)
{
    return QByteArray(reinterpret_cast<const char*>(&value), sizeof value);
}

std::optional<int> parseExact(const QByteArray& data)
{
    std::unique_ptr<char[]> copy(new char[std::size_t(data.size()) + 1]);
    std::memcpy(copy.get(), data.constData(), std::size_t(data.size()));
    return NetlinkPathMonitor::outputInterface(QByteArray::fromRawData(copy.get(), data.size()));
}

TEST(NetlinkPathMonitorTest, RouteRepliesGiveTheirOutputInterfaceOnlyWhenWhole)
{
    const QByteArray good = reply({{RTA_TABLE, integer(254)}, {RTA_DST, QByteArray(4, '\1')}, {RTA_OIF, integer(3)}});
    EXPECT_EQ(parseExact(good), 3);
    EXPECT_EQ(parseExact(reply({{RTA_TABLE, integer(254)}})), std::nullopt);
    EXPECT_EQ(parseExact(reply({{RTA_OIF, integer(0)}})), std::nullopt);
    EXPECT_EQ(parseExact(reply({{RTA_OIF, integer(-2)}})), std::nullopt);
    EXPECT_EQ(parseExact(reply({{RTA_OIF, QByteArray(2, '\1')}})), std::nullopt); // attribute too short
    EXPECT_EQ(parseExact(reply({{RTA_OIF, integer(3)}}, NLMSG_ERROR)), std::nullopt);
    EXPECT_EQ(parseExact(QByteArray()), std::nullopt);
    // Cut anywhere, the reply gives nothing and reads nothing past its end.
    for (qsizetype cut = 0; cut < good.size(); ++cut)
        EXPECT_EQ(parseExact(good.first(cut)), std::nullopt) << cut;
    // A message length beyond the buffer, or an attribute length beyond its message.
    QByteArray longMessage = good;
    const std::uint32_t huge = 0xfffffff0u;
    std::memcpy(longMessage.data(), &huge, 4);
    EXPECT_EQ(parseExact(longMessage), std::nullopt);
    QByteArray longAttribute = good;
    const unsigned short wide = 0xfff0;
    std::memcpy(longAttribute.data() + NLMSG_HDRLEN + NLMSG_ALIGN(sizeof(rtmsg)), &wide, 2);
    EXPECT_EQ(parseExact(longAttribute), std::nullopt);
    // A first message of another kind is stepped over.
    EXPECT_EQ(parseExact(reply({{RTA_OIF, integer(9)}}, RTM_NEWLINK) + good), 3);
}

} // namespace
