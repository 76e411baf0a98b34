#pragma once

#include <QByteArray>
#include <QString>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <linux/if_link.h>
#include <netinet/in.h>
#include <netpacket/packet.h>
#include <sys/socket.h>

#include <cstdint>
#include <cstring>
#include <deque>
#include <optional>
#include <string>
#include <vector>

// An interface address list laid out as the C library's getifaddrs lays out the kernel's answers:
// first one link-level entry per interface, whose ifa_data holds the interface's counters and whose
// address is its link-layer address (AF_PACKET), or null for a device without one (tun, WireGuard,
// PPP, raw IP); then one entry per IPv4 or IPv6 address, without data.
class FakeAddressList {
public:
    // An interface's link-level entry; no hardware address for a device without one, no counters
    // for an entry without statistics.
    void link(const QString& name, std::uint32_t flags, const std::optional<QByteArray>& hardwareAddress,
              std::optional<std::pair<std::uint32_t, std::uint32_t>> receivedSent)
    {
        m_links.push_back({name.toStdString(), flags, AF_PACKET, hardwareAddress.value_or(QByteArray()),
                           !hardwareAddress.has_value(), receivedSent});
    }
    // An address entry: family AF_INET or AF_INET6 and the address as text.
    void address(const QString& name, std::uint32_t flags, int family, const QString& text)
    {
        m_addresses.push_back({name.toStdString(), flags, family, text.toLatin1(), false, std::nullopt});
    }
    void clear()
    {
        m_links.clear();
        m_addresses.clear();
    }

    // The list in the library's order; it stays valid until the next build.
    ifaddrs* build()
    {
        m_nodes.clear();
        m_names.clear();
        m_sockets.clear();
        m_stats.clear();
        ifaddrs* previous = nullptr;
        ifaddrs* first = nullptr;
        for (const auto* records : {&m_links, &m_addresses}) {
            for (const Record& record : *records) {
                ifaddrs& node = m_nodes.emplace_back();
                std::memset(&node, 0, sizeof node);
                node.ifa_name = m_names.emplace_back(record.name).data();
                node.ifa_flags = record.flags;
                if (!record.noAddress) {
                    sockaddr_storage& storage = m_sockets.emplace_back();
                    std::memset(&storage, 0, sizeof storage);
                    fill(storage, record);
                    node.ifa_addr = reinterpret_cast<sockaddr*>(&storage);
                }
                if (record.receivedSent) {
                    rtnl_link_stats& stats = m_stats.emplace_back();
                    std::memset(&stats, 0, sizeof stats);
                    stats.rx_bytes = record.receivedSent->first;
                    stats.tx_bytes = record.receivedSent->second;
                    node.ifa_data = &stats;
                }
                if (previous)
                    previous->ifa_next = &node;
                else
                    first = &node;
                previous = &node;
            }
        }
        return first;
    }

private:
    struct Record {
        std::string name;
        std::uint32_t flags;
        int family;
        QByteArray address; // hardware bytes, or the address text
        bool noAddress;
        std::optional<std::pair<std::uint32_t, std::uint32_t>> receivedSent;
    };

    static void fill(sockaddr_storage& storage, const Record& record)
    {
        if (record.family == AF_PACKET) {
            auto& link = reinterpret_cast<sockaddr_ll&>(storage);
            link.sll_family = AF_PACKET;
            link.sll_halen = std::uint8_t(std::min<qsizetype>(record.address.size(), sizeof link.sll_addr));
            std::memcpy(link.sll_addr, record.address.constData(), link.sll_halen);
        } else if (record.family == AF_INET) {
            auto& in = reinterpret_cast<sockaddr_in&>(storage);
            in.sin_family = AF_INET;
            ::inet_pton(AF_INET, record.address.constData(), &in.sin_addr);
        } else {
            auto& in6 = reinterpret_cast<sockaddr_in6&>(storage);
            in6.sin6_family = AF_INET6;
            ::inet_pton(AF_INET6, record.address.constData(), &in6.sin6_addr);
        }
    }

    std::vector<Record> m_links;
    std::vector<Record> m_addresses;
    std::deque<ifaddrs> m_nodes;
    std::deque<std::string> m_names;
    std::deque<sockaddr_storage> m_sockets;
    std::deque<rtnl_link_stats> m_stats;
};
