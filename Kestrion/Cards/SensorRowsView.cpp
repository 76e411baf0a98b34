#include "Kestrion/Cards/SensorRowsView.h"

#include <QFontMetrics>
#include <QPainter>

namespace Kestrion {

using ViewKit::VKTheme;

SensorRowsView::SensorRowsView(QWidget* parent)
    : CardRowsView(parent)
{
}

void SensorRowsView::setSensors(const SensorModelList& sensors, int temperatureUnit)
{
    const int before = int(m_rows.size());
    m_rows.clear();
    m_rows.reserve(sensors.size());
    for (const auto& sensor : sensors) {
        if (!sensor)
            continue;
        m_rows.push_back(Row{sensor->id, sensor->name, sensor->formattedValue(temperatureUnit), sensor->value >= 50.0,
                             sensor->valueColor()});
    }
    rowsChanged(before);
}

QFont SensorRowsView::valueFont(bool medium) const
{
    QFont result = font();
    if (medium)
        result.setWeight(VKTheme::renderedWeight(result, QFont::Medium));
    return result;
}

void SensorRowsView::paintRows(QPainter& painter, int first, int last)
{
    const ViewKit::VKColorScheme scheme = VKTheme::scheme(this);
    const QColor secondary = VKTheme::secondaryText(scheme);
    const QFont regular = valueFont(false);
    const QFont medium = valueFont(true);
    const QFontMetrics regularMetrics(regular);
    const QFontMetrics mediumMetrics(medium);
    const int height = rowHeight();
    const int step = height + rowSpacing;
    const int spacing = int(VKTheme::defaultSpacing);
    for (int i = first; i <= last; ++i) {
        const Row& row = m_rows[std::size_t(i)];
        const QRect line(0, i * step, width(), height);
        const QFontMetrics& valueMetrics = row.medium ? mediumMetrics : regularMetrics;
        const int valueWidth = std::min(valueMetrics.horizontalAdvance(row.value), width());
        painter.setFont(row.medium ? medium : regular);
        painter.setPen(VKTheme::color(row.color, scheme, palette()));
        painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, row.value);
        painter.setFont(regular);
        painter.setPen(secondary);
        const int nameWidth = std::max(0, width() - valueWidth - spacing);
        painter.drawText(QRect(0, line.top(), nameWidth, height), Qt::AlignLeft | Qt::AlignVCenter,
                         regularMetrics.elidedText(row.name, Qt::ElideRight, nameWidth));
    }
}

} // namespace Kestrion
