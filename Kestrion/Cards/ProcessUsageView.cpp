#include "Kestrion/Cards/ProcessUsageView.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace Kestrion {

using ViewKit::VKTheme;

QFont ProcessUsageView::font()
{
    return VKTheme::font(ViewKit::VKTextStyle::body, QFont::Medium);
}

qreal ProcessUsageView::rowHeight()
{
    return QFontMetricsF(font()).height();
}

void ProcessUsageView::paint(QPainter& painter, const QRectF& rect, ViewKit::VKColorScheme scheme) const
{
    const QFont rowFont = font();
    const QFontMetricsF metrics(rowFont);
    painter.setFont(rowFont);
    painter.setPen(VKTheme::secondaryText(scheme));
    const qreal rightWidth = metrics.horizontalAdvance(right);
    painter.drawText(rect, Qt::AlignRight | Qt::AlignVCenter, right);
    const qreal leftWidth = std::max<qreal>(0, rect.width() - rightWidth - VKTheme::defaultSpacing);
    painter.drawText(QRectF(rect.left(), rect.top(), leftWidth, rect.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(left, Qt::ElideRight, leftWidth));
}

} // namespace Kestrion
