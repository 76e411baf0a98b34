#include "BaseKit/Images/Image.h"

#include <QPainter>

namespace BaseKit {

Image Image::tinted(const QColor& color) const
{
    if (!m_template)
        return *this;
    QImage copy = m_pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    copy.detach();
    {
        QPainter painter(&copy);
        painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        painter.fillRect(QRectF(QPointF(0, 0), copy.deviceIndependentSize()), color);
    }
    return Image(std::move(copy), false);
}

} // namespace BaseKit
