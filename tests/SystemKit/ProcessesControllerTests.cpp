#include "SystemKit/Network/ProcessesController.h"

#include "FakeTool.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using SystemKit::NetworkToolEnvironment;
using SystemKit::ProcessesController;
using SystemKit::TrafficProcess;
using SystemKit::TrafficProcessList;

namespace {

// Every process has an executable except 7, whose link cannot be read.
NetworkToolEnvironment environment(const QString& shell = {})
{
    NetworkToolEnvironment result;
    result.shell = shell;
    result.timeLimit = std::chrono::milliseconds(3000);
    result.executablePath = [](std::uint32_t pid) -> std::optional<QString> {
        if (pid == 7)
            return std::nullopt;
        return QStringLiteral("/usr/bin/program%1").arg(pid);
    };
    return result;
}

const char* const header = ",bytes_in,bytes_out,\n";

TrafficProcessList parse(const QString& text)
{
    ProcessesController controller(environment());
    return controller.parse(text);
}

// The totals one line reads as, or none when the line is skipped.
std::optional<std::pair<std::uint64_t, std::uint64_t>> totals(const QString& line)
{
    const TrafficProcessList list = parse(QString::fromLatin1(header) + line + QLatin1Char('\n'));
    if (list.isEmpty())
        return std::nullopt;
    EXPECT_EQ(list.size(), 1);
    return std::make_pair(list[0]->download(), list[0]->upload());
}

std::shared_ptr<TrafficProcess> process(std::uint32_t pid, std::uint64_t download, std::uint64_t upload)
{
    return std::make_shared<TrafficProcess>(QUrl::fromLocalFile(QStringLiteral("/bin/x")), QStringLiteral("x"), pid,
                                            download, upload);
}

TEST(ProcessesControllerTest, ReadsTheToolsLinesInOrderAfterTheHeader)
{
    const TrafficProcessList list = parse(QStringLiteral(",bytes_in,bytes_out,\n"
                                                         "launchd.1,0,0,\n"
                                                         "com.example.helper.agent.812,10,20,\n"
                                                         "Mail.4410,123456789012,98765,extra,fields\n"));
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0]->name(), QStringLiteral("launchd"));
    EXPECT_EQ(list[0]->pid(), 1u);
    EXPECT_EQ(list[1]->name(), QStringLiteral("com.example.helper.agent"));
    EXPECT_EQ(list[1]->pid(), 812u);
    EXPECT_EQ(list[1]->download(), 10u);
    EXPECT_EQ(list[1]->upload(), 20u);
    EXPECT_EQ(list[1]->executable(), QUrl::fromLocalFile(QStringLiteral("/usr/bin/program812")));
    EXPECT_EQ(list[2]->download(), 123456789012u);
    EXPECT_EQ(list[2]->upload(), 98765u);
    for (const auto& p : list) {
        EXPECT_TRUE(p->firstRefresh());
        EXPECT_EQ(p->downloadSpeed(), 0u);
        EXPECT_EQ(p->uploadSpeed(), 0u);
    }
    EXPECT_NE(list[0]->id(), list[1]->id());
    EXPECT_FALSE(*list[0] == *list[1]);
}

TEST(ProcessesControllerTest, HeaderOnlyEmptyOrShortOutputGivesNoProcess)
{
    EXPECT_TRUE(parse(QString()).isEmpty());
    EXPECT_TRUE(parse(QStringLiteral(",bytes_in,bytes_out,")).isEmpty());
    EXPECT_TRUE(parse(QStringLiteral(",bytes_in,bytes_out,\n")).isEmpty());
    // Line 0 is never a process, even when it reads like one.
    const TrafficProcessList list = parse(QStringLiteral("header.5,1,2\nreal.6,3,4"));
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0]->pid(), 6u);
    // Carriage returns and the other line ends split lines; the empty lines between are skipped.
    const TrafficProcessList crlf =
        parse(QString::fromUtf16(u",h\r\na.1,1,2\r\nb.2,3,4\u2028c.3,5,6\u0085d.4,7,8\fe.5,9,10\vf.6,11,12"));
    ASSERT_EQ(crlf.size(), 6);
    EXPECT_EQ(crlf[5]->upload(), 12u);
}

