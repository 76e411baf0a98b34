#include "Kestrion/Cards/CardListView.h"

#include <QEvent>

namespace Kestrion {

CardListView::CardListView(QWidget* parent)
    : QListView(parent)
{
    setUniformItemSizes(true);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumHeight(0);
    viewport()->setAutoFillBackground(false);
    clearBackground();
}

void CardListView::changeEvent(QEvent* event)
{
    QListView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        clearBackground();
}

void CardListView::clearBackground()
{
    // The list stands on the card's surface: its base is transparent.
    QPalette p = palette();
    if (p.color(QPalette::Base).alpha() == 0)
        return;
    p.setColor(QPalette::Base, Qt::transparent);
    setPalette(p);
}

} // namespace Kestrion
