#include "Kestrion/Cards/CardTitleRow.h"

#include "Kestrion/Cards/CardTitle.h"

#include <QEvent>

#include <algorithm>

namespace Kestrion {

CardTitleRow::CardTitleRow(QObject* parent)
    : QObject(parent)
{
}

void CardTitleRow::add(CardTitle* title)
{
    if (!title || m_titles.contains(title))
        return;
    m_titles.append(title);
    title->installEventFilter(this);
    connect(title, &CardTitle::naturalHeightChanged, this, &CardTitleRow::align);
    align();
}

bool CardTitleRow::eventFilter(QObject* watched, QEvent* event)
{
    // A card shown or hidden joins or leaves the row.
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
        align();
    return QObject::eventFilter(watched, event);
}

void CardTitleRow::align()
{
    m_titles.removeAll(nullptr);
    int height = 0;
    for (const QPointer<CardTitle>& title : m_titles) {
        if (title->isVisible())
            height = std::max(height, title->naturalHeight());
    }
    m_height = height;
    for (const QPointer<CardTitle>& title : m_titles)
        title->setRowHeight(height);
}

} // namespace Kestrion
