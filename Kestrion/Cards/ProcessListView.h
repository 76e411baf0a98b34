#pragma once

#include "Kestrion/Cards/ProcessListModel.h"

#include <QListView>

namespace Kestrion {

// The scrolling process list of the processor and memory cards: one painted row per process, made
// only for the rows in view, on the card's own surface (no frame, no background, no selection).
class ProcessListView : public QListView
{
    Q_OBJECT

public:
    explicit ProcessListView(ProcessMeasure measure, QWidget* parent = nullptr);

    ProcessListModel* processModel() const { return m_model; }
    void setProcesses(const SystemKit::RunningProcessList& processes) { m_model->setProcesses(processes); }

    QSize sizeHint() const override;

    // The height of one row with the spacing below it.
    static int rowStride();
    // The part of a list `height` high that whole rows fill: the rest stays empty below them.
    static int wholeRowsHeight(int height);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void clearBackground();

    ProcessListModel* m_model;
};

} // namespace Kestrion
