#include "ViewKit/VKPaintCache.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include <cmath>

namespace ViewKit {

void paintCached(QPainter& painter, const QRectF& bounds, const QString& key,
                 const std::function<void(QPainter&)>& paint)
{
    if (!paint || bounds.isEmpty())
        return;
    if (painter.opacity() != 1.0 || painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
        !painter.device()) {
        paint(painter);
        return;
    }
    // From the caller's coordinates to device pixels: moved, and scaled by the device pixel ratio only.
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QTransform transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxScale || !qFuzzyCompare(transform.m11(), ratio) ||
        !qFuzzyCompare(transform.m22(), ratio)) {
        paint(painter);
        return;
    }
    // The part's place on the device, in device pixels, and the whole pixel it starts in.
    const QRectF device = transform.mapRect(bounds);
    const QPointF origin(std::floor(device.left()), std::floor(device.top()));
    const QPointF offset = device.topLeft() - origin;
    const QSize pixels(int(std::ceil(device.right() - origin.x())), int(std::ceil(device.bottom() - origin.y())));
    if (pixels.width() <= 0 || pixels.height() <= 0 || qint64(pixels.width()) * pixels.height() > 4'000'000) {
        paint(painter);
        return;
    }
    auto fixed = [](qreal v) { return QString::number(std::lround(v * 64)); };
    const QString cacheKey = key + QLatin1Char('|') + fixed(bounds.width()) + QLatin1Char('x') + fixed(bounds.height()) +
                             QLatin1Char('@') + fixed(offset.x()) + QLatin1Char(',') + fixed(offset.y()) +
                             QLatin1Char('*') + fixed(ratio);
    QPixmap pixmap;
    if (!QPixmapCache::find(cacheKey, &pixmap)) {
        pixmap = QPixmap(pixels);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter cached(&pixmap);
        // The caller's coordinates, moved so that `bounds` lands at its offset inside the first pixel.
        cached.translate(offset / ratio - bounds.topLeft());
        cached.setRenderHints(painter.renderHints());
        cached.setFont(painter.font());
        cached.setPen(painter.pen());
        cached.setBrush(painter.brush());
        paint(cached);
        cached.end();
        QPixmapCache::insert(cacheKey, pixmap);
    }
    // Back in the caller's coordinates, the pixel the part starts in.
    const QPointF target = bounds.topLeft() - offset / ratio;
    painter.drawPixmap(target, pixmap);
}

} // namespace ViewKit
