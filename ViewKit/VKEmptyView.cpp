#include "ViewKit/VKEmptyView.h"

#include "ViewKit/VKTheme.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace ViewKit {

namespace {

constexpr qreal stackSpacing = 16;

QFont captionFont()
{
    return VKTheme::font(VKTextStyle::title3, QFont::Bold);
}

} // namespace

VKEmptyView::VKEmptyView(const VKImage& image, const QString& text, qreal width, qreal height,
                         std::optional<QColor> color, QWidget* parent)
    : QWidget(parent)
    , m_image(image)
    , m_text(text)
    , m_width(width)
    , m_height(height)
    , m_color(color)
{
}

void VKEmptyView::setImage(const VKImage& image)
{
    m_image = image;
    update();
}

void VKEmptyView::setText(const QString& text)
{
    m_text = text;
    updateGeometry();
    update();
}

void VKEmptyView::setImageSize(qreal width, qreal height)
{
    m_width = width;
    m_height = height;
    updateGeometry();
    update();
}

void VKEmptyView::setColor(std::optional<QColor> color)
{
    m_color = color;
    update();
}

QSize VKEmptyView::sizeHint() const
{
    const QFontMetricsF metrics(captionFont());
    const qreal pad = 2 * VKTheme::defaultPadding;
    const qreal width = std::max(m_width, metrics.horizontalAdvance(m_text)) + pad;
    const qreal height = m_height + pad + stackSpacing + metrics.height() + pad;
    return QSize(int(std::ceil(width)), int(std::ceil(height)));
}

QRectF VKEmptyView::contentRect() const
{
    const QSizeF size = sizeHint();
    return QRectF((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(), size.height());
}

QRectF VKEmptyView::imageRect() const
{
    const QRectF content = contentRect();
    return QRectF(content.center().x() - m_width / 2, content.top() + VKTheme::defaultPadding, m_width, m_height);
}

void VKEmptyView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const VKColorScheme scheme = VKTheme::scheme(this);
    const QRectF picture = imageRect();
    paintImage(painter, picture, m_image, m_color.value_or(VKTheme::primaryText(scheme)), VKContentMode::stretch);
    const QFont font = captionFont();
    const qreal top = picture.bottom() + VKTheme::defaultPadding + stackSpacing + VKTheme::defaultPadding;
    painter.setFont(font);
    painter.setPen(VKTheme::secondaryText(scheme));
    painter.drawText(QRectF(0, top, width(), QFontMetricsF(font).height()), Qt::AlignHCenter | Qt::AlignVCenter,
                     m_text);
}

} // namespace ViewKit
