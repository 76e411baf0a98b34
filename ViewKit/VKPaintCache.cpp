#include "ViewKit/VKPaintCache.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include <algorithm>
#include <cmath>

namespace ViewKit {

namespace {

// The rows of a copy that hold something, as bands of rows each as wide as what its rows hold, in
// the copy's pixels. A copy's fully transparent pixels leave the pixels under them as they are.
QList<QRect> drawnBands(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage();
    QList<QRect> bands;
    if (image.format() != QImage::Format_ARGB32_Premultiplied) {
        bands.append(image.rect());
        return bands;
    }
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int first = image.width(), last = -1;
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] != 0) {
                first = std::min(first, x);
                last = x;
            }
        }
        if (last < 0)
            continue;
        if (!bands.isEmpty() && bands.back().bottom() == y - 1) {
            QRect& band = bands.back();
            band.setBottom(y);
            band.setLeft(std::min(band.left(), first));
            band.setRight(std::max(band.right(), last));
        } else {
            bands.append(QRect(first, y, last - first + 1, 1));
        }
    }
    return bands;
}

// The bands of the copies in the pixmap cache, by their cache key.
QHash<QString, QList<QRect>>& keptBands()
{
    static QHash<QString, QList<QRect>> bands;
    return bands;
}

} // namespace

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
        keptBands().remove(cacheKey);
    }
    // Back in the caller's coordinates, the pixel the part starts in.
    const QPointF target = bounds.topLeft() - offset / ratio;
    // Parts of the copy are copied pixel for pixel only where the painter merely moves by whole
    // pixels; otherwise the whole copy is drawn.
    if (ratio != 1.0 || transform.type() > QTransform::TxTranslate
        || transform.map(target) != transform.map(target).toPoint().toPointF()) {
        painter.drawPixmap(target, pixmap);
        return;
    }
    QHash<QString, QList<QRect>>& kept = keptBands();
    auto bands = kept.find(cacheKey);
    if (bands == kept.end()) {
        if (kept.size() > 256)
            kept.clear();
        bands = kept.insert(cacheKey, drawnBands(pixmap));
    }
    for (const QRect& band : *bands)
        painter.drawPixmap(target + QPointF(band.topLeft()), pixmap, QRectF(band));
}

} // namespace ViewKit
