#pragma once

#include "ViewKit/VKAnimatedValue.h"
#include "ViewKit/VKTheme.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QWidget>

#include <optional>

class QPainter;

namespace ViewKit {

// A closed range of doubles.
struct VKClosedRange
{
    double lower = 0;
    double upper = 1;
    double width() const { return upper - lower; }
};

// The drawn fraction of a value: value / (range width), or value itself without a range. The lower
// bound is not subtracted. A zero-width range or a value that is not finite gives 0.
double progressFor(double value, std::optional<VKClosedRange> range);

// Where the maximum marker stands, as a fraction of the bar: maxValue / (range width); none when
// there is no maximum or the fraction is not finite.
std::optional<double> markerFraction(std::optional<double> maxValue, std::optional<VKClosedRange> range);

// Paints the bar in rect: the gray track (opacity 0.4), the fill of width rect.width() * fill from the
// leading edge (not clamped; nothing when not positive), the 2-point gray marker whose trailing edge
// stands at marker, and, when textProgress is given, its percentText centred in white in `font`.
void paintProgressBar(QPainter& painter, const QRectF& rect, const QColor& color, double fill,
                      std::optional<double> marker, std::optional<double> textProgress, const QFont& font,
                      VKColorScheme scheme);

// A flat horizontal bar showing a fraction, with an optional maximum marker and percentage.
class VKProgressView : public QWidget
{
    Q_OBJECT

public:
    explicit VKProgressView(QWidget* parent = nullptr);

    // The value, divided by the range's width when a range is set (progressFor).
    void setValue(double value);
    double progress() const { return m_progress.target(); }
    // The fraction currently drawn (differs from progress() while a change animates).
    double shownProgress() const { return m_progress.shown(); }

    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    bool showProgress() const { return m_showProgress; }
    void setShowProgress(bool show);
    // Font of the percentage; the caption style when none.
    std::optional<QFont> textFont() const { return m_font; }
    void setTextFont(std::optional<QFont> font);
    // Seconds a change of the value takes (ease-in-out); 0 changes at once.
    double animationDuration() const { return m_animationDuration; }
    void setAnimationDuration(double seconds);
    std::optional<double> maxValue() const { return m_maxValue; }
    void setMaxValue(std::optional<double> maxValue);
    // The range the value is measured in; set it before the value.
    std::optional<VKClosedRange> range() const { return m_range; }
    void setRange(std::optional<VKClosedRange> range);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
    VKAnimatedValue m_progress;
    bool m_showProgress = false;
    std::optional<QFont> m_font;
    double m_animationDuration = 0;
    std::optional<double> m_maxValue;
    std::optional<VKClosedRange> m_range;
};

} // namespace ViewKit
