#include "Kestrion/Cards/FanRowsView.h"

#include "ViewKit/VKProgressView.h"
#include "ViewKit/VKTheme.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

namespace Kestrion {

using ViewKit::VKTheme;

FanRowsView::FanRowsView(QWidget* parent)
    : QWidget(parent)
{
    setFont(VKTheme::font(ViewKit::VKTextStyle::body));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
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
    if (int(m_rows.size()) != before)
        updateGeometry();
    update();
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

QSize FanRowsView::sizeHint() const
{
    const int count = int(m_rows.size());
    return QSize(0, count == 0 ? 0 : count * rowHeight() + (count - 1) * rowSpacing);
}

QSize FanRowsView::minimumSizeHint() const
{
    return QSize(0, sizeHint().height());
}

void FanRowsView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    QWidget::changeEvent(event);
}

void FanRowsView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ViewKit::VKColorScheme scheme = VKTheme::scheme(this);
    const QColor secondary = VKTheme::secondaryText(scheme);
    const QColor accent = VKTheme::color(ViewKit::VKNamedColor::accent, scheme, palette());
    const QFontMetrics metrics(font());
    const int height = rowHeight();
    const int step = height + rowSpacing;
    const int first = std::max(0, event->rect().top() / step);
    const int last = std::min(int(m_rows.size()) - 1, event->rect().bottom() / step);
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
