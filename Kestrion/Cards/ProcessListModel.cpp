#include "Kestrion/Cards/ProcessListModel.h"

#include "BaseKit/FormatNumber.h"
#include "BaseKit/IO.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace Kestrion {

ProcessListModel::ProcessListModel(ProcessMeasure measure, QObject* parent)
    : QAbstractListModel(parent)
    , m_measure(measure)
{
}

SystemKit::RunningProcessList ProcessListModel::sorted(const SystemKit::RunningProcessList& processes,
                                                       ProcessMeasure measure)
{
    // The keys are taken once, so the sort compares plain numbers; a NaN would break the ordering the
    // sort relies on, so it counts as 0.
    std::vector<std::pair<double, qsizetype>> keys;
    keys.reserve(size_t(processes.size()));
    for (qsizetype i = 0; i < processes.size(); ++i) {
        const auto& process = processes[i];
        double key = 0;
        if (process) {
            key = measure == ProcessMeasure::processorUsage ? double(process->cpuUsage())
                                                             : double(process->memoryUsage());
            if (std::isnan(key))
                key = 0;
        }
        keys.emplace_back(key, i);
    }
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    SystemKit::RunningProcessList result;
    result.reserve(processes.size());
    for (const auto& key : keys)
        result.append(processes[key.second]);
    return result;
}

QString ProcessListModel::processorUsageText(double percent)
{
    return BaseKit::formatNumber(percent, 1) + QLatin1Char('%');
}

QString ProcessListModel::valueText(const SystemKit::RunningProcess& process, ProcessMeasure measure)
{
    if (measure == ProcessMeasure::processorUsage)
        return processorUsageText(double(process.cpuUsage()));
    return BaseKit::IO::sizeText(process.memoryUsage());
}

void ProcessListModel::setProcesses(const SystemKit::RunningProcessList& processes)
{
    SystemKit::RunningProcessList rows = sorted(processes, m_measure);
    const int before = int(m_rows.size());
    const int after = int(rows.size());
    if (after > before) {
        beginInsertRows(QModelIndex(), before, after - 1);
        m_rows = std::move(rows);
        endInsertRows();
    } else if (after < before) {
        beginRemoveRows(QModelIndex(), after, before - 1);
        m_rows = std::move(rows);
        endRemoveRows();
    } else {
        m_rows = std::move(rows);
    }
    const int changed = std::min(before, after);
    if (changed > 0)
        emit dataChanged(index(0), index(changed - 1));
}

int ProcessListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant ProcessListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_rows.size())
        return QVariant();
    const auto& process = m_rows[index.row()];
    if (!process)
        return QVariant();
    switch (role) {
    case NameRole: return process->name();
    case ValueTextRole: return valueText(*process, m_measure);
    case IdRole: return process->id();
    default: return QVariant();
    }
}

} // namespace Kestrion
