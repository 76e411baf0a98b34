#include "ViewKit/VKNetworkInfoView.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "LanguageKit/LKResources.h"
#include "ViewKit/VKTheme.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace ViewKit {

namespace {
constexpr qreal spacing = 8;
constexpr int textFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
} // namespace

VKNetworkInfoView::VKNetworkInfoView(qreal size, QWidget* parent) : QWidget(parent), m_size(size)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QString VKNetworkInfoView::text() const
{
    return LanguageKit::LKResources::localized(LanguageKit::LKLocalizedString::noNetworkAdapter);
}

QRectF VKNetworkInfoView::textRect(qreal width) const
{
    const QFontMetricsF metrics(font());
    return metrics.boundingRect(QRectF(0, 0, std::max<qreal>(width, 1), 1e6), textFlags, text());
}

int VKNetworkInfoView::heightForWidth(int width) const
{
    return int(std::ceil(m_size + spacing + textRect(width).height()));
}

QSize VKNetworkInfoView::sizeHint() const
{
    const qreal textWidth = QFontMetricsF(font()).horizontalAdvance(text());
    const int width = int(std::ceil(std::max(m_size, std::min<qreal>(textWidth, 240))));
    return QSize(width, heightForWidth(width));
}

QRectF VKNetworkInfoView::symbolRect() const
{
    const qreal total = m_size + spacing + textRect(width()).height();
    const qreal top = std::max<qreal>(0, (height() - total) / 2);
    return QRectF((width() - m_size) / 2, top, m_size, m_size);
}

void VKNetworkInfoView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor color = VKTheme::primaryText(VKTheme::scheme(this));
    const QRectF symbol = symbolRect();
    BaseKit::SymbolGlyphs::draw(painter, symbol, QStringLiteral("network.slash"), color);
    painter.setPen(color);
    painter.setFont(font());
    painter.drawText(QRectF(0, symbol.bottom() + spacing, width(), height() - symbol.bottom() - spacing), textFlags,
                     text());
}

} // namespace ViewKit
