#include "SystemKit/Processor/ProcessorController.h"

#include "ProcessorTestEnvironment.h"

#include "Platform/Registry/ProcessorRegistryAdapter.h"
#include "Platform/Registry/SysfsRegistry.h"

#include <QSignalSpy>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>

using SystemKit::ProcessorController;

namespace {
QByteArray littleEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray littleEndian64(quint64 value)
{
    QByteArray bytes(8, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

std::vector<float> usages(const ProcessorController& cpu)
{
    std::vector<float> result;
    for (const auto& core : cpu.cores())
        result.push_back(core->usage());
    return result;
}
} // namespace

TEST(ProcessorCores, OneCorePerRegistryEntryUpToTheThreadCount)
{
    ProcessorTestEnvironment env(QStringLiteral("ticks/first"));
    env.threadCount = 2;
    const auto first = env.registry->addEntry(std::nullopt, QStringLiteral("processor"), QStringLiteral("IOPlatformDevice"),
                                              {{QStringLiteral("clock-frequency"), littleEndian32(3600000000u)}});
    env.registry->addEntry(std::nullopt, QStringLiteral("processor"), QStringLiteral("IOPlatformDevice"),
                           {{QStringLiteral("clock-frequency"), littleEndian64(5000000000ull)},
                            {QStringLiteral("bus-frequency"), QByteArray()},
                            {QStringLiteral("timebase-frequency"), QStringLiteral("24000000")}});
    env.addProcessors(2);
    env.registry->addEntry(std::nullopt, QStringLiteral("cpu"), QStringLiteral("IOPlatformDevice"));
    auto cpu = env.makeSampler();
    QSignalSpy spy(cpu.get(), &ProcessorController::coresChanged);
    cpu->refresh();
    EXPECT_EQ(spy.count(), 1 + 2); // emptied, then once per core

    ASSERT_EQ(cpu->cores().size(), 2);
    const auto& core0 = *cpu->cores()[0];
    const auto& core1 = *cpu->cores()[1];
    EXPECT_EQ(core0.cpuId(), 0);
    EXPECT_EQ(core1.cpuId(), 1);
    EXPECT_FALSE(core0.isAppleSilicon());
    EXPECT_EQ(core0.clockFrequency(), 3600000000u);
    EXPECT_EQ(core0.busFrequency(), std::nullopt);
    EXPECT_EQ(core1.clockFrequency(), 5000000000u); // a 64-bit value is not cut to 32 bits
    EXPECT_EQ(core1.busFrequency(), 0u);            // empty data reads as 0
    EXPECT_EQ(core1.timebaseFrequency(), std::nullopt); // text is no number
    EXPECT_EQ(core0.isFirestorm(), std::nullopt);
    (void)first;

    const QUuid before = core0.id();
    cpu->refresh();
    EXPECT_NE(cpu->cores()[0]->id(), before); // rebuilt at every sample
}

TEST(ProcessorCores, CoreTypeFromCompatibleInAnyCase)
{
    ProcessorTestEnvironment env(QStringLiteral("ticks/first"));
    env.appleSilicon = true;
    env.registry->addEntry(std::nullopt, QStringLiteral("cpu"), QStringLiteral("AppleARMCPU"),
                           {{QStringLiteral("compatible"), QByteArray("apple,FIRESTORM\0ARM,v8", 23)}});
    env.registry->addEntry(std::nullopt, QStringLiteral("cpu"), QStringLiteral("AppleARMCPU"),
                           {{QStringLiteral("compatible"), QByteArray("apple,icestorm")}});
    env.registry->addEntry(std::nullopt, QStringLiteral("cpu"), QStringLiteral("AppleARMCPU"),
                           {{QStringLiteral("compatible"), QByteArray("\xff\xfe firestorm")}});
    env.addProcessors(1); // "processor" entries are not read on this machine
    auto cpu = env.makeSampler();
    cpu->refresh();
    ASSERT_EQ(cpu->cores().size(), 3);
    EXPECT_TRUE(cpu->cores()[0]->isAppleSilicon());
    EXPECT_EQ(cpu->cores()[0]->isFirestorm(), true);
    EXPECT_EQ(cpu->cores()[0]->isIcestorm(), std::nullopt);
    EXPECT_EQ(cpu->cores()[1]->isIcestorm(), true);
    EXPECT_EQ(cpu->cores()[1]->isFirestorm(), std::nullopt);
    EXPECT_EQ(cpu->cores()[2]->isFirestorm(), std::nullopt); // not UTF-8: no text
}

TEST(ProcessorCores, LoadsSinceBootThenOverTheInterval)
{
    ProcessorTestEnvironment env(QStringLiteral("ticks/first"));
    env.addProcessors(3); // a third processor without ticks gets no value
    auto cpu = env.makeSampler();
    cpu->refresh();
    // cpu0 since boot: busy 600 + 25 + 225 of 850 + 4050.
    EXPECT_FLOAT_EQ(cpu->cores()[0]->usage(), float(850.0 / 4900.0));
    EXPECT_EQ(cpu->cores()[2]->usage(), 0.0f);

    env.root.load(QStringLiteral("ticks/second"));
    cpu->refresh();
    EXPECT_EQ(usages(*cpu), (std::vector<float>{0.3f, 0.25f, 0.0f}));

    env.root.load(QStringLiteral("ticks/second"));
    cpu->refresh();
    EXPECT_EQ(usages(*cpu), (std::vector<float>{0.0f, 0.0f, 0.0f})); // no tick elapsed: 0, not NaN
}

TEST(ProcessorCores, ProcessorGoingOfflineAndBackGetsNoValueMeanwhile)
{
    ProcessorTestEnvironment env(QStringLiteral("ticks/first"));
    env.addProcessors(2);
    auto cpu = env.makeSampler();
    cpu->refresh();
    env.root.load(QStringLiteral("ticks/offline"));
    cpu->refresh();
    EXPECT_EQ(usages(*cpu), (std::vector<float>{0.3f, 0.0f}));
    env.root.load(QStringLiteral("ticks/online-again"));
    cpu->refresh();
    // cpu0: busy 20 + 10 + 0 of 30 + 70 + 0; cpu1 had no reading in the previous sample.
    EXPECT_FLOAT_EQ(cpu->cores()[0]->usage(), float(30.0 / 100.0));
    EXPECT_EQ(cpu->cores()[1]->usage(), 0.0f);
}

TEST(ProcessorCores, OfflineProcessorGetsNoCoreAndEveryOtherCoreItsOwnLoad)
{
    // Processors 0 to 7 present, 3 offline: the registry lists eight processors, seven are in use.
    // Since boot, processor N was busy (N + 1) × 10 % of the time.
    ProcessorTestEnvironment env(QStringLiteral("ticks/offline-3"));
    auto registry = std::make_shared<Platform::SysfsRegistry>(env.root.path());
    registry->addAdapter(std::make_unique<Platform::ProcessorRegistryAdapter>(env.root.path()));
    SystemKit::ProcessorEnvironment environment;
    environment.host = std::make_shared<Platform::HostStatistics>(env.root.path());
    environment.processTable = std::make_shared<Platform::ProcessTable>(env.root.path());
    environment.registry = registry;
    environment.currentTime = [&env] { return env.wallTime; };
    environment.monotonicNanoseconds = [&env] { return env.monotonic.load(); };
    environment.activeProcessorCount = [] { return std::uint32_t(7); };
    environment.logicalProcessorCount = [] { return std::uint32_t(7); };
    environment.threadCount = [] { return std::uint32_t(7); };
    environment.isAppleSilicon = [] { return false; };
    ProcessorController cpu(30, environment);
    ASSERT_EQ(registry->entriesNamed(QStringLiteral("processor")).size(), 8u);

    cpu.refresh();
    ASSERT_EQ(cpu.cores().size(), 7);
    EXPECT_EQ(usages(cpu), (std::vector<float>{0.1f, 0.2f, 0.3f, 0.5f, 0.6f, 0.7f, 0.8f}));
    for (qsizetype i = 0; i < cpu.cores().size(); ++i)
        EXPECT_EQ(cpu.cores()[i]->cpuId(), i); // the index in the list

    // Over the next interval processor N is busy N × 10 %.
    QByteArray stat = "cpu  0 0 0 0 0 0 0 0 0 0\n";
    for (int n : {0, 1, 2, 4, 5, 6, 7}) {
        const int user = 10 * (n + 1) + 10 * n;
        const int idle = 100 - 10 * (n + 1) + 100 - 10 * n;
        stat += "cpu" + QByteArray::number(n) + ' ' + QByteArray::number(user) + " 0 0 " + QByteArray::number(idle)
                + " 0 0 0 0 0 0\n";
    }
    env.root.write(QStringLiteral("proc/stat"), stat + "btime 1765000000\n");
    env.advance(1);
    cpu.refresh();
    EXPECT_EQ(usages(cpu), (std::vector<float>{0.0f, 0.1f, 0.2f, 0.4f, 0.5f, 0.6f, 0.7f}));

    // A failed read keeps the same cores with their loads.
    env.root.remove(QStringLiteral("proc/stat"));
    cpu.refresh();
    EXPECT_EQ(usages(cpu), (std::vector<float>{0.0f, 0.1f, 0.2f, 0.4f, 0.5f, 0.6f, 0.7f}));
}

TEST(ProcessorCores, FailedReadKeepsThePreviousLoads)
{
    ProcessorTestEnvironment env(QStringLiteral("ticks/first"));
    env.addProcessors(2);
    auto cpu = env.makeSampler();
    cpu->refresh();
    env.root.load(QStringLiteral("ticks/second"));
    cpu->refresh();
    env.root.load(QStringLiteral("ticks/broken"));
    cpu->refresh();
    EXPECT_EQ(usages(*cpu), (std::vector<float>{0.3f, 0.25f}));
}

TEST(ProcessorCores, CountersThatWentDownOrPassThirtyTwoBitsStaySound)
{
    ProcessorTestEnvironment env(QStringLiteral("ticks/first"));
    env.addProcessors(1);
    auto cpu = env.makeSampler();
    // Since boot on a machine up for years: sums beyond 2^32.
    env.root.write(QStringLiteral("proc/stat"), "cpu  1 1 1 1\ncpu0 3000000000 0 1000000000 4000000000 0 0 0 0 0 0\n");
    cpu->refresh();
    EXPECT_FLOAT_EQ(cpu->cores()[0]->usage(), 0.5f);
    env.root.write(QStringLiteral("proc/stat"), "cpu  1 1 1 1\ncpu0 3000000100 0 999999999 4000000100 0 0 0 0 0 0\n");
    cpu->refresh();
    // system went down: counts 0; busy 100 of 200.
    EXPECT_FLOAT_EQ(cpu->cores()[0]->usage(), 0.5f);
    EXPECT_GE(cpu->cores()[0]->usage(), 0.0f);
}

TEST(ProcessorCores, NoRegistryEntriesMeanNoCores)
{
    ProcessorTestEnvironment env(QStringLiteral("ticks/first"));
    auto cpu = env.makeSampler();
    cpu->refresh();
    EXPECT_TRUE(cpu->cores().isEmpty());
}
