#include "ViewKit/VKTextMeasures.h"

#include <QFontMetricsF>
#include <QHash>

#include <array>
#include <cmath>
#include <optional>

namespace ViewKit {

namespace {
struct Measures {
    QFont font;
    std::optional<QFontMetricsF> metrics;
    QHash<QString, qreal> widths;
    QHash<QPair<QString, qint64>, QString> elided;
};

// The measures of the font last asked about, and of the few before it (a card uses three or four fonts).
Measures& measuresOf(const QFont& font)
{
    static std::array<Measures, 6> fonts;
    static std::size_t next = 0;
    for (Measures& m : fonts) {
        if (m.metrics && m.font == font)
            return m;
    }
    Measures& m = fonts[next];
    next = (next + 1) % fonts.size();
    m.font = font;
    m.metrics.emplace(font);
    m.widths.clear();
    m.elided.clear();
    return m;
}
} // namespace

qreal VKTextMeasures::width(const QFont& font, const QString& text)
{
    Measures& m = measuresOf(font);
    if (m.widths.size() > 1024)
        m.widths.clear();
    auto it = m.widths.find(text);
    if (it == m.widths.end())
        it = m.widths.insert(text, m.metrics->horizontalAdvance(text));
    return *it;
}

QString VKTextMeasures::elided(const QFont& font, const QString& text, Qt::TextElideMode mode, qreal width)
{
    Measures& m = measuresOf(font);
    if (m.elided.size() > 1024)
        m.elided.clear();
    const QPair<QString, qint64> key(text, qint64(std::llround(width * 64)) * 4 + int(mode));
    auto it = m.elided.find(key);
    if (it == m.elided.end())
        it = m.elided.insert(key, m.metrics->elidedText(text, mode, width));
    return *it;
}

} // namespace ViewKit
