#include "Kestrion/Cards/ProcessListView.h"

#include "Kestrion/Cards/ProcessUsageDelegate.h"
#include "Kestrion/Cards/ProcessUsageView.h"

#include <QEvent>

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
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
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
