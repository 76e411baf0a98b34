#include "ViewKit/VKStackedProgressBarView.h"

#include "ViewKit/VKGeometry.h"

#include "LanguageKit/LKResources.h"

#include <QPainter>

#include <algorithm>
#include <map>

namespace ViewKit {

namespace {
// Share of a bar's band its mark takes; the rest is the gap between bars.
constexpr qreal barShare = 0.8;
} // namespace

VKStackedProgressBarView::VKStackedProgressBarView(std::vector<VKStackedProgressBarValue> values, qreal cornerRadius,
                                                   QWidget* parent)
    : QWidget(parent)
    , m_values(std::move(values))
    , m_cornerRadius(cornerRadius)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setAccessibleName(seriesLabel());
}

void VKStackedProgressBarView::setValues(std::vector<VKStackedProgressBarValue> values)
{
    m_values = std::move(values);
    update();
}

void VKStackedProgressBarView::setCornerRadius(qreal radius)
{
    m_cornerRadius = radius;
    update();
}

QString VKStackedProgressBarView::seriesLabel()
{
    return LanguageKit::LKResources::localized(LanguageKit::LKLocalizedString::name);
}

QColor VKStackedProgressBarView::paletteColor(int index, VKColorScheme scheme)
{
    static constexpr VKNamedColor order[] = {VKNamedColor::blue,   VKNamedColor::green, VKNamedColor::orange,
                                             VKNamedColor::purple, VKNamedColor::red,   VKNamedColor::cyan,
                                             VKNamedColor::yellow, VKNamedColor::brown, VKNamedColor::pink,
                                             VKNamedColor::indigo};
    constexpr int count = int(std::size(order));
    return VKTheme::color(order[((index % count) + count) % count], scheme);
}

QList<VKStackedProgressBarView::Mark> VKStackedProgressBarView::marks(
    const QRectF& rect, const std::vector<VKStackedProgressBarValue>& values, VKColorScheme scheme)
{
    QList<Mark> result;
    if (values.empty() || rect.isEmpty())
        return result;
    QStringList types;
    QStringList names;
    std::map<QString, long double> totals;
    for (const VKStackedProgressBarValue& v : values) {
        if (!types.contains(v.type))
            types.append(v.type);
        if (!names.contains(v.name))
            names.append(v.name);
        totals[v.type] += static_cast<long double>(v.value);
    }
    long double longest = 0;
    for (const auto& [type, total] : totals)
        longest = std::max(longest, total);
    if (longest <= 0)
        return result;
    const qreal band = rect.height() / qreal(types.size());
    std::map<QString, long double> reached;
    for (const VKStackedProgressBarValue& v : values) {
        const int row = int(types.indexOf(v.type));
        const long double start = reached[v.type];
        const long double end = start + static_cast<long double>(v.value);
        reached[v.type] = end;
        const qreal x0 = rect.left() + rect.width() * qreal(start / longest);
        const qreal x1 = rect.left() + rect.width() * qreal(end / longest);
        const qreal top = rect.top() + band * row + band * (1 - barShare) / 2;
        result.append(Mark{QRectF(x0, top, x1 - x0, band * barShare), paletteColor(int(names.indexOf(v.name)), scheme)});
    }
    return result;
}

void VKStackedProgressBarView::paint(QPainter& painter, const QRectF& rect,
                                     const std::vector<VKStackedProgressBarValue>& values, qreal cornerRadius,
                                     VKColorScheme scheme)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Mark& mark : marks(rect, values, scheme)) {
        if (mark.rect.width() <= 0)
            continue;
        painter.fillPath(continuousRoundedRect(mark.rect, cornerRadius), mark.color);
    }
    painter.restore();
}

QSize VKStackedProgressBarView::sizeHint() const
{
    return QSize(200, 24);
}

void VKStackedProgressBarView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, QRectF(rect()), m_values, m_cornerRadius, VKTheme::scheme(this));
}

} // namespace ViewKit
