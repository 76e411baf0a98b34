#include "ViewKit/VKSymbolView.h"

#include "BaseKit/Images/SymbolGlyphs.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ViewKit {

VKSymbolView::VKSymbolView(const QString& systemName, const QColor& color, qreal side, QWidget* parent)
    : QWidget(parent)
    , m_systemName(systemName)
    , m_color(color)
    , m_side(std::max<qreal>(0, side))
{
    const int pixels = int(std::ceil(m_side));
    setFixedSize(pixels, pixels);
}

void VKSymbolView::setColor(const QColor& color)
{
    m_color = color;
    update();
}

QSize VKSymbolView::sizeHint() const
{
    const int pixels = int(std::ceil(m_side));
    return QSize(pixels, pixels);
}

void VKSymbolView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    BaseKit::SymbolGlyphs::draw(painter, QRectF(rect()), m_systemName, m_color);
}

} // namespace ViewKit
