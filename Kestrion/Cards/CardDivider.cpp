#include "Kestrion/Cards/CardDivider.h"

#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKTheme.h"

#include <QPainter>

namespace Kestrion {

using ViewKit::VKTheme;

CardDivider::CardDivider(QWidget* parent)
    : QWidget(parent)
{
    setFixedHeight(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize CardDivider::sizeHint() const
{
    return QSize(0, 1);
}

void CardDivider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const qreal line = ViewKit::onePixelWidth(painter);
    painter.fillRect(QRectF(0, 0, width(), line), VKTheme::gridLine(VKTheme::scheme(this)));
}

} // namespace Kestrion
