#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QWidget>

#include <optional>

class QPainter;
class QVariantAnimation;

namespace ViewKit {

// The turn of the progress rings: their arcs start just left of 12 o'clock (about 264.95 degrees).
inline constexpr qreal ringTurnDegrees = 4.624221227837966 * 180.0 / 3.14159265358979323846;

// The circle the rings draw on: inscribed in rect after the default padding.
QRectF ringCircle(const QRectF& rect);

// The gray track of the rings: the full circle at opacity 0.4.
void paintRingTrack(QPainter& painter, const QRectF& rect, qreal lineWidth, const QColor& gray);

// A ring that fills clockwise with one colour from just left of 12 o'clock, with the percentage in
// the middle when a font is set. A change of the progress eases in and out over the duration.
class VKCircularProgressView : public QWidget
{
    Q_OBJECT

public:
    // An absent duration is kept as 0: changes then show at once.
    VKCircularProgressView(float progress, const QColor& color, float lineWidth,
                           std::optional<double> duration = std::nullopt, std::optional<QFont> font = std::nullopt,
                           QWidget* parent = nullptr);

    double progress() const { return m_progress; }
    // The fraction drawn now (differs from progress() while a change animates).
    double shownProgress() const { return m_shown; }
    void setProgress(double progress);
    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    qreal lineWidth() const { return m_lineWidth; }
    std::optional<QFont> font() const { return m_font; }
    std::optional<double> duration() const { return m_duration; }

    // The arc's end as a fraction of the circle: the progress, at most 1, at least 0.
    static double trimEnd(double progress);
    static void paint(QPainter& painter, const QRectF& rect, double progress, const QColor& color, qreal lineWidth,
                      const std::optional<QFont>& font, const QColor& gray, const QColor& textColor);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_progress;
    double m_shown;
    QColor m_color;
    qreal m_lineWidth;
    std::optional<QFont> m_font;
    std::optional<double> m_duration;
    QVariantAnimation* m_animation;
};

} // namespace ViewKit
