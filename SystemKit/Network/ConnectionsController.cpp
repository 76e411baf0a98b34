#include "SystemKit/Network/ConnectionsController.h"

#include "SystemKit/Network/ToolText.h"

#include "BaseKit/Services/Shell.h"

#include <QHash>
#include <QSet>

#include <cstring>
#include <limits>
#include <optional>

namespace SystemKit {

const QString ConnectionsController::commandLine = QStringLiteral("netstat -anv -p tcp");

ConnectionsController::ConnectionsController(bool resolveProtocol, bool resolveHost, bool loadConnections,
                                             QObject* parent)
    : ConnectionsController(resolveProtocol, resolveHost, loadConnections, NetworkToolEnvironment{}, parent)
{
}

ConnectionsController::ConnectionsController(bool resolveProtocol, bool resolveHost, bool loadConnections,
                                             NetworkToolEnvironment environment, QObject* parent)
    : QObject(parent), m_environment(environment.completed()),
      m_options(std::make_shared<ConnectionsOptions>(resolveProtocol, resolveHost, loadConnections))
{
    qRegisterMetaType<SystemKit::TcpConnectionList>();
}

void ConnectionsController::start(double interval)
{
    if (m_timer.start(this, interval, &ConnectionsController::refresh))
        emit timerChanged();
}

void ConnectionsController::stop()
{
    if (m_timer.stop())
        emit timerChanged();
}

void ConnectionsController::setOptions(std::shared_ptr<ConnectionsOptions> options)
{
    m_options = options ? std::move(options) : std::make_shared<ConnectionsOptions>(false, false, false);
    emit optionsChanged();
}

void ConnectionsController::setCount(std::uint32_t count)
{
    m_count = count;
    emit countChanged();
}

void ConnectionsController::setConnections(TcpConnectionList connections)
{
    m_connections = std::move(connections);
    emit connectionsChanged();
}

void ConnectionsController::refresh()
{
    // Wraps like the platform's unsigned sum; two lists never hold 2^32 sockets.
    setCount(countSockets("tcp") + countSockets("udp"));
    if (m_options->loadConnections())
        readConnections();
}

std::uint32_t ConnectionsController::countSockets(const char* protocol) const
{
    const std::optional<QByteArray> buffer = m_environment.controlBlocks(protocol);
    return buffer ? countSockets(*buffer) : 0;
}

std::uint32_t ConnectionsController::countSockets(const QByteArray& buffer)
{
    const char* data = buffer.constData();
    const std::size_t size = std::size_t(buffer.size());
    if (size < 25)
        return 0;
    const auto word = [data, size](std::size_t offset) -> std::optional<std::uint32_t> {
        if (offset > size || size - offset < sizeof(std::uint32_t))
            return std::nullopt;
        std::uint32_t value = 0;
        std::memcpy(&value, data + offset, sizeof value);
        return value;
    };
    std::size_t offset = *word(0); // the header's own length
    const std::optional<std::uint32_t> first = word(offset);
    if (!first || *first < 25)
        return 0;
    std::uint32_t count = 0;
    for (;;) {
        const std::optional<std::uint32_t> length = word(offset);
        if (!length || *length <= 24 || *length > size - offset)
            break; // the closing header, or a record cut off by the end of the buffer
        if (*length >= minimumRecordLength && data[offset + 80] != 0 && word(offset + 244) == 4u)
            ++count;
        offset += *length;
    }
    return count;
}

void ConnectionsController::readConnections()
{
    if (m_listing)
        return;
    m_listing = true;
    BaseKit::Shell::start(
        QStringList{commandLine}, m_environment.timeLimit, this,
        [this](const BaseKit::ShellOutput& result) {
            m_listing = false;
            // A killed listing may end inside a line: nothing of it is taken.
            if (result.timedOut)
                return;
            apply(result.output);
        },
        m_environment.shell);
}

void ConnectionsController::apply(const std::optional<QString>& output)
{
    if (!output)
        return;
    const TcpConnectionList previous = m_connections;
    TcpConnectionList current = parseConnections(*output);
    mergeConnections(previous, current);
    setConnections(std::move(current));
}

namespace {

// The fields of a line separated by runs of spaces (other white space stays inside a field), at
// most `capacity` of them into `fields`; the count found, which is capacity + 1 when there are more.
qsizetype splitFields(QStringView line, QStringView* fields, qsizetype capacity)
{
    qsizetype count = 0;
    qsizetype i = 0;
    const qsizetype size = line.size();
    while (i < size) {
        while (i < size && line[i] == u' ')
            ++i;
        if (i == size)
            break;
        const qsizetype start = i;
        while (i < size && line[i] != u' ')
            ++i;
        if (count == capacity)
            return capacity + 1;
        fields[count++] = line.sliced(start, i - start);
    }
    return count;
}

} // namespace

TcpConnectionList ConnectionsController::parseConnections(QStringView output) const
{
    TcpConnectionList result;
    QSet<QString> ids;
    // A process owns many connections: its executable is looked up once per listing.
    QHash<std::uint32_t, std::pair<std::optional<QUrl>, std::optional<QString>>> owners;
    constexpr qsizetype columns = 20;
    QStringView fields[columns];
    for (const QStringView line : ToolText::lines(output)) {
        if (splitFields(line, fields, columns) != columns)
            continue;
        const std::optional<TcpConnectionState> state = tcpConnectionState(fields[5]);
        const auto receiveQueue = ToolText::read<std::uint32_t>(fields[1]);
        const auto sendQueue = ToolText::read<std::uint32_t>(fields[2]);
        const auto receivedBytes = ToolText::read<std::uint64_t>(fields[6]);
        const auto sentBytes = ToolText::read<std::uint64_t>(fields[7]);
        const auto pid = ToolText::read<std::uint32_t>(fields[10]);
        const auto effectivePid = ToolText::read<std::uint32_t>(fields[11]);
        const auto generationCount = ToolText::read<std::uint64_t>(fields[14], 16);
        const auto usageCount = ToolText::read<std::uint32_t>(fields[17], 16);
        const auto retainCount = ToolText::read<std::uint32_t>(fields[18]);
        if (!state || !receiveQueue || !sendQueue || !receivedBytes || !sentBytes || !pid || !effectivePid ||
            !generationCount || !usageCount || !retainCount)
            continue;
        // No process can have an identifier above the signed 32-bit range.
        if (*pid > std::uint32_t(std::numeric_limits<std::int32_t>::max()))
            continue;

        TcpConnection::Fields values;
        values.type = fields[0].toString();
        values.receiveQueue = *receiveQueue;
        values.sendQueue = *sendQueue;
        values.localAddress = fields[3].toString();
        values.foreignAddress = fields[4].toString();
        values.connectionState = *state;
        values.receivedBytes = *receivedBytes;
        values.sentBytes = *sentBytes;
        values.pid = *pid;
        values.effectivePid = *effectivePid;
        values.generationCount = *generationCount;
        values.usageCount = *usageCount;
        values.retainCount = *retainCount;

        const QString id = values.localAddress + QLatin1Char('-') + values.foreignAddress;
        if (ids.contains(id))
            continue; // the first line with these ends wins
        ids.insert(id);

        auto owner = owners.find(*pid);
        if (owner == owners.end()) {
            std::pair<std::optional<QUrl>, std::optional<QString>> found;
            if (const std::optional<QString> path = m_environment.executablePath(*pid)) {
                found.first = QUrl::fromLocalFile(*path);
                found.second = m_environment.applicationName(*path);
            }
            owner = owners.insert(*pid, std::move(found));
        }
        result.append(std::make_shared<TcpConnection>(values, owner->first, owner->second));
    }
    return result;
}

bool ConnectionsController::containsConnection(const TcpConnectionList& connections, const QString& id)
{
    for (const auto& connection : connections) {
        if (connection->id() == id)
            return true;
    }
    return false;
}

void ConnectionsController::mergeConnections(const TcpConnectionList& previous, const TcpConnectionList& current)
{
    QHash<QString, const TcpConnection*> first;
    first.reserve(previous.size());
    for (const auto& connection : previous) {
        if (!first.contains(connection->id()))
            first.insert(connection->id(), connection.get());
    }
    for (const auto& connection : current) {
        const TcpConnection* before = first.value(connection->id(), nullptr);
        if (!before)
            continue;
        connection->setDownloadSpeed(
            connection->receivedBytes() >= before->receivedBytes() ? connection->receivedBytes() - before->receivedBytes() : 0);
        connection->setUploadSpeed(connection->sentBytes() >= before->sentBytes() ? connection->sentBytes() - before->sentBytes() : 0);
    }
}

} // namespace SystemKit
