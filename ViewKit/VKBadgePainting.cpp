#include "ViewKit/VKBadgePainting.h"

#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKTheme.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace ViewKit {

void paintGradientBadge(QPainter& painter, const QRectF& rect, const QColor& color)
{
    if (rect.isEmpty())
        return;
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, withOpacity(color, 0.8));
    gradient.setColorAt(1, color);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(continuousRoundedRect(rect, badgeCornerRadius), gradient);
    painter.restore();
}

qreal borderlessLabelOpacity(bool enabled, bool pressed)
{
    if (!enabled)
        return 0.5;
    return pressed ? 0.7 : 1.0;
}

QSize ceilSize(const QSizeF& size)
{
    return QSize(int(std::ceil(size.width())), int(std::ceil(size.height())));
}

} // namespace ViewKit
