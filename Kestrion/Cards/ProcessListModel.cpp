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

ProcessListModel::RowText ProcessListModel::rowText(const SystemKit::RunningProcess* process, RowText* previous,
                                                   Change& change) const
{
    RowText text;
    change = Change::none;
    if (!process) {
        if (previous && (!previous->name.isNull() || !previous->value.isNull()))
            change = Change::row;
        return text;
    }
    text.measure = m_measure == ProcessMeasure::processorUsage ? double(process->cpuUsage())
                                                               : double(process->memoryUsage());
    if (!previous) {
        text.name = process->name();
        text.value = valueText(*process, m_measure);
        return text;
    }
    // The previous row gives up its texts where they stay the same.
    const QString& name = process->name();
    bool nameChanged = false;
    if (previous->name.isSharedWith(name)) {
        text.name = std::move(previous->name);
    } else {
        nameChanged = name != previous->name || previous->name.isNull();
        text.name = name;
    }
    // The value text is made again only when the measure moved (a NaN never equals itself, so it is
    // made again).
    bool valueChanged = false;
    if (previous->measure == text.measure && !previous->value.isNull()) {
        text.value = std::move(previous->value);
    } else {
        text.value = valueText(*process, m_measure);
        valueChanged = text.value != previous->value;
    }
    if (nameChanged) {
        change = Change::row;
    } else if (valueChanged) {
        change = previous->value.isNull() ? Change::row : Change::value;
        text.previousValue = std::move(previous->value);
    }
    return text;
}

ProcessListModel::RowText ProcessListModel::unshownRowText(const SystemKit::RunningProcess* process,
                                                          RowText* previous, bool& changed) const
{
    RowText text;
    changed = false;
    if (!process) {
        changed = previous && (!previous->name.isNull() || !previous->value.isNull() || !previous->valueMade);
        return text;
    }
    text.measure = m_measure == ProcessMeasure::processorUsage ? double(process->cpuUsage())
                                                               : double(process->memoryUsage());
    text.name = process->name();
    if (previous && previous->measure == text.measure && previous->valueMade && !previous->value.isNull()) {
        text.value = std::move(previous->value);
    } else {
        text.valueMade = false;
        changed = true;
    }
    // A name the sampler kept from the previous list is the same text: no need to compare it.
    if (!previous || (!text.name.isSharedWith(previous->name) && text.name != previous->name))
        changed = true;
    return text;
}

void ProcessListModel::setProcesses(const SystemKit::RunningProcessList& processes,
                                    std::optional<std::pair<int, int>> shown)
{
    SystemKit::RunningProcessList rows = sorted(processes, m_measure);
    const int before = int(m_rows.size());
    const int after = int(rows.size());
    std::vector<RowText> texts;
    texts.reserve(size_t(after));
    std::vector<std::pair<int, Change>> changedRows;
    // The rows out of view that changed: one range above the view, one below.
    std::pair<int, int> above{-1, -1};
    std::pair<int, int> below{-1, -1};
    for (int row = 0; row < after; ++row) {
        RowText* previous = row < before ? &m_texts[size_t(row)] : nullptr;
        if (shown && (row < shown->first || row > shown->second)) {
            bool changed = false;
            texts.push_back(unshownRowText(rows[row].get(), previous, changed));
            if (changed && row < before) {
                std::pair<int, int>& range = row < shown->first ? above : below;
                range.first = range.first < 0 ? row : range.first;
                range.second = row;
            }
            continue;
        }
        Change change = Change::none;
        texts.push_back(rowText(rows[row].get(), previous, change));
        if (change != Change::none)
            changedRows.emplace_back(row, change);
    }
    if (after > before) {
        beginInsertRows(QModelIndex(), before, after - 1);
        m_rows = std::move(rows);
        m_texts = std::move(texts);
        endInsertRows();
    } else if (after < before) {
        beginRemoveRows(QModelIndex(), after, before - 1);
        m_rows = std::move(rows);
        m_texts = std::move(texts);
        endRemoveRows();
    } else {
        m_rows = std::move(rows);
        m_texts = std::move(texts);
    }
    // One row at a time: a view repaints a single changed row's rectangle, but all of itself for a range.
    for (const auto& [row, change] : changedRows) {
        if (change == Change::value)
            emit dataChanged(index(row), index(row), {ValueTextRole});
        else
            emit dataChanged(index(row), index(row));
    }
    // Rows out of view: one announcement on each side of the view, neither taking in a row in view, so
    // that the list that gave the rows it shows need not repaint.
    for (auto [first, last] : {above, below}) {
        last = std::min(last, std::min(before, after) - 1);
        if (first >= 0 && first <= last)
            emit dataChanged(index(first), index(last));
    }
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
    RowText& text = m_texts[size_t(index.row())];
    if (role == ValueTextRole && !text.valueMade) {
        text.value = valueText(*process, m_measure);
        text.valueMade = true;
    }
    switch (role) {
    case NameRole: return text.name;
    case ValueTextRole: return text.value;
    case IdRole: return process->id();
    case PreviousValueTextRole: return text.previousValue;
    default: return QVariant();
    }
}

} // namespace Kestrion
