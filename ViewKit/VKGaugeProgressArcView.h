#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

class QPainter;

namespace ViewKit {

// The dial's filled arc: from 135 degrees clockwise over 270 x value degrees (value a fraction, at most
// the whole scale), in `color` with a soft glow of the same colour, padded by its line width.
class VKGaugeProgressArcView : public QWidget
{
    Q_OBJECT

public:
    VKGaugeProgressArcView(qreal radius, float value, const QColor& color, QWidget* parent = nullptr);

    qreal radius() const { return m_radius; }
    float value() const { return m_value; }
    QColor color() const { return m_color; }
    void setRadius(qreal radius);
    void setValue(float value);
    void setColor(const QColor& color);

    // The end of the arc as a fraction of the circle: 0.25 + 0.75 x value, reckoned in single precision.
    static float trimEnd(float value);
    static void paint(QPainter& painter, const QRectF& frame, qreal radius, float value, const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qreal m_radius;
    float m_value;
    QColor m_color;
};

} // namespace ViewKit
