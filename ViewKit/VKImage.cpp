#include "ViewKit/VKImage.h"

#include "ViewKit/VKGeometry.h"

#include "BaseKit/Images/SymbolGlyphs.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QRawFont>

#include <algorithm>

namespace ViewKit {

namespace {

QPainterPath symbolPath(const QString& name)
{
    static QHash<QString, QPainterPath> cache;
    auto it = cache.find(name);
    if (it != cache.end())
        return *it;
    // The glyph of the one symbol table, from the embedded font.
    const QRawFont raw = QRawFont::fromFont(BaseKit::SymbolGlyphs::font(96));
    QPainterPath path;
    if (raw.isValid()) {
        const char32_t cp = BaseKit::SymbolGlyphs::codepoint(name);
        const QString text = QString::fromUcs4(&cp, 1);
        const QList<quint32> indexes = raw.glyphIndexesForString(text);
        if (!indexes.isEmpty() && indexes.front() != 0)
            path = raw.pathForGlyph(indexes.front());
    }
    cache.insert(name, path);
    return path;
}

} // namespace

QRectF contentRect(const QSizeF& size, const QRectF& frame, VKContentMode mode)
{
    if (mode == VKContentMode::stretch || size.isEmpty())
        return frame;
    const QSizeF scaled =
        size.scaled(frame.size(), mode == VKContentMode::fit ? Qt::KeepAspectRatio : Qt::KeepAspectRatioByExpanding);
    return QRectF(frame.center().x() - scaled.width() / 2, frame.center().y() - scaled.height() / 2, scaled.width(),
                  scaled.height());
}

void paintSymbol(QPainter& painter, const QRectF& frame, const QString& name, const QColor& color, VKContentMode mode)
{
    const QPainterPath glyph = symbolPath(name);
    if (glyph.isEmpty() || frame.isEmpty())
        return;
    const QRectF bounds = glyph.boundingRect();
    const QRectF target = contentRect(bounds.size(), frame, mode);
    QTransform transform;
    transform.translate(target.left(), target.top());
    transform.scale(target.width() / bounds.width(), target.height() / bounds.height());
    transform.translate(-bounds.left(), -bounds.top());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(transform.map(glyph), color);
    painter.restore();
}

void paintImage(QPainter& painter, const QRectF& frame, const VKImage& image, const QColor& color, VKContentMode mode)
{
    if (!image.symbolName.isEmpty()) {
        paintSymbol(painter, frame, image.symbolName, color, mode);
        return;
    }
    if (image.bitmap.isNull() || frame.isEmpty())
        return;
    const QRectF target = contentRect(image.bitmap.deviceIndependentSize(), frame, mode);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (image.isTemplate) {
        QImage tinted = image.bitmap.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter tint(&tinted);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(tinted.rect(), color);
        tint.end();
        painter.drawImage(target, tinted);
    } else {
        painter.drawImage(target, image.bitmap);
    }
    painter.restore();
}

VKImage VKImages::chevron()
{
    return VKImage::symbol(QStringLiteral("chevron.right"));
}

VKImage VKImages::logo(int side, qreal ratio)
{
    // A ring gauge on a rounded square.
    const int pixels = std::max(1, int(side * ratio));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(0, 0, side, side);
    QLinearGradient background(frame.topLeft(), frame.bottomLeft());
    background.setColorAt(0, QColor(52, 58, 70));
    background.setColorAt(1, QColor(22, 25, 31));
    painter.fillPath(continuousRoundedRect(frame.adjusted(side * 0.06, side * 0.06, -side * 0.06, -side * 0.06),
                                           side * 0.2),
                     background);
    const qreal line = side * 0.09;
    const QRectF ring = frame.adjusted(side * 0.25, side * 0.25, -side * 0.25, -side * 0.25);
    painter.setPen(strokePen(QColor(255, 255, 255, 60), line));
    painter.drawEllipse(ring);
    painter.setPen(strokePen(QColor(10, 132, 255), line, Qt::RoundCap));
    painter.drawPath(trimmedCircle(ring, 0, 0.42, -90));
    painter.setPen(strokePen(QColor(255, 55, 95), line, Qt::RoundCap));
    painter.drawPath(trimmedCircle(ring, 0.5, 0.68, -90));
    painter.end();
    return VKImage::fromBitmap(image);
}

} // namespace ViewKit
