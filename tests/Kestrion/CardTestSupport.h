#pragma once

#include "Kestrion/Cards/CardLookSettings.h"

#include "Platform/PropertyList/Defaults.h"
#include "Platform/Proc/HostStatistics.h"
#include "Platform/Registry/InMemoryRegistry.h"
#include "Platform/Proc/ProcessTable.h"
#include "SystemKit/Processor/MemoryController.h"
#include "SystemKit/Processor/ProcessorController.h"
#include "ViewKit/Canvas.h"
#include "ViewKit/VKTheme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUuid>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

// A defaults suite of its own for one test, with the card look over it.
struct LookFixture {
    Platform::Defaults defaults{QStringLiteral("cards-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces)};
    Kestrion::CardLookSettings settings{defaults};
};

// Processor ticks of one /proc/stat line: user, nice, system, idle.
struct Ticks {
    quint64 user = 0, nice = 0, system = 0, idle = 0;
};

// One process of a synthetic process table: processor ticks (user + system) and resident pages.
struct FakeProcess {
    int pid = 0;
    QString name;
    quint64 ticks = 0;
    quint64 residentPages = 0;
};

// A /proc tree written by the test, read by samplers built on it. The processor sampler's clocks
// are driven by the test: advance() moves them on between two samples.
class SyntheticMachine {
public:
    SyntheticMachine()
    {
        EXPECT_TRUE(m_dir.isValid());
        QDir(m_dir.path()).mkpath(QStringLiteral("proc/self"));
        QDir(m_dir.path()).mkpath(QStringLiteral("proc/sys"));
        write(QStringLiteral("proc/loadavg"), "0.50 0.50 0.50 3/812 12345\n");
        setMemory("MemTotal: 8388608 kB\nMemFree: 1048576 kB\nActive: 2097152 kB\nInactive: 1048576 kB\n");
        setTicks(Ticks{100, 0, 100, 800}, {});
    }

    QString root() const { return m_dir.path(); }

    void write(const QString& relative, const QByteArray& contents)
    {
        const QString file = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(contents);
    }

    void setMemory(const QByteArray& meminfo) { write(QStringLiteral("proc/meminfo"), meminfo); }

    // The host line and one line per processor.
    void setTicks(const Ticks& host, const std::vector<Ticks>& cpus)
    {
        auto line = [](const QByteArray& name, const Ticks& t) {
            return name + ' ' + QByteArray::number(t.user) + ' ' + QByteArray::number(t.nice) + ' ' +
                   QByteArray::number(t.system) + ' ' + QByteArray::number(t.idle) + " 0 0 0 0 0 0\n";
        };
        QByteArray stat = line("cpu ", host);
        for (size_t i = 0; i < cpus.size(); ++i)
            stat += line("cpu" + QByteArray::number(qulonglong(i)), cpus[i]);
        stat += "btime 1765000000\nprocesses 5432\nprocs_running 2\nprocs_blocked 0\n";
        write(QStringLiteral("proc/stat"), stat);
    }

    // Replaces the process table.
    void setProcesses(const std::vector<FakeProcess>& processes)
    {
        QDir proc(m_dir.filePath(QStringLiteral("proc")));
        for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            bool numeric = false;
            entry.toInt(&numeric);
            if (numeric)
                QDir(proc.filePath(entry)).removeRecursively();
        }
        for (const FakeProcess& p : processes)
            setProcess(p);
    }

    // Writes one process's files, in place where they exist (as the kernel's files change under a
    // reader that keeps them open).
    void setProcess(const FakeProcess& p)
    {
        const QByteArray pid = QByteArray::number(p.pid);
        const QByteArray stat = pid + " (" + p.name.toUtf8() + ") S 1 " + pid + ' ' + pid +
                                " 0 -1 4194560 1200 0 3 0 " + QByteArray::number(p.ticks) +
                                " 0 0 0 20 0 1 0 4321 123456789 " + QByteArray::number(p.residentPages) +
                                " 18446744073709551615 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n";
        write(QStringLiteral("proc/") + QString::fromLatin1(pid) + QStringLiteral("/stat"), stat);
        write(QStringLiteral("proc/") + QString::fromLatin1(pid) + QStringLiteral("/cmdline"), p.name.toUtf8() + '\0');
    }

    // What a processor sampler over this tree reads, with `processors` processor entries in its
    // registry and the process table keeping its files open as `openFiles` says.
    SystemKit::ProcessorEnvironment processorEnvironment(
        int processors = 0, Platform::ProcessTable::OpenFiles openFiles = Platform::ProcessTable::OpenFiles::automatic)
    {
        for (int i = 0; i < processors; ++i)
            m_registry->addEntry(std::nullopt, QStringLiteral("processor"), QStringLiteral("IOPlatformDevice"));
        SystemKit::ProcessorEnvironment environment;
        environment.host = std::make_shared<Platform::HostStatistics>(root());
        environment.processTable = std::make_shared<Platform::ProcessTable>(root(), openFiles);
        environment.registry = m_registry;
        environment.currentTime = [this] { return m_wall; };
        environment.monotonicNanoseconds = [this] { return m_monotonic; };
        environment.activeProcessorCount = [] { return std::uint32_t(8); };
        environment.logicalProcessorCount = [] { return std::uint32_t(8); };
        environment.threadCount = [] { return std::uint32_t(8); };
        environment.isAppleSilicon = [] { return false; };
        return environment;
    }

    std::unique_ptr<SystemKit::ProcessorController> makeProcessor(int processors = 0)
    {
        return std::make_unique<SystemKit::ProcessorController>(30, processorEnvironment(processors));
    }

    std::unique_ptr<SystemKit::MemoryController> makeMemory()
    {
        return std::make_unique<SystemKit::MemoryController>(30, std::make_shared<Platform::HostStatistics>(root()));
    }

    void advance(double seconds)
    {
        m_wall += seconds;
        m_monotonic += std::int64_t(seconds * 1e9);
    }

private:
    QTemporaryDir m_dir;
    std::shared_ptr<Platform::InMemoryRegistry> m_registry = std::make_shared<Platform::InMemoryRegistry>();
    double m_wall = 1765000100.0;
    std::int64_t m_monotonic = 5'000'000'000;
};

inline constexpr qreal cardRatios[] = {1.0, 2.0};

// Shows a widget offscreen at a size in a colour scheme and renders it at a device-pixel ratio.
inline QImage renderWidget(QWidget& widget, QSize size, qreal ratio)
{
    widget.resize(size);
    widget.show();
    if (widget.layout())
        widget.layout()->activate();
    QImage image = makeCanvas(size, ratio);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

inline void applyScheme(QWidget& widget, ViewKit::VKColorScheme scheme)
{
    widget.setPalette(ViewKit::VKTheme::palette(scheme));
}

// The point on the centre line of a ring of `lineWidth` in the square `square` at a clock angle
// (degrees clockwise from 12 o'clock).
inline QPointF ringPoint(const QRectF& square, qreal lineWidth, double clockDegrees)
{
    const double a = clockDegrees * std::numbers::pi / 180;
    const double radius = (square.width() - lineWidth) / 2;
    return QPointF(square.center().x() + radius * std::sin(a), square.center().y() - radius * std::cos(a));
}

// A process record for the list tests.
inline std::shared_ptr<SystemKit::RunningProcess> process(int pid, const QString& name, float cpu, quint64 bytes = 0)
{
    auto p = std::make_shared<SystemKit::RunningProcess>(pid, 1);
    p->setName(name);
    p->cpu().setUsage(cpu);
    p->memory().setTotalBytes(bytes);
    return p;
}
