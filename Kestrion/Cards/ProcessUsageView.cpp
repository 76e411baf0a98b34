#include "Kestrion/Cards/ProcessUsageView.h"

#include "ViewKit/VKTextMeasures.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace Kestrion {

using ViewKit::VKTheme;

QFont ProcessUsageView::font()
{
    return VKTheme::font(ViewKit::VKTextStyle::body, QFont::Medium);
}

qreal ProcessUsageView::rowHeight()
{
    return QFontMetricsF(font()).height();
}

namespace {
// The measures of the row texts in the row font: a list repaints the same names and values each
// second, and measuring them shapes the text again, so the results are kept until the font changes.
struct RowMeasures {
    QFont font;
    std::optional<QFontMetricsF> metrics;
    QHash<QString, qreal> widths;
    QHash<QPair<QString, qint64>, QString> elided;

    void use(const QFont& rowFont)
    {
        if (metrics && rowFont == font)
            return;
        font = rowFont;
        metrics.emplace(rowFont);
        widths.clear();
        elided.clear();
    }
    qreal width(const QString& text)
    {
        if (widths.size() > 2048)
            widths.clear();
        auto it = widths.find(text);
        if (it == widths.end())
            it = widths.insert(text, metrics->horizontalAdvance(text));
        return *it;
    }
    QString elide(const QString& text, qreal available)
    {
        if (elided.size() > 2048)
            elided.clear();
        const QPair<QString, qint64> key(text, qint64(std::llround(available * 64)));
        auto it = elided.find(key);
        if (it == elided.end())
            it = elided.insert(key, metrics->elidedText(text, Qt::ElideRight, available));
        return *it;
    }
};

RowMeasures& rowMeasures()
{
    static RowMeasures measures;
    measures.use(ProcessUsageView::font());
    return measures;
}

qreal leftWidthBeside(qreal rowWidth, qreal rightWidth)
{
    return std::max<qreal>(0, rowWidth - rightWidth - VKTheme::defaultSpacing);
}
} // namespace

qreal ProcessUsageView::rightWidth(const QString& right)
{
    return rowMeasures().width(right);
}

QString ProcessUsageView::shownLeft(const QString& left, qreal rowWidth, qreal rightWidth)
{
    return rowMeasures().elide(left, leftWidthBeside(rowWidth, rightWidth));
}

void ProcessUsageView::paint(QPainter& painter, const QRectF& rect, ViewKit::VKColorScheme scheme,
                             std::optional<QRectF> exposed) const
{
    RowMeasures& measures = rowMeasures();
    painter.setFont(measures.font);
    painter.setPen(VKTheme::secondaryText(scheme));
    const qreal rightWidth = measures.width(right);
    ViewKit::VKTextMeasures::draw(painter, rect, Qt::AlignRight | Qt::AlignVCenter, right);
    const qreal leftWidth = leftWidthBeside(rect.width(), rightWidth);
    const QRectF leftRect(rect.left(), rect.top(), leftWidth, rect.height());
    const QString shown = measures.elide(left, leftWidth);
    // A repaint of the value alone leaves the name as it is. The name stands at the leading edge of
    // its room, as wide as its shown text (the whole room when drawn right to left); glyphs may
    // reach a few pixels past it.
    if (exposed) {
        QRectF name = leftRect;
        if (painter.layoutDirection() == Qt::LeftToRight)
            name.setWidth(std::min(leftWidth, measures.width(shown)));
        if (!name.adjusted(-4, -4, 4, 4).intersects(*exposed))
            return;
    }
    ViewKit::VKTextMeasures::draw(painter, leftRect, Qt::AlignLeft | Qt::AlignVCenter, shown);
}

} // namespace Kestrion
