#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

class QPainter;

namespace ViewKit {

// A round dial: a 270-degree arc open at the bottom, filled clockwise in proportion to value / maxValue,
// a scale of ticks and numbers, the value's whole part in large digits in the middle with an optional
// subtitle and info line, an optional short arc in the bottom opening for a secondary fraction, and a
// red mark at an optional maximum. Everything is laid out from the widget's own width and height.
class VKGauge : public QWidget
{
    Q_OBJECT

public:
    struct Values {
        float value = 0;
        float maxValue = 100;
        std::optional<float> secondaryProgress;  // fraction of the lower arc to fill
        std::optional<QString> subtitle;
        std::optional<QString> info;
        std::optional<float> maxIndicatorValue;  // in the units of value
        QColor color;
        bool showText = true;                    // draw the scale's numbers
        int tickCount = 50;                      // scale divisions
    };

    explicit VKGauge(Values values, QWidget* parent = nullptr);

    const Values& values() const { return m_values; }
    void setValues(Values values);

    // The whole part of a number, towards zero; 0 for a number that is not finite, the nearest 64-bit
    // bound for one beyond them.
    static std::int64_t wholePart(double value);
    // The filled fraction of the arc: value / maxValue in single precision; none when value is not
    // above 0 or the maximum is not above 0 (no arc is drawn then).
    static std::optional<float> progress(float value, float maxValue);
    // Line width of the main arcs for a width: W / 16 in whole points.
    static qreal arcWidth(qreal width);
    // Padding of the scale inside the arcs: 0.11 W in whole points.
    static qreal scalePadding(qreal width);

    static void paint(QPainter& painter, const QRectF& frame, const Values& values, const QPalette& palette);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Values m_values;
};

} // namespace ViewKit
