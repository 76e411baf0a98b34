#include "SystemKit/Network/ProcessesController.h"

#include "SystemKit/Network/ToolText.h"

#include "BaseKit/Services/Shell.h"

#include <QHash>

#include <limits>

namespace SystemKit {

const QString ProcessesController::commandLine = QStringLiteral(
    "nettop -P -L 1 -n -k time,interface,state,rx_dupe,rx_ooo,re-tx,rtt_avg,rcvsize,tx_win,tc_class,tc_mgt,cc_algo,P,C,R,"
    "W,arch");

ProcessesController::ProcessesController(QObject* parent) : ProcessesController(NetworkToolEnvironment{}, parent) {}

ProcessesController::ProcessesController(NetworkToolEnvironment environment, QObject* parent)
    : QObject(parent), m_environment(environment.completed())
{
    qRegisterMetaType<SystemKit::TrafficProcessList>();
}

std::uint64_t ProcessesController::totalDownloadSpeed() const
{
    std::uint64_t sum = 0;
    for (const auto& process : m_processes)
        sum += process->downloadSpeed();
    return sum;
}

std::uint64_t ProcessesController::totalUploadSpeed() const
{
    std::uint64_t sum = 0;
    for (const auto& process : m_processes)
        sum += process->uploadSpeed();
    return sum;
}

void ProcessesController::refresh()
{
    if (m_running)
        return;
    m_running = true;
    BaseKit::Shell::start(
        QStringList{commandLine}, m_environment.timeLimit, this,
        [this](const BaseKit::ShellOutput& result) {
            m_running = false;
            // A killed listing may end inside a line: nothing of it is taken.
            if (result.timedOut)
                return;
            apply(result.output);
        },
        m_environment.shell);
}

void ProcessesController::apply(const std::optional<QString>& output)
{
    if (!output)
        return;
    const TrafficProcessList previous = m_processes;
    TrafficProcessList current = parse(*output);
    merge(previous, current);
    m_processes = std::move(current);
    emit processesChanged();
}

TrafficProcessList ProcessesController::parse(QStringView output) const
{
    TrafficProcessList result;
    const QList<QStringView> lines = ToolText::lines(output);
    if (lines.size() < 2)
        return result;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QStringView> fields = lines[i].split(u',');
        if (fields.size() < 3)
            continue;
        const auto process = matchProcessField(fields[0]);
        if (!process)
            continue;
        const auto download = ToolText::read<std::uint64_t>(fields[1]);
        if (!download)
            continue;
        const auto upload = ToolText::read<std::uint64_t>(fields[2]);
        if (!upload)
            continue;
        const std::optional<QString> executable = m_environment.executablePath(process->second);
        if (!executable)
            continue;
        result.append(std::make_shared<TrafficProcess>(QUrl::fromLocalFile(*executable), process->first, process->second,
                                                       *download, *upload));
    }
    return result;
}

std::optional<std::pair<QString, std::uint32_t>> ProcessesController::matchProcessField(QStringView field)
{
    const qsizetype dot = field.lastIndexOf(u'.');
    if (dot < 1 || dot + 1 >= field.size())
        return std::nullopt; // no name before the dot, or no digits after it
    const QStringView digits = field.sliced(dot + 1);
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const auto pid = ToolText::readUnsigned(digits, 10, std::uint64_t(std::numeric_limits<std::int32_t>::max()));
    if (!pid)
        return std::nullopt;
    return std::make_pair(field.first(dot).toString(), std::uint32_t(*pid));
}

void ProcessesController::merge(const TrafficProcessList& previous, const TrafficProcessList& current)
{
    QHash<std::uint32_t, const TrafficProcess*> first;
    first.reserve(previous.size());
    for (const auto& process : previous) {
        if (!first.contains(process->pid()))
            first.insert(process->pid(), process.get());
    }
    for (const auto& process : current) {
        const TrafficProcess* before = first.value(process->pid(), nullptr);
        if (!before)
            continue;
        process->setDownloadSpeed(process->download() >= before->download() ? process->download() - before->download() : 0);
        process->setUploadSpeed(process->upload() >= before->upload() ? process->upload() - before->upload() : 0);
    }
}

} // namespace SystemKit
