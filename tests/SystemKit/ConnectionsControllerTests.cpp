#include "SystemKit/Network/ConnectionsController.h"
#include "SystemKit/Network/InternetProtocol.h"
#include "SystemKit/Network/NetworkConnection.h"
#include "SystemKit/Network/NetworkProtocol.h"

#include "FakeTool.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cstring>

using SystemKit::ConnectionsController;
using SystemKit::NetworkToolEnvironment;
using SystemKit::TcpConnection;
using SystemKit::TcpConnectionList;
using SystemKit::TcpConnectionState;
using SystemKit::TcpConnectionType;

namespace {

// Process 7 has no readable executable; process 50 belongs to an application.
NetworkToolEnvironment environment(const QString& shell = {})
{
    NetworkToolEnvironment result;
    result.shell = shell;
    result.timeLimit = std::chrono::milliseconds(3000);
    result.executablePath = [](std::uint32_t pid) -> std::optional<QString> {
        if (pid == 7)
            return std::nullopt;
        return QStringLiteral("/usr/lib/app/daemon%1").arg(pid);
    };
    result.applicationName = [](const QString& path) -> std::optional<QString> {
        if (path.endsWith(QLatin1String("daemon50")))
            return QStringLiteral("Mail");
        return std::nullopt;
    };
    result.controlBlocks = [](const char*) -> std::optional<QByteArray> { return std::nullopt; };
    return result;
}

// A listing line with the tool's 20 columns; each argument replaces one column's text.
QString line(QStringList fields = {})
{
    QStringList columns{QStringLiteral("tcp4"),
                        QStringLiteral("0"),
                        QStringLiteral("12"),
                        QStringLiteral("192.168.1.20.631"),
                        QStringLiteral("17.57.146.5.443"),
                        QStringLiteral("ESTABLISHED"),
                        QStringLiteral("5000"),
                        QStringLiteral("300"),
                        QStringLiteral("131072"),
                        QStringLiteral("131768"),
                        QStringLiteral("812"),
                        QStringLiteral("813"),
                        QStringLiteral("00102"),
                        QStringLiteral("00000000"),
                        QStringLiteral("0000000000a1B2c3"),
                        QStringLiteral("00000080"),
                        QStringLiteral("01000900"),
                        QStringLiteral("1f"),
                        QStringLiteral("2"),
                        QStringLiteral("000001")};
    for (qsizetype i = 0; i < fields.size() && i < columns.size(); ++i) {
        if (!fields[i].isNull())
            columns[i] = fields[i];
    }
    return columns.join(QStringLiteral("    "));
}

// The line with one column replaced.
QString with(int column, const QString& text)
{
    QStringList fields(20);
    fields[column] = text;
    return line(fields);
}

TcpConnectionList parse(const QString& text)
{
    ConnectionsController controller(false, false, true, environment());
    return controller.parseConnections(text);
}

bool reads(const QString& text)
{
    return parse(text).size() == 1;
}

TEST(ConnectionsControllerTest, ReadsEveryColumnOfTheListingLine)
{
    const TcpConnectionList list = parse(line());
    ASSERT_EQ(list.size(), 1);
    const TcpConnection& c = *list[0];
    EXPECT_EQ(c.id(), QStringLiteral("192.168.1.20.631-17.57.146.5.443"));
    EXPECT_EQ(c.type(), TcpConnectionType::tcp4);
    EXPECT_EQ(c.receiveQueue(), 0u);
    EXPECT_EQ(c.sendQueue(), 12u);
    EXPECT_EQ(c.localAddress(), QStringLiteral("192.168.1.20"));
    EXPECT_EQ(c.localPort(), 631);
    EXPECT_EQ(c.foreignAddress(), QStringLiteral("17.57.146.5"));
    EXPECT_EQ(c.remotePort(), 443);
    EXPECT_EQ(c.connectionState(), TcpConnectionState::established);
    EXPECT_EQ(c.receivedBytes(), 5000u);
    EXPECT_EQ(c.sentBytes(), 300u);
    EXPECT_EQ(c.pid(), 812u);
    EXPECT_EQ(c.effectivePid(), 813u);
    EXPECT_EQ(c.generationCount(), 0xa1b2c3u);
    EXPECT_EQ(c.usageCount(), 0x1fu);
    EXPECT_EQ(c.retainCount(), 2u);
    EXPECT_EQ(c.downloadSpeed(), 0u);
    EXPECT_EQ(c.uploadSpeed(), 0u);
    ASSERT_TRUE(c.executableUrl().has_value());
    EXPECT_EQ(*c.executableUrl(), QUrl::fromLocalFile(QStringLiteral("/usr/lib/app/daemon812")));
    EXPECT_FALSE(c.app().has_value());
    EXPECT_EQ(c.processName(), QStringLiteral("daemon812"));
}

TEST(ConnectionsControllerTest, TitleLinesAndWrongFieldCountsAreSkipped)
{
    const QString title = QStringLiteral("Active Internet connections (including servers)\n"
                                         "Proto Recv-Q Send-Q  Local Address          Foreign Address        (state)     "
                                         "rxbytes    txbytes  rhiwat  shiwat    pid   epid state  options           gencnt "
                                         "   flags   flags1 usecnt rtncnt fltrs\n");
    EXPECT_EQ(parse(title + line()).size(), 1);
    EXPECT_FALSE(reads(line() + QStringLiteral(" extra")));                       // 21 fields
    EXPECT_FALSE(reads(line().section(QStringLiteral("    "), 0, 18)));           // 19 fields
    EXPECT_TRUE(reads(QStringLiteral("   ") + line() + QStringLiteral("   ")));   // runs of spaces separate
    EXPECT_FALSE(reads(line().replace(QStringLiteral("    812"), QStringLiteral("\t812")))); // a tab joins fields
    EXPECT_TRUE(parse(QString()).isEmpty());
    // A line cut off anywhere is one of the wrong length or with a broken number.
    const QString whole = line();
    for (qsizetype cut = 0; cut < whole.size() - 1; ++cut) {
        const TcpConnectionList cutList = parse(whole.first(cut));
        EXPECT_TRUE(cutList.isEmpty() || cutList[0]->retainCount() == 2u) << cut;
    }
}

TEST(ConnectionsControllerTest, TypesAndStatesComeFromTheirTables)
{
    EXPECT_EQ(parse(with(0, QStringLiteral("tcp6")))[0]->type(), TcpConnectionType::tcp6);
    EXPECT_EQ(parse(with(0, QStringLiteral("tcp46")))[0]->type(), TcpConnectionType::unknown);
    EXPECT_EQ(parse(with(5, QStringLiteral("UNKNOWN")))[0]->connectionState(), TcpConnectionState::unknown);
    EXPECT_EQ(parse(with(5, QStringLiteral("FIN_WAIT_1")))[0]->connectionState(), TcpConnectionState::waitingForAcknowledgement);
    EXPECT_EQ(parse(with(5, QStringLiteral("TIME_WAIT")))[0]->connectionState(), TcpConnectionState::timeWait);
    EXPECT_FALSE(reads(with(5, QStringLiteral("established"))));
    EXPECT_FALSE(reads(with(5, QStringLiteral("SYN_RCVD"))));

    for (const auto state : {TcpConnectionState::closed, TcpConnectionState::listen, TcpConnectionState::synSent,
                             TcpConnectionState::synReceived, TcpConnectionState::closeWait, TcpConnectionState::closing,
                             TcpConnectionState::lastAck, TcpConnectionState::waitingForFinish})
        EXPECT_EQ(SystemKit::tcpConnectionState(SystemKit::rawValue(state)), state);
    EXPECT_EQ(SystemKit::tcpConnectionType(u""), TcpConnectionType::unknown);
    EXPECT_EQ(SystemKit::networkProtocol(u"UDP"), SystemKit::NetworkProtocol::udp);
    EXPECT_EQ(SystemKit::networkProtocol(u"tcp"), std::nullopt);
    EXPECT_EQ(SystemKit::internetProtocol(u"ipv6"), SystemKit::InternetProtocol::ipv6);
    EXPECT_EQ(SystemKit::rawValue(SystemKit::InternetProtocol::ipv4), QStringLiteral("ipv4"));
}

TEST(ConnectionsControllerTest, NumbersReadOnlyInTheirRadixAndWidth)
{
    EXPECT_EQ(parse(with(1, QStringLiteral("+5")))[0]->receiveQueue(), 5u);
    EXPECT_EQ(parse(with(1, QStringLiteral("-0")))[0]->receiveQueue(), 0u);
    EXPECT_EQ(parse(with(1, QStringLiteral("4294967295")))[0]->receiveQueue(), 4294967295u);
    EXPECT_EQ(parse(with(6, QStringLiteral("18446744073709551615")))[0]->receivedBytes(), 18446744073709551615u);
    EXPECT_EQ(parse(with(14, QStringLiteral("FFFFFFFFFFFFFFFF")))[0]->generationCount(), 18446744073709551615u);
    EXPECT_EQ(parse(with(17, QStringLiteral("ffffffff")))[0]->usageCount(), 4294967295u);
    struct Bad {
        int column;
        const char* text;
    };
    for (const Bad bad : {Bad{1, "-1"}, Bad{1, "4294967296"}, Bad{1, "1.5"}, Bad{2, "0x1"}, Bad{6, "18446744073709551616"},
                          Bad{7, "1e9"}, Bad{10, "-812"}, Bad{11, "x"}, Bad{14, "0x10"}, Bad{14, "10000000000000000"},
                          Bad{14, "g"}, Bad{17, "100000000"}, Bad{18, "1f"}, Bad{18, "+"}})
        EXPECT_FALSE(reads(with(bad.column, QString::fromLatin1(bad.text)))) << bad.column << " " << bad.text;
    // No process can have an identifier above 2^31 - 1.
    EXPECT_FALSE(reads(with(10, QStringLiteral("2147483648"))));
    EXPECT_TRUE(reads(with(10, QStringLiteral("2147483647"))));
    EXPECT_EQ(parse(with(11, QStringLiteral("4294967295")))[0]->effectivePid(), 4294967295u);
}

TEST(ConnectionsControllerTest, PortsComeOffTheEndOfTheAddressTexts)
{
    using Split = std::pair<QString, std::uint16_t>;
    EXPECT_EQ(TcpConnection::splitPort(QStringLiteral("127.0.0.1.631")), Split(QStringLiteral("127.0.0.1"), 631));
    EXPECT_EQ(TcpConnection::splitPort(QStringLiteral("*.*")), Split(QStringLiteral("*.*"), 0));
    EXPECT_EQ(TcpConnection::splitPort(QStringLiteral("*.22")), Split(QStringLiteral("*"), 22));
    EXPECT_EQ(TcpConnection::splitPort(QStringLiteral("fe80::1%lo0.5353")), Split(QStringLiteral("fe80::1%lo0"), 5353));
    EXPECT_EQ(TcpConnection::splitPort(QStringLiteral("10.80.0.1.80")), Split(QStringLiteral("10.80.0.1"), 80));
    EXPECT_EQ(TcpConnection::splitPort(QStringLiteral("10.0.0.1.65536")), Split(QStringLiteral("10.0.0.1.65536"), 0));
    EXPECT_EQ(TcpConnection::splitPort(QStringLiteral("10.0.0.1.")), Split(QStringLiteral("10.0.0.1."), 0));
    EXPECT_EQ(TcpConnection::splitPort(QStringLiteral("8080")), Split(QStringLiteral("8080"), 8080));
    EXPECT_EQ(TcpConnection::splitPort(QString()), Split(QString(), 0));

    const TcpConnectionList wildcard = parse(with(3, QStringLiteral("*.*")));
    ASSERT_EQ(wildcard.size(), 1);
    EXPECT_EQ(wildcard[0]->localAddress(), QStringLiteral("*.*"));
    EXPECT_EQ(wildcard[0]->localPort(), 0);
    EXPECT_EQ(wildcard[0]->id(), QStringLiteral("*.*-17.57.146.5.443"));
}

TEST(ConnectionsControllerTest, TheFirstLineWithTheSameEndsWinsAndProcessNamesFallBack)
{
    const TcpConnectionList list = parse(with(10, QStringLiteral("50")) + QLatin1Char('\n') + with(10, QStringLiteral("60")) +
                                         QLatin1Char('\n') + with(3, QStringLiteral("10.0.0.2.5000")) + QLatin1Char('\n') +
                                         QStringList{with(3, QStringLiteral("10.0.0.3.1")), QString()}.join(u'\n'));
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0]->pid(), 50u);
    EXPECT_EQ(list[0]->processName(), QStringLiteral("Mail"));
    EXPECT_TRUE(ConnectionsController::containsConnection(list, QStringLiteral("10.0.0.2.5000-17.57.146.5.443")));
    EXPECT_FALSE(ConnectionsController::containsConnection(list, QStringLiteral("10.0.0.2.5000")));

    const TcpConnectionList orphan = parse(with(10, QStringLiteral("7")));
    ASSERT_EQ(orphan.size(), 1);
    EXPECT_FALSE(orphan[0]->executableUrl().has_value());
    EXPECT_FALSE(orphan[0]->app().has_value());
    EXPECT_EQ(orphan[0]->processName(), QStringLiteral("-"));
}

