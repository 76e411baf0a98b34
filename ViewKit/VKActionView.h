#pragma once

#include <QColor>
#include <QWidget>

class QVariantAnimation;

namespace ViewKit {

// The running-action indicator: a faint ring, a filled hub of 0.6 of the width and an arc of 30 per
// cent of the ring that turns clockwise once a second while the view is shown.
class VKActionView : public QWidget
{
    Q_OBJECT

public:
    VKActionView(const QColor& color, Qt::PenCapStyle lineCap, QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    Qt::PenCapStyle lineCap() const { return m_lineCap; }
    void setLineCap(Qt::PenCapStyle lineCap);

    // The arc's turn in degrees, clockwise (0 to 360).
    qreal rotation() const { return m_rotation; }
    bool isRotating() const;

    // Paints the indicator into rect (its width decides the line widths) with the arc turned by rotation.
    static void paint(QPainter& painter, const QRectF& rect, const QColor& color, Qt::PenCapStyle lineCap,
                      qreal rotation);

    QSize sizeHint() const override { return QSize(16, 16); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QColor m_color;
    Qt::PenCapStyle m_lineCap;
    qreal m_rotation = 0;
    QVariantAnimation* m_animation;
};

} // namespace ViewKit
