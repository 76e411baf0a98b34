#pragma once

#include "BaseKit/Images/Image.h"

#include <QColor>
#include <QString>

namespace BaseKit {

// Images by symbol name and by image name. Symbols are template images drawn from the glyph table
// (SymbolGlyphs); a name not in the table draws the fallback glyph. Named images come from the
// program's embedded images; an unknown name gives a null image. Nothing is kept between calls.
class Images {
public:
    Images() = delete;

    // The name under which the program's own icon is found.
    static inline const QString applicationIconName = QStringLiteral("NSApplicationIcon");
    // The point size of a symbol when none is given (the body text size).
    static constexpr qreal defaultPointSize = 13;

    static Image symbol(const QString& name);
    // `weight` is a font weight from −1 (ultra light) over 0 (regular) to 1 (black).
    static Image symbol(const QString& name, qreal pointSize, qreal weight);
    static Image symbol(const QString& name, const QColor& color);
    // Tinted first, then sized.
    static Image symbol(const QString& name, const QColor& color, qreal pointSize, qreal weight);
    static Image named(const QString& name);
};

} // namespace BaseKit