TEST(ConnectionsControllerTest, MergeMatchesEachConnectionByItsEnds)
{
    const TcpConnectionList previous = parse(line() + QLatin1Char('\n') +
                                             QStringList{with(3, QStringLiteral("10.0.0.9.22")), QString()}.join(u'\n'));
    QStringList grown(20);
    grown[6] = QStringLiteral("5200");
    grown[7] = QStringLiteral("100");
    QStringList second = grown;
    second[3] = QStringLiteral("10.0.0.9.22");
    second[6] = QStringLiteral("5010");
    QStringList fresh = grown;
    fresh[3] = QStringLiteral("10.0.0.9.23");
    const TcpConnectionList current = parse(line(grown) + QLatin1Char('\n') + line(second) + QLatin1Char('\n') + line(fresh));
    ASSERT_EQ(current.size(), 3);
    ConnectionsController::mergeConnections(previous, current);
    EXPECT_EQ(current[0]->downloadSpeed(), 200u);
    EXPECT_EQ(current[0]->uploadSpeed(), 0u);
    EXPECT_EQ(current[1]->downloadSpeed(), 10u); // same process, its own earlier entry
    EXPECT_EQ(current[2]->downloadSpeed(), 0u);
    EXPECT_EQ(current[2]->uploadSpeed(), 0u);
}

