#pragma once

#include <QColor>
#include <QPointer>
#include <QProxyStyle>
#include <QRectF>

class QPainter;
class QVariantAnimation;

namespace ViewKit {

// A style for a progress bar that ignores its value and text and spins a short arc over a faint ring
// forever: one clockwise turn every 4/3 seconds while the bar is shown. Set it on one bar
// (QWidget::setStyle); it keeps that bar's angle.
class VKIndeterminateProgressStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // `segmentAngle` is the fraction of the circle the arc covers.
    VKIndeterminateProgressStyle(const QColor& color, qreal lineWidth, qreal segmentAngle, QObject* parent = nullptr);

    // Degrees the arc is turned by now.
    double angle() const { return m_angle; }
    QColor color() const { return m_color; }
    qreal lineWidth() const { return m_lineWidth; }
    qreal segmentAngle() const { return m_segmentAngle; }
    // Whether the arc is turning (the bar is shown).
    bool isSpinning() const;

    // Milliseconds of one turn: a 1-second turn played at speed 0.75.
    static constexpr int turnMilliseconds = 1333;

    static void paint(QPainter& painter, const QRectF& rect, double angle, const QColor& color, qreal lineWidth,
                      qreal segmentAngle, const QColor& gray);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double m_angle = 0;
    QColor m_color;
    qreal m_lineWidth;
    qreal m_segmentAngle;
    QVariantAnimation* m_spin;
    QPointer<QWidget> m_bar;
};

} // namespace ViewKit
