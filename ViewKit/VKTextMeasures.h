#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace ViewKit {

// Widths and elided forms of texts, kept per font: a card measures the same labels and values on every
// repaint, and each measurement shapes the text anew. The results are those of QFontMetricsF.
class VKTextMeasures
{
public:
    static qreal width(const QFont& font, const QString& text);
    static QString elided(const QFont& font, const QString& text, Qt::TextElideMode mode, qreal width);

    // Draws `text` exactly as painter.drawText(rect, flags, text) does, in the painter's font and pen.
    // A one-line text aligned by `flags` (alignment and Qt::TextDontClip only) in a painter that is not
    // right-to-left is drawn from a layout kept per font and text, so the same label or value painted again
    // is not shaped again; anything else goes to QPainter::drawText.
    static void draw(QPainter& painter, const QRectF& rect, int flags, const QString& text);
    // How many laid-out texts are kept now, over all fonts.
    static int keptTextCount();
};

} // namespace ViewKit