// A control-block list: a 24-byte generation header, the records, and a closing 24-byte header.
struct Record {
    std::uint32_t length = 248;
    std::uint32_t flag = 1;  // word at 80, whose first byte is the one tested
    std::uint32_t kind = 4;  // word at 244
};

QByteArray blocks(const std::vector<Record>& records, bool closingHeader = true)
{
    QByteArray data(24, '\0');
    const std::uint32_t headerLength = 24;
    std::memcpy(data.data(), &headerLength, 4);
    for (const Record& r : records) {
        QByteArray record(qsizetype(r.length), '\0');
        std::memcpy(record.data(), &r.length, std::min<std::size_t>(4, r.length));
        if (r.length >= 84)
            std::memcpy(record.data() + 80, &r.flag, 4);
        if (r.length >= 248)
            std::memcpy(record.data() + 244, &r.kind, 4);
        data += record;
    }
    if (closingHeader) {
        QByteArray closing(24, '\0');
        std::memcpy(closing.data(), &headerLength, 4);
        data += closing;
    }
    return data;
}

// The count over a copy in a block of exactly its size, so that a read past the end is caught.
std::uint32_t count(const QByteArray& data)
{
    std::unique_ptr<char[]> copy(new char[std::size_t(data.size()) + (data.isEmpty() ? 1 : 0)]);
    std::memcpy(copy.get(), data.constData(), std::size_t(data.size()));
    return ConnectionsController::countSockets(QByteArray::fromRawData(copy.get(), data.size()));
}

