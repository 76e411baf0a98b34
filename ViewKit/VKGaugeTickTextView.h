#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

class QPainter;

namespace ViewKit {

// The dial's scale: 2N + 1 ticks over the covered angle (every tenth a long one in the secondary
// colour, the others short ones in `color`), upright numbers at every fifth of the N divisions, and a
// red mark where the maximum indicator stands. The ticks' outer ends lie on the layer's top edge
// turned about its centre.
class VKGaugeTickTextView : public QWidget
{
    Q_OBJECT

public:
    // coveredRadius is the scale's angle in degrees; `width` sizes and places the numbers.
    VKGaugeTickTextView(double coveredRadius, std::int64_t maxValue, bool showText,
                        std::optional<float> maxIndicatorValue, int tickCount, const QColor& color, qreal width,
                        QWidget* parent = nullptr);

    double coveredRadius() const { return m_coveredRadius; }
    std::int64_t maxValue() const { return m_maxValue; }
    bool showText() const { return m_showText; }
    std::optional<float> maxIndicatorValue() const { return m_maxIndicatorValue; }
    int tickCount() const { return m_tickCount; }
    QColor color() const { return m_color; }
    qreal width() const { return m_width; }
    void setMaxIndicatorValue(std::optional<float> value);
    void setTickCount(int count);
    void setColor(const QColor& color);
    void setWidth(qreal width);

    // The division count actually used: at least 1 (a scale of no divisions cannot be drawn).
    static int divisions(int tickCount);
    // Degrees from straight up, clockwise, of tick i (0...2N).
    static double tickAngle(int i, int tickCount, double covered);
    // Screen degrees (0 right, clockwise) of number i (0...N): the angle of tick 2i.
    static double numberAngle(int i, int tickCount, double covered);
    // Distance of the numbers' centres from the layer's centre.
    static qreal numberRadius(qreal width);
    // The text of number i: (max / N) x i in whole numbers; none where i is no multiple of 5.
    static std::optional<QString> numberText(int i, int tickCount, std::int64_t maxValue);
    // Degrees from straight up of the maximum mark; none without an indicator or without a positive
    // maximum. Indicators above the maximum stand at the end of the scale; below 0 they stand before
    // its start.
    static std::optional<double> markerAngle(std::optional<float> indicator, std::int64_t maxValue, double covered);

    static void paint(QPainter& painter, const QRectF& layer, double covered, std::int64_t maxValue, bool showText,
                      std::optional<float> maxIndicatorValue, int tickCount, const QColor& color, qreal width,
                      const QColor& secondary, const QColor& red);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const double m_coveredRadius;
    const std::int64_t m_maxValue;
    const bool m_showText;
    std::optional<float> m_maxIndicatorValue;
    int m_tickCount;
    QColor m_color;
    qreal m_width;
};

} // namespace ViewKit
