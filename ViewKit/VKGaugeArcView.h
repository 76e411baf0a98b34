#pragma once

#include <QBrush>
#include <QRectF>
#include <QWidget>

class QPainter;

namespace ViewKit {

// Paints the circle inscribed in frame (after `padding` on every edge), trimmed from trimFrom to trimTo
// of its outline (which starts at 3 o'clock and runs clockwise), turned by turnDegrees clockwise about
// its centre and stroked with lineWidth, round caps; `mirrored` flips the finished arc left to right
// about the frame's centre. The shared drawing of the dial's four arcs.
void paintGaugeArc(QPainter& painter, const QRectF& frame, qreal lineWidth, qreal trimFrom, qreal trimTo,
                   qreal turnDegrees, qreal padding, const QBrush& brush, bool mirrored = false);

// The dial's empty arc: 270 degrees from 135 clockwise over the top to 45, open at the bottom, in the
// secondary text colour at opacity 0.5, padded by its line width.
class VKGaugeArcView : public QWidget
{
    Q_OBJECT

public:
    // `radius` is the arc's line width.
    explicit VKGaugeArcView(qreal radius, QWidget* parent = nullptr);

    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);

    static void paint(QPainter& painter, const QRectF& frame, qreal radius, const QColor& secondary);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qreal m_radius;
};

} // namespace ViewKit