TEST(ProcessesControllerTest, ByteFieldsReadOnlyAsPlainUnsignedNumbers)
{
    EXPECT_EQ(totals(QStringLiteral("a.1,+15,-0")), std::make_pair(std::uint64_t(15), std::uint64_t(0)));
    EXPECT_EQ(totals(QStringLiteral("a.1,18446744073709551615,007")),
              std::make_pair(std::uint64_t(18446744073709551615u), std::uint64_t(7)));
    for (const char* bad : {"-1", "1.5", "", "18446744073709551616", "99999999999999999999999", " 12", "12 ", "0x10",
                            "+", "-", "+-1", "1e3", "\xef\xbc\x91"}) {
        EXPECT_FALSE(totals(QStringLiteral("a.1,%1,5").arg(QString::fromUtf8(bad)))) << bad;
        EXPECT_FALSE(totals(QStringLiteral("a.1,5,%1").arg(QString::fromUtf8(bad)))) << bad;
    }
    // Short records and truncated lines.
    EXPECT_FALSE(totals(QStringLiteral("a.1,5")));
    EXPECT_FALSE(totals(QStringLiteral("a.1")));
    EXPECT_FALSE(totals(QStringLiteral(",")));
    EXPECT_FALSE(totals(QStringLiteral(",,")));
    EXPECT_TRUE(totals(QStringLiteral("a.1,5,6,")));
}

TEST(ProcessesControllerTest, ProcessFieldSplitsAtTheLastDotBeforeDigits)
{
    using Match = std::optional<std::pair<QString, std::uint32_t>>;
    EXPECT_EQ(ProcessesController::matchProcessField(u"Google Chrome He.812"), Match({QStringLiteral("Google Chrome He"), 812}));
    EXPECT_EQ(ProcessesController::matchProcessField(u"a.b.c.0"), Match({QStringLiteral("a.b.c"), 0}));
    EXPECT_EQ(ProcessesController::matchProcessField(u"..5"), Match({QStringLiteral("."), 5}));
    EXPECT_EQ(ProcessesController::matchProcessField(u"x.2147483647"), Match({QStringLiteral("x"), 2147483647u}));
    for (const char16_t* bad : {u"name", u"name.", u".12", u"name.12a", u"name.1 ", u"name.-1", u"name.+5", u"name.1.x",
                                u"name.2147483648", u"name.4294967295", u"name.4294967296",
                                u"name.99999999999999999999999", u"name.\uff11", u""}) {
        EXPECT_FALSE(ProcessesController::matchProcessField(bad)) << QString::fromUtf16(bad).toStdString();
    }
}

TEST(ProcessesControllerTest, LinesWhoseProcessCannotBeFoundOrIsOutOfRangeAreLeftOut)
{
    const TrafficProcessList list = parse(QStringLiteral("h\nnoexe.7,1,2\nbig.3000000000,1,2\nnodot,1,2\nkept.8,1,2\n"));
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0]->pid(), 8u);
}

TEST(ProcessesControllerTest, MergeTakesGrowthFromTheFirstEarlierEntryOfTheSamePid)
{
    const TrafficProcessList previous{process(10, 1000, 500), process(11, 1, 1), process(10, 0, 0)};
    const TrafficProcessList current{process(10, 1500, 400), process(12, 99, 99), process(11, 1, 5)};
    ProcessesController::merge(previous, current);
    EXPECT_EQ(current[0]->downloadSpeed(), 500u);
    EXPECT_EQ(current[0]->uploadSpeed(), 0u); // went down
    EXPECT_EQ(current[1]->downloadSpeed(), 0u); // new
    EXPECT_EQ(current[1]->uploadSpeed(), 0u);
    EXPECT_EQ(current[2]->downloadSpeed(), 0u);
    EXPECT_EQ(current[2]->uploadSpeed(), 4u);
    // The earlier list is not touched.
    EXPECT_EQ(previous[0]->downloadSpeed(), 0u);

    const auto one = process(1, 10, 20);
    QSignalSpy downloadChanged(one.get(), &TrafficProcess::downloadSpeedChanged);
    one->setDownloadSpeed(3);
    one->setUploadSpeed(4);
    EXPECT_EQ(downloadChanged.count(), 1);
    EXPECT_EQ(one->speed(), 7u);
    EXPECT_EQ(one->total(), 30u);
}

