#pragma once

#include "ViewKit/VKProgressView.h"

#include <QColor>
#include <QRectF>
#include <QWidget>

#include <optional>

class QPainter;
class QVariantAnimation;

namespace ViewKit {

// A flat bar: a gray track, a translucent fill up to the progress and a solid 3-point marker whose
// trailing side meets the end of the fill. Neither is clamped: a progress above 1 draws past the
// track. A change of the fill eases in and out over the animation duration; the marker jumps.
class VKMarkerProgressView : public QWidget
{
    Q_OBJECT

public:
    // The progress is the value divided by the range's width (upper - lower; the lower bound is not
    // subtracted), or the value itself without a range. A range of zero width gives 0.
    VKMarkerProgressView(const QColor& color, double progress, std::optional<double> animationDuration = std::nullopt,
                         std::optional<VKClosedRange> range = std::nullopt, QWidget* parent = nullptr);
    static VKMarkerProgressView* withFloat(const QColor& color, float progress,
                                           std::optional<double> animationDuration = std::nullopt,
                                           std::optional<VKClosedRange> range = std::nullopt,
                                           QWidget* parent = nullptr);
    static VKMarkerProgressView* withInt(const QColor& color, int progress,
                                         std::optional<double> animationDuration = std::nullopt,
                                         std::optional<VKClosedRange> range = std::nullopt, QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    double progress() const { return m_progress; }
    double shownProgress() const { return m_shown; }
    double animationDuration() const { return m_animationDuration; }
    std::optional<VKClosedRange> range() const { return m_range; }
    // A new value, measured in the range as the initialisers do.
    void setValue(double value);

    static void paint(QPainter& painter, const QRectF& rect, const QColor& color, double fill, double marker,
                      const QColor& gray);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
    double m_progress;
    double m_shown;
    double m_animationDuration;
    std::optional<VKClosedRange> m_range;
    QVariantAnimation* m_animation;
};

} // namespace ViewKit
