#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

class QPainter;

namespace ViewKit {

// A capsule of equal segments side by side, the first `value` of them in the accent colour and the
// rest in the secondary colour at opacity 0.3; only the capsule's two outer ends are rounded. The
// capsule is at most `height` high, centred vertically, and takes the width it is given.
class VKMultiSegmentProgressView : public QWidget
{
    Q_OBJECT

public:
    VKMultiSegmentProgressView(int value, int segments, qreal height, qreal spacing, QWidget* parent = nullptr);

    int value() const { return m_value; }
    // The segment count; a negative count shows no segment.
    int segments() const { return m_segments; }
    qreal maximumBarHeight() const { return m_height; }
    qreal spacing() const { return m_spacing; }

    // The rects of the segments in rect, left to right.
    static QList<QRectF> segmentRects(const QRectF& rect, int segments, qreal height, qreal spacing);
    static void paint(QPainter& painter, const QRectF& rect, int value, int segments, qreal height, qreal spacing,
                      const QColor& lit, const QColor& unlit);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const int m_value;
    const int m_segments;
    const qreal m_height;
    const qreal m_spacing;
};

} // namespace ViewKit
