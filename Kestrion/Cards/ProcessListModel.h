#pragma once

#include "SystemKit/Processor/RunningProcess.h"

#include <QAbstractListModel>

#include <optional>
#include <utility>
#include <vector>

namespace Kestrion {

// What a process list is ordered by and shows at the trailing edge.
enum class ProcessMeasure { processorUsage, memoryUsage };

// The rows of a process list: a copy of the sampler's processes ordered by one measure, largest first,
// processes of equal measure in the sampler's order. Each row keeps the texts it shows; a new list
// announces only the rows whose texts changed, so a list repaints only those. A row whose name stayed
// and whose value text changed is announced for ValueTextRole alone, with the value text it had
// before as PreviousValueTextRole, so a list can repaint only the value.
class ProcessListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role { NameRole = Qt::DisplayRole, ValueTextRole = Qt::UserRole + 1, IdRole, PreviousValueTextRole };

    explicit ProcessListModel(ProcessMeasure measure, QObject* parent = nullptr);

    ProcessMeasure measure() const { return m_measure; }
    // Replaces the rows by the sorted copy of `processes`. Rows that stay are changed in place, so a
    // list keeps its scroll position; a row whose name and value text stay the same is not announced.
    // `shown` names the rows a list shows now (first and last): the rows outside it make their value
    // texts only when they are asked for, and those that changed are announced together: one range
    // above the rows shown, one below.
    void setProcesses(const SystemKit::RunningProcessList& processes,
                      std::optional<std::pair<int, int>> shown = std::nullopt);
    const SystemKit::RunningProcessList& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // A copy of the list in the order of the measure, largest first, stable. A load that is not a
    // number sorts as 0.
    static SystemKit::RunningProcessList sorted(const SystemKit::RunningProcessList& processes,
                                                ProcessMeasure measure);
    // The trailing text of a process: its processor usage or its resident size.
    static QString valueText(const SystemKit::RunningProcess& process, ProcessMeasure measure);
    // A processor usage in percent with one fraction digit cut toward zero in the current locale and
    // "%" ("12.3%" for 12.37, "0.0%" for 0.05); "-%" when it has no text.
    static QString processorUsageText(double percent);

private:
    // What a row shows, with the measure its value text was made from.
    struct RowText {
        QString name;
        QString value;
        double measure = 0;
        QString previousValue; // the value text before the last list, when only the value changed
        bool valueMade = true; // false: `value` is to be made from the measure when asked for
    };
    enum class Change { none, value, row };
    RowText rowText(const SystemKit::RunningProcess* process, RowText* previous, Change& change) const;
    // The same for a row out of view: its value text is made later, when asked for.
    RowText unshownRowText(const SystemKit::RunningProcess* process, RowText* previous, bool& changed) const;

    ProcessMeasure m_measure;
    SystemKit::RunningProcessList m_rows;
    mutable std::vector<RowText> m_texts;
};

} // namespace Kestrion