TEST(ConnectionsControllerTest, CountsOnlyWholeRecordsThatPassTheTest)
{
    EXPECT_EQ(count(QByteArray()), 0u);
    EXPECT_EQ(count(QByteArray(24, '\x7f')), 0u);
    EXPECT_EQ(count(blocks({})), 0u);
    EXPECT_EQ(count(blocks({{}, {}, {}})), 3u);
    EXPECT_EQ(count(blocks({{}, {248, 0, 4}, {248, 1, 3}, {300, 1, 4}})), 2u);
    // A first record under 25 bytes counts nothing, even with whole records after it.
    EXPECT_EQ(count(blocks({{24}, {}})), 0u);
    // A record of 24 bytes or less ends the walk.
    EXPECT_EQ(count(blocks({{}, {20}, {}})), 1u);
    // Records shorter than the fields tested are stepped over, never read into the next record:
    // here the short record's offsets 80 and 244 would land on a whole record's flag and kind.
    // here the short record's word at 244 would be the next record's word at 80, which reads 4.
    EXPECT_EQ(count(blocks({{164, 1, 4}, {248, 4, 4}})), 1u);
    EXPECT_EQ(count(blocks({{247, 1, 4}, {}})), 1u);
    // The exact end: the last record ends with the buffer (no closing header).
    EXPECT_EQ(count(blocks({{}, {}}, false)), 2u);
    // Truncated: the last record claims more than was delivered.
    QByteArray truncated = blocks({{}, {}}, false);
    truncated.chop(1);
    EXPECT_EQ(count(truncated), 1u);
    truncated.chop(truncated.size() - 24 - 248 - 3); // a length word cut in the middle
    EXPECT_EQ(count(truncated), 1u);
    // A header or record length far beyond the buffer.
    QByteArray hugeHeader = blocks({{}});
    const std::uint32_t huge = 0xffffffffu;
    std::memcpy(hugeHeader.data(), &huge, 4);
    EXPECT_EQ(count(hugeHeader), 0u);
    QByteArray hugeRecord = blocks({{}, {}});
    std::memcpy(hugeRecord.data() + 24 + 248, &huge, 4);
    EXPECT_EQ(count(hugeRecord), 1u);
}