TEST(ProcessesControllerTest, RefreshRunsTheToolWithoutBlockingAndReplacesTheList)
{
    FakeTool tool(ProcessesController::commandLine);
    ProcessesController controller(environment(tool.program()));
    QSignalSpy changed(&controller, &ProcessesController::processesChanged);
    EXPECT_TRUE(controller.processes().isEmpty());
    EXPECT_EQ(controller.totalSpeed(), 0u);

    tool.setOutput("h\nsshd.100,1000,500\nbrowser.200,40,4\n");
    controller.refresh();
    EXPECT_TRUE(controller.isRefreshing());
    EXPECT_TRUE(controller.processes().isEmpty()); // nothing until the tool has ended
    ASSERT_TRUE(waitUntil([&] { return changed.count() == 1; }));
    ASSERT_EQ(controller.processes().size(), 2);
    EXPECT_EQ(controller.totalDownloadSpeed(), 0u);

    // A process that is gone for one listing starts from 0 again when it comes back.
    tool.setOutput("h\nsshd.100,1500,400\n");
    controller.refresh();
    ASSERT_TRUE(waitUntil([&] { return changed.count() == 2; }));
    tool.setOutput("h\nsshd.100,1600,450\nbrowser.200,90,9\n");
    controller.refresh();
    ASSERT_TRUE(waitUntil([&] { return changed.count() == 3; }));
    ASSERT_EQ(controller.processes().size(), 2);
    EXPECT_EQ(controller.processes()[0]->downloadSpeed(), 100u);
    EXPECT_EQ(controller.processes()[0]->uploadSpeed(), 50u);
    EXPECT_EQ(controller.processes()[1]->downloadSpeed(), 0u);
    EXPECT_EQ(controller.totalDownloadSpeed(), 100u);
    EXPECT_EQ(controller.totalUploadSpeed(), 50u);
    EXPECT_EQ(controller.totalSpeed(), 150u);
    EXPECT_EQ(tool.runs(), 3);

    // Output that holds no process line (the tool is missing, the shell complains) empties the list.
    tool.setOutput("bash: nettop: command not found\n");
    controller.refresh();
    ASSERT_TRUE(waitUntil([&] { return changed.count() == 4; }));
    EXPECT_TRUE(controller.processes().isEmpty());
}

TEST(ProcessesControllerTest, ASlowToolIsRunOnceAndKilledAtItsTimeLimitKeepingTheList)
{
    FakeTool tool(ProcessesController::commandLine);
    // The tool's quick runs take up to 160 ms under the sanitizers on a loaded machine: its time limit
    // stays far above that.
    NetworkToolEnvironment slow = environment(tool.program());
    slow.timeLimit = std::chrono::milliseconds(3000);
    ProcessesController controller(slow);
    QSignalSpy changed(&controller, &ProcessesController::processesChanged);
    tool.setOutput("h\nsshd.100,1000,500\n");
    controller.refresh();
    ASSERT_TRUE(waitUntil([&] { return changed.count() == 1; }));

    tool.setDelay("30");
    controller.refresh();
    controller.refresh(); // still running: no second run
    ASSERT_TRUE(waitUntil([&] { return !controller.isRefreshing(); }));
    EXPECT_EQ(tool.runs(), 2);
    EXPECT_EQ(changed.count(), 1);
    ASSERT_EQ(controller.processes().size(), 1);
    EXPECT_EQ(controller.processes()[0]->download(), 1000u);

    // A controller that goes away while its tool runs stops the tool and hears nothing of it.
    tool.setDelay("0.3");
    {
        ProcessesController leaving(slow);
        leaving.refresh();
        ASSERT_TRUE(waitUntil([&] { return tool.runs() == 3; }));
    }
    spin(600);
    EXPECT_EQ(tool.runs(), 3);
}

TEST(ProcessesControllerTest, AShellThatCannotStartGivesAnEmptyList)
{
    FakeTool tool(ProcessesController::commandLine);
    tool.setOutput("h\nsshd.100,1000,500\n");
    auto env = environment(tool.program());
    ProcessesController controller(env);
    QSignalSpy changed(&controller, &ProcessesController::processesChanged);
    controller.refresh();
    ASSERT_TRUE(waitUntil([&] { return changed.count() == 1; }));
    ASSERT_EQ(controller.processes().size(), 1);

    env.shell = QStringLiteral("/nonexistent/kestrion/shell");
    ProcessesController broken(env);
    QSignalSpy brokenChanged(&broken, &ProcessesController::processesChanged);
    broken.refresh();
    ASSERT_TRUE(waitUntil([&] { return brokenChanged.count() == 1; }));
    EXPECT_TRUE(broken.processes().isEmpty());
    EXPECT_FALSE(broken.isRefreshing());
}

} // namespace
