#pragma once

#include "ViewKit/VKTheme.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QWidget>

#include <optional>
#include <span>
#include <vector>

class QPainter;
class QVariantAnimation;

namespace ViewKit {

// Paints the ring in the largest square centred in rect: a faint full ring (gray, opacity 0.4) and,
// for each value i, an arc from the sum of the values before it to that sum plus value(i) (fractions
// of a turn, from 12 o'clock clockwise, limited to one turn) in colours[i mod colours.size()]; no
// arcs without colours. Values that are not finite count as 0. With showProgress, percentText of the
// total stands in the centre in `font` and `textColor`.
void paintStackedGauge(QPainter& painter, const QRectF& rect, std::span<const double> values,
                       std::span<const QColor> colors, qreal lineWidth, bool showProgress, const QFont& font,
                       const QColor& textColor, VKColorScheme scheme);

// The sum of the finite values.
double gaugeTotal(std::span<const double> values);

// A ring of consecutive coloured arcs, one per value, with an optional percentage of the total.
class VKStackedGaugeView : public QWidget
{
    Q_OBJECT

public:
    explicit VKStackedGaugeView(QWidget* parent = nullptr);
    VKStackedGaugeView(std::vector<double> values, std::vector<QColor> colors, qreal lineWidth, bool showProgress,
                       std::optional<QFont> font, std::optional<double> duration, QWidget* parent = nullptr);

    const std::vector<double>& values() const { return m_values; }
    // The values drawn now (they differ from values() while a change animates).
    const std::vector<double>& shownValues() const { return m_shown; }
    void setValues(std::vector<double> values);
    const std::vector<QColor>& colors() const { return m_colors; }
    void setColors(std::vector<QColor> colors);
    qreal lineWidth() const { return m_lineWidth; }
    void setLineWidth(qreal width);
    bool showProgress() const { return m_showProgress; }
    void setShowProgress(bool show);
    // Font of the percentage; the caption style when none.
    std::optional<QFont> textFont() const { return m_font; }
    void setTextFont(std::optional<QFont> font);
    // Seconds a change of the values takes (ease-in-out); none changes at once.
    std::optional<double> duration() const { return m_duration; }
    void setDuration(std::optional<double> seconds);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<double> m_values;
    std::vector<double> m_shown;
    std::vector<double> m_from;
    std::vector<QColor> m_colors;
    qreal m_lineWidth = 8;
    bool m_showProgress = false;
    std::optional<QFont> m_font;
    std::optional<double> m_duration;
    QVariantAnimation* m_animation;
};

} // namespace ViewKit
