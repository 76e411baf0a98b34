#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace BaseKit {

// Symbols by name ("gearshape", "wifi", "battery.50") drawn with the glyphs of the embedded Material
// Icons font: one table maps every symbol name the program uses to the glyph that stands for it; any
// other name draws the fallback glyph (a question mark in a circle). Glyphs are drawn by codepoint in
// one colour, independent of icon themes and installed fonts.
class SymbolGlyphs {
public:
    SymbolGlyphs() = delete;

    static constexpr char32_t fallbackCodepoint = 0xE8FD; // help_outline

    // The glyph's codepoint; the fallback for a name not in the table.
    static char32_t codepoint(const QString& name);
    static bool contains(const QString& name);
    // Every name of the table.
    static QStringList names();

    // The embedded font file, loaded once.
    static const QByteArray& fontData();
    // The font's family, registered with the application once (needs a QGuiApplication).
    static QString family();
    // The font at a pixel size, for text-based drawing.
    static QFont font(qreal pixelSize);
    // The glyph as a one-character text in family().
    static QString text(const QString& name);

    // Draws the glyph centred in `frame`, its em square scaled to the frame's shorter side. A weight
    // above 0 (regular; 1 is black) thickens the outline; the font has no lighter strokes.
    static void draw(QPainter& painter, const QRectF& frame, const QString& name, const QColor& color,
                     qreal weight = 0);
    // The glyph in a transparent square image of `pixelSize` pixels.
    static QImage render(const QString& name, int pixelSize, const QColor& color, qreal weight = 0);
};

} // namespace BaseKit
