#pragma once

#include "Canvas.h"

#include <QApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QWidget>

// The widget laid out at `size` and rendered onto a transparent canvas at a device-pixel ratio.
inline QImage renderWidget(QWidget& widget, QSize size, qreal ratio = 1)
{
    widget.resize(size);
    QImage image = makeCanvas(size, ratio);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

inline QImage renderWidget(QWidget& widget, qreal ratio = 1)
{
    return renderWidget(widget, widget.size(), ratio);
}

// The pointer entering and leaving a widget.
inline void hoverEnter(QWidget& widget)
{
    const QPointF centre = QRectF(widget.rect()).center();
    QEnterEvent event(centre, widget.mapTo(widget.window(), centre), widget.mapToGlobal(centre));
    QApplication::sendEvent(&widget, &event);
}

inline void hoverLeave(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

// The most opaque, then brightest, colour in a rect of the canvas (logical coordinates).
inline QColor strongestPixel(const QImage& image, const QRectF& logical)
{
    const qreal ratio = image.devicePixelRatio();
    const QRect area = QRectF(logical.topLeft() * ratio, logical.size() * ratio).toAlignedRect() & image.rect();
    QColor best(0, 0, 0, 0);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > best.alpha() || (c.alpha() == best.alpha() && c.lightness() > best.lightness()))
                best = c;
        }
    return best;
}

// Whether an opaque pixel of about this colour lies in a rect of the canvas (logical coordinates).
inline bool hasPixelNear(const QImage& image, const QRectF& logical, const QColor& color, int tolerance = 3)
{
    const qreal ratio = image.devicePixelRatio();
    const QRect area = QRectF(logical.topLeft() * ratio, logical.size() * ratio).toAlignedRect() & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() == 255 && sameRgb(c, color, tolerance))
                return true;
        }
    return false;
}
