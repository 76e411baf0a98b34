#include "Kestrion/Cards/PlainSymbolButton.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "ViewKit/VKTheme.h"

#include <QPainter>

#include <cmath>

namespace Kestrion {

PlainSymbolButton::PlainSymbolButton(const QString& systemName, qreal symbolHeight, qreal padding, QWidget* parent)
    : QAbstractButton(parent)
    , m_systemName(systemName)
    , m_height(symbolHeight)
    , m_padding(padding)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize PlainSymbolButton::sizeHint() const
{
    const int side = int(std::ceil(m_height + 2 * m_padding));
    return QSize(side, side);
}

void PlainSymbolButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor color = ViewKit::VKTheme::secondaryText(ViewKit::VKTheme::scheme(this));
    if (!isEnabled())
        color.setAlphaF(color.alphaF() * 0.5);
    const QRectF symbol(QPointF(0, 0), QSizeF(m_height, m_height));
    BaseKit::SymbolGlyphs::draw(painter, symbol.translated(QRectF(rect()).center() - symbol.center()), m_systemName,
                                color);
}

} // namespace Kestrion