TEST(ConnectionsControllerTest, RefreshCountsBothListsAndListsOnlyWhenAsked)
{
    FakeTool tool(ConnectionsController::commandLine);
    tool.setOutput((line() + QLatin1Char('\n')).toUtf8());
    NetworkToolEnvironment env = environment(tool.program());
    env.controlBlocks = [](const char* protocol) -> std::optional<QByteArray> {
        if (std::strcmp(protocol, "tcp") == 0)
            return blocks({{}, {}, {248, 0, 4}});
        if (std::strcmp(protocol, "udp") == 0)
            return blocks({{}});
        return std::nullopt;
    };
    ConnectionsController controller(true, true, false, env);
    EXPECT_EQ(controller.count(), 0u);
    EXPECT_TRUE(controller.connections().isEmpty());
    EXPECT_EQ(controller.timer(), nullptr);
    QSignalSpy counted(&controller, &ConnectionsController::countChanged);
    QSignalSpy listed(&controller, &ConnectionsController::connectionsChanged);

    controller.refresh();
    EXPECT_EQ(controller.count(), 3u);
    EXPECT_EQ(counted.count(), 1);
    controller.refresh();
    EXPECT_EQ(counted.count(), 2); // written on every refresh
    spin(300);
    EXPECT_EQ(tool.runs(), 0);
    EXPECT_TRUE(controller.connections().isEmpty());

    controller.options()->setLoadConnections(true);
    controller.refresh();
    controller.refresh(); // the first listing still runs: no second one
    ASSERT_TRUE(waitUntil([&] { return listed.count() == 1; }));
    EXPECT_EQ(tool.runs(), 1);
    ASSERT_EQ(controller.connections().size(), 1);

    // A listing cut off at the time limit keeps the one before.
    tool.setDelay("30");
    env.timeLimit = std::chrono::milliseconds(300);
    ConnectionsController slow(false, false, true, env);
    QSignalSpy slowListed(&slow, &ConnectionsController::connectionsChanged);
    slow.refresh();
    EXPECT_TRUE(slow.isListing());
    ASSERT_TRUE(waitUntil([&] { return !slow.isListing(); }));
    EXPECT_EQ(slowListed.count(), 0);
    EXPECT_TRUE(slow.connections().isEmpty());

    // Linux has no control-block lists: this machine's own source counts 0.
    ConnectionsController live(false, false, false);
    live.refresh();
    EXPECT_EQ(live.count(), 0u);
}

TEST(ConnectionsControllerTest, TimerStartsOnceAndAgainAfterStop)
{
    ConnectionsController controller(false, false, false, environment());
    QSignalSpy counted(&controller, &ConnectionsController::countChanged);
    controller.start(0.05);
    QTimer* first = controller.timer();
    ASSERT_NE(first, nullptr);
    controller.start(10);
    EXPECT_EQ(controller.timer(), first);
    EXPECT_EQ(first->interval(), 50);
    ASSERT_TRUE(waitUntil([&] { return counted.count() >= 2; }));
    controller.stop();
    EXPECT_EQ(controller.timer(), nullptr);
    controller.start(1);
    ASSERT_NE(controller.timer(), nullptr);
    EXPECT_EQ(controller.timer()->interval(), 1000);
}

TEST(ConnectionsControllerTest, ABlankConnectionKnowsNothingOfItsEnds)
{
    SystemKit::NetworkConnection connection;
    EXPECT_TRUE(connection.isBlank());
    connection.local = QStringLiteral("10.0.0.1");
    connection.networkProtocol = SystemKit::NetworkProtocol::tcp;
    EXPECT_TRUE(connection.isBlank());
    connection.foreignProtocol = QStringLiteral("https");
    EXPECT_FALSE(connection.isBlank());
    SystemKit::NetworkConnection withPort;
    withPort.localPort = 0;
    EXPECT_FALSE(withPort.isBlank());
}

} // namespace
