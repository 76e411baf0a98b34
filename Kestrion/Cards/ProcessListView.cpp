#include "Kestrion/Cards/ProcessListView.h"

#include "Kestrion/Cards/CardFill.h"
#include "Kestrion/Cards/ProcessUsageDelegate.h"
#include "Kestrion/Cards/ProcessUsageView.h"

#include <QAccessible>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <climits>
#include <cmath>

namespace Kestrion {

namespace {
// Pixels beside a value's advance that its glyphs may reach.
constexpr int valueMargin = 4;
} // namespace

ProcessListView::ProcessListView(ProcessMeasure measure, QWidget* parent)
    : CardListView(parent)
    , m_model(new ProcessListModel(measure, this))
{
    setModel(m_model);
    setItemDelegate(new ProcessUsageDelegate(this));
    m_fill = new CardFill(this, viewport());
    // The list moves a whole row at a time and its viewport holds whole rows only (resizeEvent): no row
    // is ever shown cut through its text.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
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

void ProcessListView::paintEvent(QPaintEvent* event)
{
    if (const std::optional<QColor> fill = m_fill->fillColor()) {
        QPainter painter(viewport());
        painter.fillRect(event->rect(), *fill);
    }
    m_exposed = event->region();
    QListView::paintEvent(event);
    m_exposed.reset();
}

void ProcessListView::setProcesses(const SystemKit::RunningProcessList& processes)
{
    // Most changed rows are out of view and need no repaint: the rows in view are found once for
    // the whole new list (rows only change in place or come and go at the end).
    if (isVisible()) {
        const QModelIndex top = indexAt(QPoint(0, 0));
        const QModelIndex bottom = indexAt(QPoint(0, viewport()->height() - 1));
        m_rowsInView.emplace(top.isValid() ? top.row() : 0, bottom.isValid() ? bottom.row() : INT_MAX);
    }
    m_model->setProcesses(processes, m_rowsInView);
    m_rowsInView.reset();
    // Rows that came or went ask the view to lay itself out later, which would paint the window a
    // second time in the sample: it is done now, so that the sample paints once.
    executeDelayedItemsLayout();
}

void ProcessListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles)
{
    if (!topLeft.isValid() || topLeft != bottomRight) {
        // The rows out of view that changed in a new list come as one range: nothing to repaint.
        const bool outOfView = topLeft.isValid() && bottomRight.isValid() && m_rowsInView
                               && (bottomRight.row() < m_rowsInView->first || topLeft.row() > m_rowsInView->second);
        if (!outOfView) {
            QListView::dataChanged(topLeft, bottomRight, roles);
            return;
        }
    }
    // One row: its own rect, not the whole list; of a row whose value alone changed while its name
    // stays as shown, only the part under the old and the new value.
    const bool mayBeInView = isVisible() && topLeft == bottomRight
                             && (!m_rowsInView || (topLeft.row() >= m_rowsInView->first && topLeft.row() <= m_rowsInView->second));
    QRect area = mayBeInView ? visualRect(topLeft) : QRect();
    // Rows out of view are painted when they come into it: nothing to measure or repaint now.
    if (area.isValid() && viewport()->rect().intersects(area)) {
        if (roles == QList<int>{ProcessListModel::ValueTextRole}) {
            const QString name = topLeft.data(ProcessListModel::NameRole).toString();
            const qreal before =
                ProcessUsageView::rightWidth(topLeft.data(ProcessListModel::PreviousValueTextRole).toString());
            const qreal after = ProcessUsageView::rightWidth(topLeft.data(ProcessListModel::ValueTextRole).toString());
            if (ProcessUsageView::shownLeft(name, area.width(), before)
                == ProcessUsageView::shownLeft(name, area.width(), after)) {
                // Both values end at the row's trailing edge; a few pixels more take in a glyph
                // reaching past its advance.
                const int reach = std::min(int(std::ceil(std::max(before, after))) + valueMargin, area.width());
                area.setLeft(area.right() + 1 - reach);
            }
        }
        viewport()->update(area);
    }
#if QT_CONFIG(accessibility)
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::DataChanged);
        event.setFirstRow(topLeft.row());
        event.setFirstColumn(topLeft.column());
        event.setLastRow(bottomRight.row());
        event.setLastColumn(bottomRight.column());
        QAccessible::updateAccessibility(&event);
    }
#endif
}


} // namespace Kestrion
