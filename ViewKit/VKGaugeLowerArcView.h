#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

class QPainter;

namespace ViewKit {

// The small arc in the dial's bottom opening, from 54 to 126 degrees, in the tertiary colour at
// opacity 0.4, padded by four times its line width.
class VKGaugeLowerArcView : public QWidget
{
    Q_OBJECT

public:
    // `radius` is the arc's line width.
    explicit VKGaugeLowerArcView(qreal radius, QWidget* parent = nullptr);

    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);

    static void paint(QPainter& painter, const QRectF& frame, qreal radius, const QColor& tertiary);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qreal m_radius;
};

} // namespace ViewKit
