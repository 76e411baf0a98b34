#include "ViewKit/VKTagView.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "LanguageKit/LKResources.h"
#include "ViewKit/VKBadgePainting.h"
#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKStrings.h"
#include "ViewKit/VKTheme.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace ViewKit {

namespace {

QFont tagFont()
{
    return VKTheme::font(VKTextStyle::callout, QFont::Bold);
}

} // namespace

VKTagView::VKTagView(std::optional<QString> text, std::optional<QString> key, const VKBadgeColor& color, bool fixedSize,
                     std::optional<QString> systemName, qreal spacing, qreal dimension, QWidget* parent)
    : QWidget(parent)
    , m_text(std::move(text))
    , m_key(std::move(key))
    , m_color(color)
    , m_fixedSize(fixedSize)
    , m_systemName(std::move(systemName))
    , m_spacing(std::max<qreal>(0, spacing))
    , m_dimension(std::max<qreal>(0, dimension))
{
    setSizePolicy(fixedSize ? QSizePolicy::Fixed : QSizePolicy::Expanding, QSizePolicy::Fixed);
}

VKTagView* VKTagView::withText(const QString& text, const VKBadgeColor& color, bool fixedSize,
                               std::optional<QString> systemName, qreal spacing, qreal dimension, QWidget* parent)
{
    return new VKTagView(text, std::nullopt, color, fixedSize, std::move(systemName), spacing, dimension, parent);
}

VKTagView* VKTagView::withKey(const QString& key, const VKBadgeColor& color, bool fixedSize,
                              std::optional<QString> systemName, qreal spacing, qreal dimension, QWidget* parent)
{
    return new VKTagView(std::nullopt, key, color, fixedSize, std::move(systemName), spacing, dimension, parent);
}

VKTagView* VKTagView::localized(LanguageKit::LKLocalizedString key, const VKBadgeColor& color, bool fixedSize,
                                std::optional<QString> systemName, qreal spacing, qreal dimension, QWidget* parent)
{
    return new VKTagView(LanguageKit::LKResources::localized(key), std::nullopt, color, fixedSize,
                         std::move(systemName), spacing, dimension, parent);
}

std::optional<QString> VKTagView::label() const
{
    if (m_key)
        return VKStrings::mainTable(*m_key);
    return m_text;
}

QSizeF VKTagView::contentSize() const
{
    const std::optional<QString> shown = label();
    if (!shown)
        return QSizeF(0, 0);
    const QFontMetricsF metrics(tagFont());
    QSizeF size(metrics.horizontalAdvance(*shown), metrics.height());
    if (m_systemName) {
        size.rwidth() += m_dimension + m_spacing;
        size.rheight() = std::max(size.height(), m_dimension);
    }
    return size.grownBy(badgePadding);
}

qreal VKTagView::contentLeft() const
{
    return (width() - contentSize().width()) / 2 + badgePadding.left();
}

QRectF VKTagView::symbolRect() const
{
    if (!m_systemName || !label())
        return QRectF();
    return QRectF(contentLeft(), (height() - m_dimension) / 2, m_dimension, m_dimension);
}

QRectF VKTagView::textRect() const
{
    const std::optional<QString> shown = label();
    if (!shown)
        return QRectF();
    const QFontMetricsF metrics(tagFont());
    qreal left = contentLeft();
    if (m_systemName)
        left += m_dimension + m_spacing;
    return QRectF(left, (height() - metrics.height()) / 2, metrics.horizontalAdvance(*shown), metrics.height());
}

QSize VKTagView::sizeHint() const
{
    return ceilSize(contentSize());
}

QSize VKTagView::minimumSizeHint() const
{
    return m_fixedSize ? sizeHint() : QSize(0, sizeHint().height());
}

void VKTagView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(continuousRoundedRect(QRectF(rect()), badgeCornerRadius), m_color.background());
    const std::optional<QString> shown = label();
    if (!shown)
        return;
    const QColor foreground = m_color.foreground();
    if (m_systemName)
        BaseKit::SymbolGlyphs::draw(painter, symbolRect(), *m_systemName, foreground);
    painter.setFont(tagFont());
    painter.setPen(foreground);
    painter.drawText(textRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, *shown);
}

} // namespace ViewKit
