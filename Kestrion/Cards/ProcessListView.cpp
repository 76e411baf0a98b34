#include "Kestrion/Cards/ProcessListView.h"

#include "Kestrion/Cards/ProcessUsageDelegate.h"
#include "Kestrion/Cards/ProcessUsageView.h"

#include <QEvent>
#include <QResizeEvent>

#include <algorithm>

#include <cmath>

namespace Kestrion {

ProcessListView::ProcessListView(ProcessMeasure measure, QWidget* parent)
    : QListView(parent)
    , m_model(new ProcessListModel(measure, this))
{
    setModel(m_model);
    setItemDelegate(new ProcessUsageDelegate(this));
    setUniformItemSizes(true);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The list moves a whole row at a time and its viewport holds whole rows only (resizeEvent): no row
    // is ever shown cut through its text.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumHeight(0);
    viewport()->setAutoFillBackground(false);
    clearBackground();
}

QSize ProcessListView::sizeHint() const
{
    // About ten rows; the card's column decides the real height.
    return QSize(0, int(std::ceil(10 * (ProcessUsageView::rowHeight() + ProcessUsageView::rowSpacing))));
}

int ProcessListView::rowStride()
{
    return int(std::ceil(ProcessUsageView::rowHeight() + ProcessUsageView::rowSpacing));
}

int ProcessListView::wholeRowsHeight(int height)
{
    // The last row needs no spacing below it.
    const int stride = rowStride();
    const int gap = stride - int(std::ceil(ProcessUsageView::rowHeight()));
    const int rows = std::max(0, (height + gap) / stride);
    return std::min(height, rows * stride);
}

void ProcessListView::resizeEvent(QResizeEvent* event)
{
    // The event may be the viewport's: the room comes from the list's own frame, which the margin
    // below does not change.
    const int height = contentsRect().height();
    const int bottom = height - wholeRowsHeight(height);
    if (viewportMargins().bottom() != bottom)
        setViewportMargins(0, 0, 0, bottom);
    QListView::resizeEvent(event);
}

void ProcessListView::changeEvent(QEvent* event)
{
    QListView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        clearBackground();
}

void ProcessListView::clearBackground()
{
    // The list stands on the card's surface: its base is transparent.
    QPalette p = palette();
    if (p.color(QPalette::Base).alpha() == 0)
        return;
    p.setColor(QPalette::Base, Qt::transparent);
    setPalette(p);
}

} // namespace Kestrion
