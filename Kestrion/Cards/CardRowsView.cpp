#include "Kestrion/Cards/CardRowsView.h"

#include "ViewKit/VKTheme.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace Kestrion {

CardRowsView::CardRowsView(QWidget* parent)
    : QWidget(parent)
{
    setFont(ViewKit::VKTheme::font(ViewKit::VKTextStyle::body));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

int CardRowsView::rowHeight() const
{
    return QFontMetrics(font()).height();
}

QSize CardRowsView::sizeHint() const
{
    const int count = rowCount();
    return QSize(0, count == 0 ? 0 : count * rowHeight() + (count - 1) * rowSpacing);
}

QSize CardRowsView::minimumSizeHint() const
{
    return QSize(0, sizeHint().height());
}

void CardRowsView::rowsChanged(int before)
{
    if (rowCount() != before)
        updateGeometry();
    update();
}

void CardRowsView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    QWidget::changeEvent(event);
}

void CardRowsView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const int step = rowHeight() + rowSpacing;
    const int first = std::max(0, event->rect().top() / step);
    const int last = std::min(rowCount() - 1, event->rect().bottom() / step);
    paintRows(painter, first, last);
}

} // namespace Kestrion
