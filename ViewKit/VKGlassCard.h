#pragma once

#include "ViewKit/VKGlassCardStyle.h"
#include "ViewKit/VKTheme.h"

#include <QRectF>
#include <QWidget>

class QPainter;

namespace ViewKit {

// Paints a glass card surface filling `surface`: a continuous-corner rectangle of the given radius
// filled with the style's material tint; VKGlassCardStyle::none paints nothing.
void paintGlassCard(QPainter& painter, const QRectF& surface, VKGlassCardStyle style, VKColorScheme scheme,
                    qreal cornerRadius);

// The glass card surface as a widget; it fills its whole rect and reads the scheme from its palette.
class VKGlassCard : public QWidget
{
    Q_OBJECT

public:
    explicit VKGlassCard(VKGlassCardStyle style = VKGlassCardStyle::regular,
                         qreal cornerRadius = VKTheme::cardCornerRadius, QWidget* parent = nullptr);

    VKGlassCardStyle glassStyle() const { return m_style; }
    void setGlassStyle(VKGlassCardStyle style);
    qreal cornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(qreal radius);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    VKGlassCardStyle m_style;
    qreal m_cornerRadius;
};

} // namespace ViewKit
