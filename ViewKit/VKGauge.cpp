#include "ViewKit/VKGauge.h"

#include "ViewKit/VKGaugeArcView.h"
#include "ViewKit/VKGaugeLowerArcProgressView.h"
#include "ViewKit/VKGaugeLowerArcView.h"
#include "ViewKit/VKGaugeProgressArcView.h"
#include "ViewKit/VKGaugeTickTextView.h"
#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKTheme.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <cmath>
#include <limits>
#include <vector>

namespace ViewKit {

namespace {

QFont sizedFont(qreal size, QFont::Weight weight)
{
    QFont font = VKTheme::font(VKTextStyle::body, weight);
    font.setPixelSize(std::max(1, int(std::lround(size))));
    return font;
}

// The thin ring inside the scale: from 162 degrees over the top to 18, strongest at the top.
void paintInnerRing(QPainter& painter, const QRectF& frame, const QColor& color)
{
    const qreal w = 0.56 * frame.width() - 40;
    const qreal h = 0.56 * frame.height() - 40;
    if (!(w > 0 && h > 0))
        return;
    const QPointF centre = frame.center();
    const QRectF box(centre.x() - w / 2, centre.y() - h / 2, w, h);
    const QPainterPath arc = trimmedCircle(centredSquare(box), 0.2, 0.8, 0);
    QLinearGradient gradient(box.bottomRight(), box.bottomLeft());
    gradient.setColorAt(0, withOpacity(color, 0));
    gradient.setColorAt(1, withOpacity(color, 0.75));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre);
    painter.rotate(90);
    painter.translate(-centre);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(strokePen(gradient, 1));
    painter.drawPath(arc);
    painter.restore();
}

} // namespace

VKGauge::VKGauge(Values values, QWidget* parent)
    : QWidget(parent)
    , m_values(std::move(values))
{
}

void VKGauge::setValues(Values values)
{
    m_values = std::move(values);
    update();
}

std::int64_t VKGauge::wholePart(double value)
{
    if (!std::isfinite(value))
        return 0;
    if (value >= 9223372036854775807.0)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::min();
    return std::int64_t(value);
}

std::optional<float> VKGauge::progress(float value, float maxValue)
{
    if (!std::isfinite(value) || !(value > 0) || !std::isfinite(maxValue) || !(maxValue > 0))
        return std::nullopt;
    return value / maxValue;
}

qreal VKGauge::arcWidth(qreal width)
{
    return std::isfinite(width) ? std::trunc(width * 0.0625) : 0;
}

qreal VKGauge::scalePadding(qreal width)
{
    return std::isfinite(width) ? std::trunc(width * 0.11) : 0;
}

void VKGauge::paint(QPainter& painter, const QRectF& frame, const Values& v, const QPalette& palette)
{
    if (frame.isEmpty())
        return;
    const VKColorScheme scheme = VKTheme::scheme(palette);
    const QColor secondary = VKTheme::secondaryText(scheme);
    const QColor tertiary = VKTheme::color(VKNamedColor::tertiary, scheme);
    const qreal width = frame.width();
    const qreal s = arcWidth(width);

    VKGaugeArcView::paint(painter, frame, s, secondary);
    if (const std::optional<float> fraction = progress(v.value, v.maxValue))
        VKGaugeProgressArcView::paint(painter, frame, s, *fraction, v.color);
    if (v.secondaryProgress) {
        VKGaugeLowerArcView::paint(painter, frame, 4, tertiary);
        if (std::isfinite(*v.secondaryProgress) && *v.secondaryProgress > 0)
            VKGaugeLowerArcProgressView::paint(painter, frame, 4, *v.secondaryProgress, v.color);
    }
    const qreal pad = scalePadding(width);
    VKGaugeTickTextView::paint(painter, frame.adjusted(pad, pad, -pad, -pad), 270, wholePart(v.maxValue), v.showText,
                               v.maxIndicatorValue, v.tickCount, v.color, width, secondary,
                               VKTheme::color(VKNamedColor::red, scheme));

    // The centre: the value, then subtitle and info, stacked 8 apart and centred together.
    struct Line {
        QString text;
        QFont font;
        QColor color;
    };
    std::vector<Line> lines;
    lines.push_back({QString::number(wholePart(v.value)), sizedFont(width * 0.1, QFont::Bold),
                     VKTheme::primaryText(scheme)});
    const QFont small = sizedFont(std::max<qreal>(width * 0.03, 10), QFont::Bold);
    if (v.subtitle)
        lines.push_back({*v.subtitle, small, secondary});
    if (v.info)
        lines.push_back({*v.info, small, tertiary});
    qreal total = VKTheme::defaultSpacing * qreal(lines.size() - 1);
    for (const Line& line : lines)
        total += QFontMetricsF(line.font).height();
    qreal y = frame.center().y() - total / 2;
    painter.save();
    for (const Line& line : lines) {
        const qreal h = QFontMetricsF(line.font).height();
        painter.setFont(line.font);
        painter.setPen(line.color);
        painter.drawText(QRectF(frame.left(), y, frame.width(), h), Qt::AlignCenter, line.text);
        y += h + VKTheme::defaultSpacing;
    }
    painter.restore();

    paintInnerRing(painter, frame, v.color);
}

QSize VKGauge::sizeHint() const
{
    return QSize(240, 240);
}

void VKGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, QRectF(rect()), m_values, palette());
}

} // namespace ViewKit
