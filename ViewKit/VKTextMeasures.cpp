#include "ViewKit/VKTextMeasures.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <array>
#include <cmath>
#include <memory>
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
// A text laid out on one line as QPainter::drawText lays it out: in the painter's direction (left to
// right, or taken from the text), no wrapping, the line at the origin. `width` and `height` are what drawText aligns by.
struct LaidText {
    QTextLayout layout;
    qreal width = 0;
    qreal height = 0;
};

struct Layouts {
    QFont font;
    int dpi = 0;
    Qt::LayoutDirection direction = Qt::LayoutDirectionAuto;
    bool used = false;
    QHash<QString, std::shared_ptr<LaidText>> texts;
};

// The width drawText gives a line that must not wrap.
constexpr qreal kUnwrappedLineWidth = 0x01000000;
constexpr int kAlignmentFlags = Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignTop | Qt::AlignBottom |
                                Qt::AlignVCenter;

std::array<Layouts, 6>& keptLayouts()
{
    static std::array<Layouts, 6> fonts;
    return fonts;
}

const LaidText& laidOut(const QFont& font, int dpi, Qt::LayoutDirection direction, const QString& text)
{
    std::array<Layouts, 6>& fonts = keptLayouts();
    static std::size_t next = 0;
    Layouts* layouts = nullptr;
    for (Layouts& l : fonts) {
        if (l.used && l.dpi == dpi && l.direction == direction && l.font == font) {
            layouts = &l;
            break;
        }
    }
    if (!layouts) {
        layouts = &fonts[next];
        next = (next + 1) % fonts.size();
        layouts->font = font;
        layouts->dpi = dpi;
        layouts->direction = direction;
        layouts->used = true;
        layouts->texts.clear();
    }
    auto it = layouts->texts.find(text);
    if (it != layouts->texts.end())
        return **it;
    if (layouts->texts.size() > 512)
        layouts->texts.clear();

    auto laid = std::make_shared<LaidText>();
    laid->layout.setText(text);
    laid->layout.setFont(font);
    QTextOption option;
    option.setTextDirection(direction);
    option.setAlignment(Qt::AlignLeft);
    laid->layout.setTextOption(option);
    laid->layout.setCacheEnabled(true);
    laid->layout.beginLayout();
    QTextLine line = laid->layout.createLine();
    if (line.isValid()) {
        line.setLineWidth(kUnwrappedLineWidth);
        line.setPosition(QPointF(0, 0));
        laid->width = line.naturalTextWidth();
        laid->height = line.ascent() + line.descent();
    }
    laid->layout.endLayout();
    return **layouts->texts.insert(text, std::move(laid));
}

// Whether drawText would lay `text` out on one line with nothing but alignment to apply.
bool plainLine(const QPainter& painter, int flags, const QString& text)
{
    if (text.isEmpty() || (flags & ~(kAlignmentFlags | Qt::TextDontClip)) != 0 || !painter.isActive()
        || painter.layoutDirection() == Qt::RightToLeft)
        return false;
    const QFont& font = painter.font();
    if (font.underline() || font.overline() || font.strikeOut())
        return false;
    if (text.front().isSpace() || text.back().isSpace())
        return false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n' || u == u'\r' || u == u'\t' || u == u'&' || u == 0x9c || u == QChar::LineSeparator
            || u == QChar::ParagraphSeparator)
            return false;
    }
    return true;
}
} // namespace

void VKTextMeasures::draw(QPainter& painter, const QRectF& rect, int flags, const QString& text)
{
    if (!plainLine(painter, flags, text) || !painter.device()) {
        painter.drawText(rect, flags, text);
        return;
    }
    if (painter.pen().style() == Qt::NoPen)
        return;
    const QFont& font = painter.font();
    const LaidText& laid = laidOut(font, painter.device()->logicalDpiY(), painter.layoutDirection(), text);
    if (laid.layout.lineCount() != 1) {
        painter.drawText(rect, flags, text);
        return;
    }

    qreal y = 0;
    if (flags & Qt::AlignBottom)
        y = rect.height() - laid.height;
    else if (flags & Qt::AlignVCenter)
        y = (rect.height() - laid.height) / 2;
    qreal x = 0;
    if (flags & Qt::AlignRight)
        x = rect.width() - laid.width;
    else if (flags & Qt::AlignHCenter)
        x = (rect.width() - laid.width) / 2;
    const QRectF bounds(rect.x() + x, rect.y() + y, laid.width, laid.height);
    const bool clip = !(flags & Qt::TextDontClip) && !rect.contains(bounds);
    if (clip) {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
    }
    const QTextLine line = laid.layout.lineAt(0);
    const qreal advance = line.horizontalAdvance();
    x = 0;
    if (flags & Qt::AlignRight)
        x = rect.width() - advance;
    else if (flags & Qt::AlignHCenter)
        x = (rect.width() - advance) / 2;
    line.draw(&painter, QPointF(rect.x() + x, rect.y() + y));
    if (clip)
        painter.restore();
}

int VKTextMeasures::keptTextCount()
{
    int count = 0;
    for (const Layouts& layouts : keptLayouts())
        count += int(layouts.texts.size());
    return count;
}

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
