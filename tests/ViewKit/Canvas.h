#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QSize>

#include <cmath>

// A transparent offscreen canvas of a logical size at a device-pixel ratio.
inline QImage makeCanvas(QSize logical, qreal ratio)
{
    QImage image(QSize(int(std::lround(logical.width() * ratio)), int(std::lround(logical.height() * ratio))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

// The colour of the physical pixel under a logical point.
inline QColor pixelAt(const QImage& image, QPointF logical)
{
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(int(std::floor(logical.x() * ratio)), int(std::floor(logical.y() * ratio)));
}

inline bool sameRgb(const QColor& a, const QColor& b, int tolerance = 2)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

inline bool isOpaque(const QColor& c, const QColor& expected, int tolerance = 2)
{
    return c.alpha() == 255 && sameRgb(c, expected, tolerance);
}
