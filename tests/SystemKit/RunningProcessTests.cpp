#include "SystemKit/Processor/ProcessTree.h"
#include "SystemKit/Processor/RunningProcess.h"

#include <QJsonDocument>
#include <QSet>

#include <gtest/gtest.h>

using SystemKit::ProcessTree;
using SystemKit::RunningProcess;

TEST(RunningProcess, NewProcessStartsEmptyWithItsOwnId)
{
    RunningProcess a(42, 1);
    RunningProcess b(42, 1);
    EXPECT_EQ(a.pid(), 42);
    EXPECT_EQ(a.ppid(), 1);
    EXPECT_TRUE(a.name().isEmpty());
    EXPECT_EQ(a.cpu().time(), 0.0);
    EXPECT_EQ(a.cpuUsage(), 0.0f);
    EXPECT_EQ(a.memoryUsage(), 0u);
    EXPECT_EQ(a.sent() + a.received() + a.traffic(), 0u);
    EXPECT_FALSE(a.id().isNull());
    EXPECT_FALSE(a == b); // equality is by id alone
    EXPECT_TRUE(a == a);
}

TEST(RunningProcess, IdsAreRandomVersionFourAndDistinct)
{
    QSet<QUuid> ids;
    for (int i = 0; i < 5000; ++i) {
        const RunningProcess process(i, 1);
        EXPECT_EQ(process.id().version(), QUuid::Random);
        EXPECT_EQ(process.id().variant(), QUuid::DCE);
        ids.insert(process.id());
    }
    EXPECT_EQ(ids.size(), 5000);
}

TEST(RunningProcess, CodingKeepsEveryPropertyAndRefusesBadInput)
{
    RunningProcess process(7, 3);
    process.setName(QStringLiteral("Grüße (x)"));
    process.cpu().setTime(12.5);
    process.cpu().setUsage(33.25f);
    process.memory().setTotalBytes(123456789012ull);
    process.setSent(10);
    process.setReceived(20);
    process.setTraffic(30);
    const QJsonObject json = process.toJson();
    EXPECT_EQ(json.keys(), (QStringList{"cpu", "id", "memory", "name", "pid", "ppid", "received", "sent", "traffic"}));
    EXPECT_EQ(json.value("cpu").toObject().keys(), (QStringList{"time", "usage"}));
    EXPECT_EQ(json.value("memory").toObject().keys(), QStringList{"totalBytes"});

    const auto copy = RunningProcess::fromJson(QJsonDocument::fromJson(QJsonDocument(json).toJson()).object());
    ASSERT_TRUE(copy);
    EXPECT_TRUE(*copy == process);
    EXPECT_EQ(copy->name(), process.name());
    EXPECT_EQ(copy->cpu().time(), 12.5);
    EXPECT_EQ(copy->cpuUsage(), 33.25f);
    EXPECT_EQ(copy->memoryUsage(), 123456789012ull);
    EXPECT_EQ(copy->pid(), 7);
    EXPECT_EQ(copy->ppid(), 3);
    EXPECT_EQ(copy->sent(), 10u);
    EXPECT_EQ(copy->received(), 20u);
    EXPECT_EQ(copy->traffic(), 30u);

    QJsonObject bad = json;
    bad["pid"] = 1.5;
    EXPECT_FALSE(RunningProcess::fromJson(bad));
    bad = json;
    bad["sent"] = -1;
    EXPECT_FALSE(RunningProcess::fromJson(bad));
    bad = json;
    bad["id"] = "not a uuid";
    EXPECT_FALSE(RunningProcess::fromJson(bad));
    bad = json;
    bad.remove("memory");
    EXPECT_FALSE(RunningProcess::fromJson(bad));
}

TEST(ProcessTree, KeepsOneProcessPerPidInPidOrder)
{
    ProcessTree tree;
    tree.insert(std::make_shared<RunningProcess>(30, 1));
    tree.insert(std::make_shared<RunningProcess>(10, 1));
    tree.insert(std::make_shared<RunningProcess>(20, 1));
    auto replacement = std::make_shared<RunningProcess>(10, 5);
    tree.insert(replacement);
    tree.insert(nullptr);
    ASSERT_EQ(tree.size(), 3u);
    EXPECT_EQ(tree.processes()[0]->pid(), 10);
    EXPECT_EQ(tree.processes()[1]->pid(), 20);
    EXPECT_EQ(tree.processes()[2]->pid(), 30);
    EXPECT_EQ(tree.find(10), replacement.get());
    EXPECT_EQ(tree.find(15), nullptr);
    EXPECT_EQ(tree.find(31), nullptr);
}
