#include "ViewKit/VKBadgeIconLabel.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "ViewKit/VKBadgePainting.h"
#include "ViewKit/VKStrings.h"
#include "ViewKit/VKTheme.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace ViewKit {

VKBadgeIconLabel::VKBadgeIconLabel(std::optional<QString> key, std::optional<QString> text, const QString& systemName,
                                   const QColor& color, qreal horizontalSpacing, qreal verticalSpacing, QWidget* parent)
    : QWidget(parent)
    , m_key(std::move(key))
    , m_text(std::move(text))
    , m_systemName(systemName)
    , m_color(color)
    , m_horizontalSpacing(std::max<qreal>(0, horizontalSpacing))
    , m_verticalSpacing(std::max<qreal>(0, verticalSpacing))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

VKBadgeIconLabel* VKBadgeIconLabel::withKey(const QString& key, const QString& systemName, const QColor& color,
                                            qreal horizontalSpacing, qreal verticalSpacing, QWidget* parent)
{
    return new VKBadgeIconLabel(key, std::nullopt, systemName, color, horizontalSpacing, verticalSpacing, parent);
}

VKBadgeIconLabel* VKBadgeIconLabel::withText(const QString& text, const QString& systemName, const QColor& color,
                                             qreal horizontalSpacing, qreal verticalSpacing, QWidget* parent)
{
    return new VKBadgeIconLabel(std::nullopt, text, systemName, color, horizontalSpacing, verticalSpacing, parent);
}

std::optional<QString> VKBadgeIconLabel::label() const
{
    if (m_key)
        return VKStrings::mainTable(*m_key);
    return m_text;
}

QSizeF VKBadgeIconLabel::contentSize() const
{
    QSizeF size(symbolSide, symbolSide);
    if (const std::optional<QString> shown = label()) {
        const QFontMetricsF metrics(VKTheme::font(VKTextStyle::callout));
        size.rwidth() += contentSpacing + metrics.horizontalAdvance(*shown);
        size.rheight() = std::max(size.height(), metrics.height());
    }
    return size;
}

QSize VKBadgeIconLabel::sizeHint() const
{
    return ceilSize(contentSize().grownBy(QMarginsF(m_horizontalSpacing, m_verticalSpacing, m_horizontalSpacing,
                                                    m_verticalSpacing)));
}

QRectF VKBadgeIconLabel::symbolRect() const
{
    const QSizeF content = contentSize();
    const qreal left = (width() - content.width()) / 2;
    return QRectF(left, (height() - symbolSide) / 2, symbolSide, symbolSide);
}

void VKBadgeIconLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintGradientBadge(painter, QRectF(rect()), m_color);
    const QRectF symbol = symbolRect();
    BaseKit::SymbolGlyphs::draw(painter, symbol, m_systemName, Qt::white);
    if (const std::optional<QString> shown = label()) {
        const QRectF textRect(symbol.right() + contentSpacing, 0, width() - symbol.right() - contentSpacing, height());
        painter.setFont(VKTheme::font(VKTextStyle::callout));
        painter.setPen(Qt::white);
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, *shown);
    }
}

} // namespace ViewKit
