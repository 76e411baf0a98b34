#include "ViewKit/VKSingleIconTextView.h"

#include "ViewKit/VKImage.h"
#include "ViewKit/VKTheme.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace ViewKit {

namespace {

constexpr qreal iconSide = 12;

QFont smallFont()
{
    QFont font = QApplication::font();
    font.setPixelSize(10);
    return font;
}

} // namespace

VKSingleIconTextView::VKSingleIconTextView(const QString& icon, const QString& text, std::optional<qreal> width,
                                           QWidget* parent)
    : QWidget(parent)
    , m_icon(icon)
    , m_text(text)
    , m_width(width)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize VKSingleIconTextView::sizeHint() const
{
    const QFontMetricsF metrics(smallFont());
    const qreal textWidth = m_width.value_or(metrics.horizontalAdvance(m_text));
    // Framed to a width, the text takes as many lines as it wraps into there.
    const qreal textHeight =
        m_width ? metrics.boundingRect(QRectF(0, 0, std::max<qreal>(0, *m_width), 1e6), Qt::AlignCenter | Qt::TextWordWrap,
                                       m_text)
                      .height()
                : metrics.height();
    return QSize(int(std::ceil(iconSide + VKTheme::defaultSpacing + textWidth)),
                 int(std::ceil(std::max({iconSide, metrics.height(), textHeight}))));
}

void VKSingleIconTextView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor color = VKTheme::primaryText(VKTheme::scheme(this));
    const QFontMetricsF metrics(smallFont());
    paintSymbol(painter, QRectF(0, (height() - iconSide) / 2, iconSide, iconSide), m_icon, color,
                VKContentMode::stretch);
    const qreal x = iconSide + VKTheme::defaultSpacing;
    painter.setFont(smallFont());
    painter.setPen(color);
    if (m_width) {
        // The text alone is framed to the width, centred, and wraps inside it.
        painter.drawText(QRectF(x, 0, *m_width, height()), Qt::AlignCenter | Qt::TextWordWrap, m_text);
    } else {
        painter.drawText(QRectF(x, 0, std::max<qreal>(0, width() - x), height()), Qt::AlignLeft | Qt::AlignVCenter,
                         m_text);
    }
}

} // namespace ViewKit
