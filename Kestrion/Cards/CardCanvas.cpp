#include "Kestrion/Cards/CardCanvas.h"

#include "Kestrion/Cards/CardView.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Kestrion {

CardCanvas::CardCanvas(qreal height, Painter painter, QWidget* parent)
    : QWidget(parent)
    , m_painter(std::move(painter))
{
    setFixedHeight(int(std::ceil(height)));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CardCanvas::setIdealWidth(IdealWidth idealWidth)
{
    m_idealWidth = std::move(idealWidth);
    updateGeometry();
}

void CardCanvas::setMinimumContentWidth(IdealWidth minimumWidth)
{
    m_minimumWidth = std::move(minimumWidth);
    updateGeometry();
}

QSize CardCanvas::sizeHint() const
{
    const int ideal = m_idealWidth ? int(std::ceil(std::max<qreal>(0, m_idealWidth()))) : 0;
    return QSize(std::max(ideal, minimumSizeHint().width()), height());
}

QSize CardCanvas::minimumSizeHint() const
{
    return QSize(m_minimumWidth ? int(std::ceil(std::max<qreal>(0, m_minimumWidth()))) : 0, height());
}

void CardCanvas::setParts(Parts parts)
{
    m_parts = std::move(parts);
    m_shownParts.reset();
}

void CardCanvas::follow()
{
    if (!m_parts || !isVisible()) {
        m_shownParts.reset();
        update();
        return;
    }
    std::vector<Part> now = m_parts();
    if (!m_shownParts || m_shownParts->size() != now.size()) {
        update();
    } else {
        QRegion changed;
        for (std::size_t i = 0; i < now.size(); ++i) {
            const Part& before = (*m_shownParts)[i];
            if (before.rect != now[i].rect) {
                changed = QRegion(rect());
                break;
            }
            if (before.key != now[i].key)
                changed += now[i].rect.toAlignedRect();
        }
        if (!changed.isEmpty())
            update(changed);
    }
    m_shownParts = std::move(now);
}

void CardCanvas::reviewBeneath()
{
    CardView* card = CardView::enclosing(*this);
    if (card != m_card) {
        disconnect(m_lookConnection);
        m_card = card;
        if (card)
            m_lookConnection = connect(card, &CardView::lookChanged, this, &CardCanvas::reviewBeneath);
    }
    const bool opaque = m_painter && CardView::opaqueColorBeneath(*this).has_value();
    if (opaque != testAttribute(Qt::WA_OpaquePaintEvent))
        setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

void CardCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    reviewBeneath();
}

void CardCanvas::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    reviewBeneath();
}

void CardCanvas::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    reviewBeneath();
}

void CardCanvas::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::PaletteChange)
        reviewBeneath();
}

void CardCanvas::paintEvent(QPaintEvent* event)
{
    if (!m_painter)
        return;
    QPainter painter(this);
    if (testAttribute(Qt::WA_OpaquePaintEvent)) {
        if (const std::optional<QColor> beneath = CardView::opaqueColorBeneath(*this)) {
            painter.fillRect(event->rect(), *beneath);
        } else {
            // Moved off the plain surface with no event of its own (a container moved it): from the
            // next repaint on, the card is painted under it again.
            setAttribute(Qt::WA_OpaquePaintEvent, false);
            if (m_card)
                m_card->update(QRect(mapTo(m_card, QPoint(0, 0)), size()));
        }
    }
    m_exposed = event->region();
    m_painter(painter, QRectF(rect()));
    m_exposed = QRegion(rect());
}

} // namespace Kestrion
