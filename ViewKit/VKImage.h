#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

namespace ViewKit {

// How a picture is scaled into its frame.
enum class VKContentMode {
    fit,      // whole picture visible, aspect ratio kept, centred
    fill,     // frame covered, aspect ratio kept, overflow allowed
    stretch,  // exactly the frame, aspect ratio not kept
};

// A picture of the views: a named symbol, drawn in one colour, or a bitmap. A template bitmap is
// drawn in one colour too (its alpha channel as mask).
struct VKImage
{
    QString symbolName;
    QImage bitmap;
    bool isTemplate = false;

    static VKImage symbol(const QString& name) { return VKImage{name, QImage(), true}; }
    static VKImage fromBitmap(const QImage& image, bool isTemplate = false) { return VKImage{QString(), image, isTemplate}; }
    bool isNull() const { return symbolName.isEmpty() && bitmap.isNull(); }
};

// Paints the picture scaled into frame; symbols and template bitmaps in `color`.
void paintImage(QPainter& painter, const QRectF& frame, const VKImage& image, const QColor& color,
                VKContentMode mode);

// Paints the glyph of a symbol name scaled into frame, in `color`; an unknown name paints the
// fallback glyph.
void paintSymbol(QPainter& painter, const QRectF& frame, const QString& name, const QColor& color,
                 VKContentMode mode = VKContentMode::fit);

// The target rect of a picture of the given size in frame for a content mode.
QRectF contentRect(const QSizeF& size, const QRectF& frame, VKContentMode mode);

// The library's named pictures.
class VKImages
{
public:
    VKImages() = delete;
    // The right-pointing chevron.
    static VKImage chevron();
    // The application's logo, drawn by us at the given size in points and device-pixel ratio.
    static VKImage logo(int side = 128, qreal ratio = 2);
};

} // namespace ViewKit
