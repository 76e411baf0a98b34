#include "Kestrion/Cards/FanRowsView.h"

#include "ViewKit/VKProgressView.h"
#include "ViewKit/VKTheme.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace Kestrion {

using ViewKit::VKTheme;

FanRowsView::FanRowsView(QWidget* parent)
    : CardRowsView(parent)
{
}

void FanRowsView::setFans(const FanModelList& fans)
{
    const int before = int(m_rows.size());
    m_rows.clear();
    m_rows.reserve(fans.size());
    for (const auto& fan : fans) {
        if (!fan)
            continue;
        // Plain digits with a leading minus, no grouping, no unit.
        m_rows.push_back(Row{fan->id, fan->name, QString::number(fan->rpm),
                             ViewKit::progressFor(double(fan->percentage()), std::nullopt)});
    }
    rowsChanged(before);
}

int FanRowsView::rowHeight() const
{
    return std::max(QFontMetrics(font()).height(), barSize.height());
}

QRectF FanRowsView::barRect(int index) const
{
    const int top = index * (rowHeight() + rowSpacing);
    return QRectF(width() - barSize.width(), top + (rowHeight() - barSize.height()) / 2.0, barSize.width(),
                  barSize.height());
}

void FanRowsView::paintRows(QPainter& painter, int first, int last)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const ViewKit::VKColorScheme scheme = VKTheme::scheme(this);
    const QColor secondary = VKTheme::secondaryText(scheme);
    const QColor accent = VKTheme::color(ViewKit::VKNamedColor::accent, scheme, palette());
    const QFontMetrics metrics(font());
    const int height = rowHeight();
    const int step = height + rowSpacing;
    painter.setPen(secondary);
    for (int i = first; i <= last; ++i) {
        const Row& row = m_rows[std::size_t(i)];
        const QRectF bar = barRect(i);
        const int speedWidth = metrics.horizontalAdvance(row.speed);
        const int speedRight = int(bar.left()) - itemSpacing;
        painter.drawText(QRect(speedRight - speedWidth, i * step, speedWidth, height), Qt::AlignRight | Qt::AlignVCenter,
                         row.speed);
        const int nameWidth = std::max(0, speedRight - speedWidth - itemSpacing);
        painter.drawText(QRect(0, i * step, nameWidth, height), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(row.name, Qt::ElideRight, nameWidth));

        painter.save();
        QPainterPath clip;
        clip.addRoundedRect(bar, 3, 3);
        painter.setClipPath(clip);
        ViewKit::paintProgressBar(painter, bar, accent, row.progress, std::nullopt, std::nullopt, font(), scheme);
        painter.restore();
        painter.setPen(secondary);
    }
}

} // namespace Kestrion
