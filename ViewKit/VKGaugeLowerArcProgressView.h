#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

class QPainter;

namespace ViewKit {

// The fill of the dial's lower arc: from its 126-degree end towards the 54-degree end over 72 x value
// degrees, in `color`, padded by four times its line width.
class VKGaugeLowerArcProgressView : public QWidget
{
    Q_OBJECT

public:
    VKGaugeLowerArcProgressView(qreal radius, float value, const QColor& color, QWidget* parent = nullptr);

    qreal radius() const { return m_radius; }
    float value() const { return m_value; }
    QColor color() const { return m_color; }
    void setRadius(qreal radius);
    void setValue(float value);
    void setColor(const QColor& color);

    static void paint(QPainter& painter, const QRectF& frame, qreal radius, float value, const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qreal m_radius;
    float m_value;
    QColor m_color;
};

} // namespace ViewKit
