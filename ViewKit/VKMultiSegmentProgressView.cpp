#include "ViewKit/VKMultiSegmentProgressView.h"

#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKTheme.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace ViewKit {

VKMultiSegmentProgressView::VKMultiSegmentProgressView(int value, int segments, qreal height, qreal spacing,
                                                       QWidget* parent)
    : QWidget(parent)
    , m_value(value)
    , m_segments(std::max(0, segments))
    , m_height(height)
    , m_spacing(spacing)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QList<QRectF> VKMultiSegmentProgressView::segmentRects(const QRectF& rect, int segments, qreal height, qreal spacing)
{
    QList<QRectF> rects;
    if (segments <= 0 || rect.isEmpty())
        return rects;
    const qreal h = std::isfinite(height) ? std::clamp<qreal>(height, 0, rect.height()) : rect.height();
    const qreal gap = std::isfinite(spacing) ? std::max<qreal>(0, spacing) : 0;
    const qreal w = std::max<qreal>(0, (rect.width() - gap * (segments - 1)) / segments);
    const qreal top = rect.center().y() - h / 2;
    for (int i = 0; i < segments; ++i)
        rects.append(QRectF(rect.left() + i * (w + gap), top, w, h));
    return rects;
}

void VKMultiSegmentProgressView::paint(QPainter& painter, const QRectF& rect, int value, int segments, qreal height,
                                       qreal spacing, const QColor& lit, const QColor& unlit)
{
    const QList<QRectF> rects = segmentRects(rect, segments, height, spacing);
    if (rects.isEmpty())
        return;
    const QRectF stack = rects.front().united(rects.back());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(continuousRoundedRect(stack, stack.height() / 2));
    for (int i = 0; i < rects.size(); ++i)
        painter.fillRect(rects[i], i < value ? lit : unlit);
    painter.restore();
}

QSize VKMultiSegmentProgressView::sizeHint() const
{
    const int h = std::isfinite(m_height) && m_height > 0 ? int(std::ceil(std::min<qreal>(m_height, 1000))) : 8;
    return QSize(100, h);
}

void VKMultiSegmentProgressView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const VKColorScheme scheme = VKTheme::scheme(this);
    paint(painter, QRectF(rect()), m_value, m_segments, m_height, m_spacing,
          VKTheme::color(VKNamedColor::accent, scheme, palette()),
          withOpacity(VKTheme::secondaryText(scheme), 0.3));
}

} // namespace ViewKit
