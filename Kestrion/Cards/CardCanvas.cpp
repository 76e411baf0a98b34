#include "Kestrion/Cards/CardCanvas.h"

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

void CardCanvas::paintEvent(QPaintEvent*)
{
    if (!m_painter)
        return;
    QPainter painter(this);
    m_painter(painter, QRectF(rect()));
}

} // namespace Kestrion
