#include "ViewKit/VKBadgeLabel.h"

#include "LanguageKit/LKResources.h"
#include "ViewKit/VKBadgePainting.h"
#include "ViewKit/VKStrings.h"
#include "ViewKit/VKTheme.h"

#include <QFontMetricsF>
#include <QPainter>

namespace ViewKit {

VKBadgeLabel::VKBadgeLabel(std::optional<QString> key, std::optional<QString> text, const QColor& color,
                           QWidget* parent)
    : QWidget(parent)
    , m_key(std::move(key))
    , m_text(std::move(text))
    , m_color(color)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (!m_key && !m_text)
        hide();
}

VKBadgeLabel* VKBadgeLabel::withKey(const QString& key, const QColor& color, QWidget* parent)
{
    return new VKBadgeLabel(key, std::nullopt, color, parent);
}

VKBadgeLabel* VKBadgeLabel::withText(const QString& text, const QColor& color, QWidget* parent)
{
    return new VKBadgeLabel(std::nullopt, text, color, parent);
}

VKBadgeLabel* VKBadgeLabel::localized(LanguageKit::LKLocalizedString key, const QColor& color, QWidget* parent)
{
    return new VKBadgeLabel(std::nullopt, LanguageKit::LKResources::localized(key), color, parent);
}

std::optional<QString> VKBadgeLabel::label() const
{
    if (m_text)
        return m_text;
    if (m_key)
        return VKStrings::mainTable(*m_key);
    return std::nullopt;
}

QSize VKBadgeLabel::sizeHint() const
{
    const std::optional<QString> shown = label();
    if (!shown)
        return QSize(0, 0);
    const QFontMetricsF metrics(VKTheme::font(VKTextStyle::callout));
    return ceilSize(QSizeF(metrics.horizontalAdvance(*shown), metrics.height())
                        .grownBy(badgePadding));
}

void VKBadgeLabel::paintEvent(QPaintEvent*)
{
    const std::optional<QString> shown = label();
    if (!shown)
        return;
    QPainter painter(this);
    paintGradientBadge(painter, QRectF(rect()), m_color);
    painter.setFont(VKTheme::font(VKTextStyle::callout));
    painter.setPen(Qt::white);
    painter.drawText(QRectF(rect()).marginsRemoved(badgePadding), Qt::AlignCenter, *shown);
}

} // namespace ViewKit
