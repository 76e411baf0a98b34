#include "SystemKit/Network/TcpConnection.h"

#include "SystemKit/Network/ToolText.h"

#include "BaseKit/Text.h"

#include <QFileInfo>

namespace SystemKit {

TcpConnection::TcpConnection(const Fields& fields, std::optional<QUrl> executableUrl, std::optional<QString> app)
    : m_app(std::move(app)), m_executableUrl(std::move(executableUrl)),
      m_id(fields.localAddress + QLatin1Char('-') + fields.foreignAddress),
      m_type(tcpConnectionType(fields.type).value_or(TcpConnectionType::unknown)), m_receiveQueue(fields.receiveQueue),
      m_sendQueue(fields.sendQueue), m_connectionState(fields.connectionState), m_receivedBytes(fields.receivedBytes),
      m_sentBytes(fields.sentBytes), m_pid(fields.pid), m_effectivePid(fields.effectivePid),
      m_generationCount(fields.generationCount), m_usageCount(fields.usageCount), m_retainCount(fields.retainCount)
{
    std::tie(m_localAddress, m_localPort) = splitPort(fields.localAddress);
    std::tie(m_foreignAddress, m_remotePort) = splitPort(fields.foreignAddress);
}

QString TcpConnection::processName() const
{
    if (m_app)
        return *m_app;
    if (m_executableUrl)
        return QFileInfo(m_executableUrl->path()).fileName();
    return BaseKit::Text::dash;
}

std::pair<QString, std::uint16_t> TcpConnection::splitPort(const QString& address)
{
    // Only the last piece is taken off, exactly as written, so that a port text that also occurs
    // earlier in the address ("10.80.0.1.80") never cuts the address in its middle.
    const qsizetype dot = address.lastIndexOf(QLatin1Char('.'));
    const QStringView last = dot < 0 ? QStringView(address) : QStringView(address).sliced(dot + 1);
    const auto port = ToolText::read<std::uint16_t>(last);
    if (!port)
        return {address, 0};
    if (dot < 0)
        return {address, *port}; // a bare number: a port without an address
    return {address.first(dot), *port};
}

} // namespace SystemKit
