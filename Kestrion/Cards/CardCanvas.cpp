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

QSize CardCanvas::sizeHint() const
{
    return QSize(m_idealWidth ? int(std::ceil(std::max<qreal>(0, m_idealWidth()))) : 0, height());
}

QSize CardCanvas::minimumSizeHint() const
{
    return QSize(0, height());
}

void CardCanvas::paintEvent(QPaintEvent*)
{
    if (!m_painter)
        return;
    QPainter painter(this);
    m_painter(painter, QRectF(rect()));
}

} // namespace Kestrion
