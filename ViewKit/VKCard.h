#pragma once

#include "ViewKit/VKCardStyle.h"
#include "ViewKit/VKTheme.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QWidget>

#include <optional>

class QPainter;

namespace ViewKit {

// Paints a solid card surface filling `surface`: a continuous-corner rectangle of radius 8 in the
// style and scheme given. The shadow (shadows, light mode) and the outer half of the outline (line)
// fall outside `surface`; a caller keeps VKTheme::cardBleed points around it free for them, or paints
// the shadow itself under the card (withShadow false, then paintCardShadow).
void paintCard(QPainter& painter, const QRectF& surface, VKCardStyle style, VKColorScheme scheme,
               std::optional<QColor> lightColor = std::nullopt, std::optional<QColor> darkColor = std::nullopt,
               bool withShadow = true);

// The opaque colour a solid card surface of the style fills its shape with in the scheme; none for
// the styles that leave what is under the card showing (line, none).
std::optional<QColor> cardFillColor(VKCardStyle style, VKColorScheme scheme);
// How far from each edge of a solid card surface its corners and the antialiasing of its edges
// reach, in points: farther in, the surface is its fill colour alone.
qreal cardEdgeReach();

// Paints only the shadow of a solid card surface filling `surface`: the shadows style's in light
// mode; nothing for the other styles and in dark mode.
void paintCardShadow(QPainter& painter, const QRectF& surface, VKCardStyle style, VKColorScheme scheme);
// How far a card's shadow reaches beyond its surface, in points.
qreal cardShadowReach();

// Paints a blurred shadow of a continuous-corner rectangle (offset 0): `color` blurred with the
// given radius in points, on the device pixels of the painter's device.
void paintShadow(QPainter& painter, const QRectF& shape, qreal cornerRadius, const QColor& color, qreal blurRadius);

// The solid card surface as a widget. It paints the surface in its rect inset by bleed() on every
// edge (room for the shadow and the outline) and reads the scheme from its palette on every paint.
// Content widgets can be laid out on it directly.
class VKCard : public QWidget
{
    Q_OBJECT

public:
    explicit VKCard(QWidget* parent = nullptr);
    VKCard(VKCardStyle style, std::optional<QColor> lightColor, std::optional<QColor> darkColor,
           QWidget* parent = nullptr);

    VKCardStyle cardStyle() const { return m_style; }
    void setCardStyle(VKCardStyle style);
    std::optional<QColor> lightColor() const { return m_lightColor; }
    std::optional<QColor> darkColor() const { return m_darkColor; }
    void setLineColors(std::optional<QColor> lightColor, std::optional<QColor> darkColor);

    qreal bleed() const { return m_bleed; }
    void setBleed(qreal bleed);
    // The rect the surface fills.
    QRectF surfaceRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    VKCardStyle m_style = VKCardStyle::defaultStyle;
    std::optional<QColor> m_lightColor;
    std::optional<QColor> m_darkColor;
    qreal m_bleed = VKTheme::cardBleed;
};

} // namespace ViewKit
