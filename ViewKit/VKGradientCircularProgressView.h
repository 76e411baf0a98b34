#pragma once

#include <QColor>
#include <QConicalGradient>
#include <QFont>
#include <QRectF>
#include <QWidget>

#include <optional>
#include <vector>

class QPainter;
class QVariantAnimation;

namespace ViewKit {

// A ring like VKCircularProgressView painted with an angular gradient of several colours, which run
// from the start of the arc over progress x 360 degrees: above 1 they spread over more than a turn
// while the arc stays full.
class VKGradientCircularProgressView : public QWidget
{
    Q_OBJECT

public:
    // Without a duration changes show at once.
    VKGradientCircularProgressView(float progress, float lineWidth, std::optional<double> duration,
                                   std::optional<QFont> font, std::vector<QColor> colors, QWidget* parent = nullptr);

    const std::vector<QColor>& colors() const { return m_colors; }
    qreal lineWidth() const { return m_lineWidth; }
    std::optional<QFont> font() const { return m_font; }
    float progress() const { return m_progress; }
    float shownProgress() const { return m_shown; }
    std::optional<double> duration() const { return m_duration; }
    void setProgress(float progress);

    // The colour of the gradient at a clockwise angle (degrees) from the arc's start, for a gradient
    // that spreads the colours evenly over `span` degrees: the first colour before the start, the last
    // past the span. Invalid without colours.
    static QColor colorAt(const std::vector<QColor>& colors, double span, double degrees);
    // The gradient about `centre` for one turn from 3 o'clock clockwise (before any turn of the ring).
    static QConicalGradient gradient(const std::vector<QColor>& colors, double progress, const QPointF& centre);

    static void paint(QPainter& painter, const QRectF& rect, const std::vector<QColor>& colors, qreal lineWidth,
                      double progress, const QColor& gray);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<QColor> m_colors;
    qreal m_lineWidth;
    std::optional<QFont> m_font;
    float m_progress;
    float m_shown;
    std::optional<double> m_duration;
    QVariantAnimation* m_animation;
};

} // namespace ViewKit
