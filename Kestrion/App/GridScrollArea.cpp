#include "Kestrion/App/GridScrollArea.h"

#include <QEvent>
#include <QScrollBar>
#include <QStyle>

namespace Kestrion {

GridScrollArea::GridScrollArea(QWidget* parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
}

void GridScrollArea::setLimit(QSize limit)
{
    if (limit == m_limit)
        return;
    m_limit = limit;
    updateGeometry();
}

bool GridScrollArea::eventFilter(QObject* watched, QEvent* event)
{
    // What the area asks for is the grid's: when the grid's layout changes, so does the area's hint.
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

QSize GridScrollArea::sizeHint() const
{
    const QWidget* grid = widget();
    if (!grid)
        return {};
    const QSize whole = grid->sizeHint().expandedTo(grid->minimumSizeHint());
    if (!m_limit.isValid())
        return whole;
    // Taller than the room: the vertical bar shows beside the grid and asks for its width as well,
    // so that the grid keeps its whole width where the room has it. Wider than the room: the
    // horizontal bar shows under the grid and asks for its height.
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    QSize hint = whole;
    if (whole.height() > m_limit.height())
        hint.rwidth() += extent;
    if (hint.width() > m_limit.width())
        hint.rheight() += extent;
    return hint;
}

QSize GridScrollArea::minimumSizeHint() const
{
    const QWidget* grid = widget();
    if (!grid)
        return {};
    const QSize needed = grid->minimumSizeHint().expandedTo(grid->minimumSize());
    if (!m_limit.isValid())
        return needed;
    QSize minimum = needed.boundedTo(m_limit);
    // A bar that has to show takes room across the other axis as well.
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (minimum.width() < needed.width())
        minimum.rheight() = std::min(needed.height() + extent, m_limit.height());
    if (minimum.height() < needed.height())
        minimum.rwidth() = std::min(minimum.width() + extent, m_limit.width());
    return minimum;
}

} // namespace Kestrion
