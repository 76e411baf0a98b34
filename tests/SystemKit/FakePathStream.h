#pragma once

// Path streams and external address lookups the VPN watch's tests drive by hand.

#include "SystemKit/Network/NetworkMonitor.h"
#include "SystemKit/Network/VpnWatch.h"

#include "Platform/Netlink/PathMonitor.h"

#include <QPointer>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// A path stream the test drives.
class FakePathMonitor : public Platform::PathMonitor {
public:
    void start() override { ++starts; }
    void cancel() override
    {
        ++cancels;
        if (!ended) {
            ended = true;
            emit finished();
        }
    }
    void send(bool vpn)
    {
        Platform::NetworkPath path;
        path.interfaces = vpn ? QStringList{QStringLiteral("tun0")} : QStringList{QStringLiteral("eth0")};
        path.usesOtherInterface = vpn;
        emit pathUpdated(path);
    }

    int starts = 0;
    int cancels = 0;
    bool ended = false;
};

// Makes fake streams and keeps a handle on each.
struct Streams {
    std::vector<QPointer<FakePathMonitor>> made;
    SystemKit::NetworkMonitor::MonitorFactory factory()
    {
        return [this]() -> Platform::PathMonitor* {
            auto* monitor = new FakePathMonitor;
            made.emplace_back(monitor);
            return monitor;
        };
    }
    FakePathMonitor* last() const { return made.empty() ? nullptr : made.back().data(); }
};

// Lookups that wait until the test answers them, in any order.
struct Lookups {
    std::vector<std::function<void(const std::optional<SystemKit::VpnWatch::ExternalAddress>&)>> pending;
    SystemKit::VpnWatch::AddressLookup lookup()
    {
        return [this](QObject*, std::function<void(const std::optional<SystemKit::VpnWatch::ExternalAddress>&)> done) {
            pending.push_back(std::move(done));
        };
    }
    void answer(std::size_t index, const std::optional<QString>& ip, const std::optional<QString>& country = {})
    {
        pending.at(index)(SystemKit::VpnWatch::ExternalAddress{ip, country});
    }
    void fail(std::size_t index) { pending.at(index)(std::nullopt); }
};
