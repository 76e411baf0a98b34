#include "Kestrion/Cards/CardCanvas.h"

#include "Kestrion/Cards/CardFill.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Kestrion {

CardCanvas::CardCanvas(qreal height, Painter painter, QWidget* parent)
    : QWidget(parent)
    , m_painter(std::move(painter))
    , m_fill(new CardFill(this, this))
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

void CardCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (const std::optional<QColor> fill = m_fill->fillColor())
        painter.fillRect(event->rect(), *fill);
    if (!m_painter)
        return;
    m_exposed = event->region();
    m_painter(painter, QRectF(rect()));
    m_exposed = QRegion(rect());
}

} // namespace Kestrion
