#pragma once

#include <QFont>
#include <QString>

namespace ViewKit {

// Widths and elided forms of texts, kept per font: a card measures the same labels and values on every
// repaint, and each measurement shapes the text anew. The results are those of QFontMetricsF.
class VKTextMeasures
{
public:
    static qreal width(const QFont& font, const QString& text);
    static QString elided(const QFont& font, const QString& text, Qt::TextElideMode mode, qreal width);
};

} // namespace ViewKit
