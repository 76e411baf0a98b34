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

// The contrast ratio of two opaque colours, from 1 (the same) to 21 (black on white), as readability
// guidelines measure it: (L1 + 0.05) / (L2 + 0.05) of their relative luminances.
inline double contrastRatio(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The strongest contrast any pixel of `area` has against `background`: how readable a text drawn there is.
inline double strongestContrast(const QImage& image, const QRect& area, const QColor& background)
{
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best, contrastRatio(image.pixelColor(x, y), background));
    return best;
}
