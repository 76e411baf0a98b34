#pragma once

namespace SystemKit {

// What a connections refresh does besides counting sockets. Only `loadConnections` is acted on
// (it lists the TCP connections); the other two are carried for callers.
class ConnectionsOptions {
public:
    ConnectionsOptions(bool resolveProtocol, bool resolveHost, bool loadConnections)
        : m_resolveProtocol(resolveProtocol), m_resolveHost(resolveHost), m_loadConnections(loadConnections)
    {
    }

    bool resolveProtocol() const { return m_resolveProtocol; }
    void setResolveProtocol(bool value) { m_resolveProtocol = value; }
    bool resolveHost() const { return m_resolveHost; }
    void setResolveHost(bool value) { m_resolveHost = value; }
    bool loadConnections() const { return m_loadConnections; }
    void setLoadConnections(bool value) { m_loadConnections = value; }

private:
    bool m_resolveProtocol = false;
    bool m_resolveHost = false;
    bool m_loadConnections = false;
};

} // namespace SystemKit
