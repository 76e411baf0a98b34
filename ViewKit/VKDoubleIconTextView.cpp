#include "ViewKit/VKDoubleIconTextView.h"

#include "ViewKit/VKImage.h"
#include "ViewKit/VKTheme.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace ViewKit {

namespace {

constexpr qreal iconSide = 8;
constexpr qreal verticalPadding = 2;

QFont smallFont()
{
    QFont font = QApplication::font();
    font.setPixelSize(8);
    return font;
}

qreal rowHeight()
{
    return std::max(iconSide, QFontMetricsF(smallFont()).height());
}

} // namespace

VKDoubleIconTextView::VKDoubleIconTextView(const QString& upperIcon, const QString& upperText,
                                           const QString& lowerIcon, const QString& lowerText,
                                           std::optional<qreal> width, QWidget* parent)
    : QWidget(parent)
    , m_upperIcon(upperIcon)
    , m_upperText(upperText)
    , m_lowerIcon(lowerIcon)
    , m_lowerText(lowerText)
    , m_width(width)
{
    if (width)
        setFixedWidth(int(std::lround(*width)));
    else
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize VKDoubleIconTextView::sizeHint() const
{
    const QFontMetricsF metrics(smallFont());
    const qreal textWidth = std::max(metrics.horizontalAdvance(m_upperText), metrics.horizontalAdvance(m_lowerText));
    const qreal width = m_width.value_or(iconSide + VKTheme::defaultSpacing + textWidth);
    const qreal height = 2 * verticalPadding + 2 * rowHeight() + VKTheme::defaultSpacing;
    return QSize(int(std::ceil(width)), int(std::ceil(height)));
}

void VKDoubleIconTextView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const VKColorScheme scheme = VKTheme::scheme(this);
    const QColor color = VKTheme::primaryText(scheme);
    const qreal h = rowHeight();
    painter.setFont(smallFont());
    painter.setPen(color);
    auto row = [&](qreal top, const QString& icon, const QString& text) {
        paintSymbol(painter, QRectF(0, top + (h - iconSide) / 2, iconSide, iconSide), icon, color,
                    VKContentMode::stretch);
        const qreal x = iconSide + VKTheme::defaultSpacing;
        painter.drawText(QRectF(x, top, std::max<qreal>(0, width() - x), h), Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    row(verticalPadding, m_upperIcon, m_upperText);
    row(verticalPadding + h + VKTheme::defaultSpacing, m_lowerIcon, m_lowerText);
}

} // namespace ViewKit
