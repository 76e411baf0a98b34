#pragma once

#include "Kestrion/Cards/CardListView.h"
#include "Kestrion/Cards/ProcessListModel.h"

#include <QRegion>

#include <optional>
#include <utility>

namespace Kestrion {

class CardFill;

// The scrolling process list of the processor and memory cards: one painted row per process, made
// only for the rows in view, on the card's own surface (no frame, no background, no selection).
class ProcessListView : public CardListView
{
    Q_OBJECT

public:
    explicit ProcessListView(ProcessMeasure measure, QWidget* parent = nullptr);

    ProcessListModel* processModel() const { return m_model; }
    void setProcesses(const SystemKit::RunningProcessList& processes);

    QSize sizeHint() const override;

    // While the list paints: what it repaints, in the viewport.
    std::optional<QRegion> exposedRegion() const { return m_exposed; }

    // The height of one row with the spacing below it.
    static int rowStride();
    // The part of a list `height` high that whole rows fill: the rest stays empty below them.
    static int wholeRowsHeight(int height);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // A changed row repaints its own rect (the item view would repaint the whole list); a row whose
    // value text alone changed, with its name shown as before, only the part under the old and the
    // new value.
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

private:

    ProcessListModel* m_model;
    // On the plain fill of its card's surface the list fills its repaints itself.
    CardFill* m_fill = nullptr;
    // The rows in view while a new list is taken in, first and last.
    std::optional<std::pair<int, int>> m_rowsInView;
    std::optional<QRegion> m_exposed;
};

} // namespace Kestrion
