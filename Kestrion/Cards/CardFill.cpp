#include "Kestrion/Cards/CardFill.h"

#include "Kestrion/Cards/CardView.h"

#include <QEvent>
#include <QFrame>
#include <QWidget>

namespace Kestrion {

CardFill::CardFill(QWidget* placed, QWidget* painted)
    : QObject(placed)
    , m_placed(placed)
    , m_painted(painted)
{
    placed->installEventFilter(this);
    if (painted != placed)
        painted->installEventFilter(this);
}

std::optional<QColor> CardFill::colorBeneath() const
{
    if (!m_placed || !m_painted)
        return std::nullopt;
    if (m_painted != m_placed) {
        // What the scroll area itself paints would lie under its viewport.
        const auto* frame = qobject_cast<const QFrame*>(m_placed.data());
        if (!frame || frame->frameShape() != QFrame::NoFrame || frame->autoFillBackground()
            || m_painted->parentWidget() != m_placed || m_painted->autoFillBackground())
            return std::nullopt;
    }
    return CardView::opaqueColorBeneath(*m_placed);
}

void CardFill::review()
{
    if (!m_placed || !m_painted)
        return;
    CardView* card = CardView::enclosing(*m_placed);
    if (card != m_card) {
        disconnect(m_lookConnection);
        m_card = card;
        if (card)
            m_lookConnection = connect(card, &CardView::lookChanged, this, &CardFill::review);
    }
    const bool opaque = colorBeneath().has_value();
    if (opaque != m_painted->testAttribute(Qt::WA_OpaquePaintEvent))
        m_painted->setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

std::optional<QColor> CardFill::fillColor()
{
    if (!m_painted || !m_painted->testAttribute(Qt::WA_OpaquePaintEvent))
        return std::nullopt;
    const std::optional<QColor> color = colorBeneath();
    if (!color) {
        m_painted->setAttribute(Qt::WA_OpaquePaintEvent, false);
        if (m_card && m_placed)
            m_card->update(QRect(m_placed->mapTo(m_card, QPoint(0, 0)), m_placed->size()));
    }
    return color;
}

bool CardFill::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::ParentChange:
    case QEvent::PaletteChange:
        // The widget's new place, parent or palette is set by the time it hears of it.
        review();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Kestrion
