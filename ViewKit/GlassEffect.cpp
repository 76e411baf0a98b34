#include "ViewKit/GlassEffect.h"

#include <QEvent>
#include <QPainter>

namespace ViewKit {

GlassEffect::GlassEffect(VKWindowMaterial material, QWidget* parent)
    : QWidget(parent)
    , m_material(material)
{
}

void GlassEffect::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), windowMaterialTint(m_material, VKTheme::scheme(this)));
}

void GlassEffect::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}

} // namespace ViewKit
