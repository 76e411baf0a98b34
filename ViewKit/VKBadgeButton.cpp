#include "ViewKit/VKBadgeButton.h"

#include "ViewKit/VKBadgePainting.h"
#include "ViewKit/VKStrings.h"
#include "ViewKit/VKTheme.h"

#include <QFontMetricsF>
#include <QPainter>

namespace ViewKit {

VKBadgeButton::VKBadgeButton(std::function<void()> handler, std::optional<QString> key, std::optional<QString> text,
                             const QColor& color, QWidget* parent)
    : QAbstractButton(parent)
    , m_handler(std::move(handler))
    , m_key(std::move(key))
    , m_text(std::move(text))
    , m_color(color)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    if (!m_key && !m_text) {
        setEnabled(false);
        hide();
    }
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (m_handler && label())
            m_handler();
    });
}

VKBadgeButton* VKBadgeButton::withKey(const QString& key, const QColor& color, std::function<void()> handler,
                                      QWidget* parent)
{
    return new VKBadgeButton(std::move(handler), key, std::nullopt, color, parent);
}

VKBadgeButton* VKBadgeButton::withText(const QString& text, const QColor& color, std::function<void()> handler,
                                       QWidget* parent)
{
    return new VKBadgeButton(std::move(handler), std::nullopt, text, color, parent);
}

std::optional<QString> VKBadgeButton::label() const
{
    if (m_key)
        return VKStrings::mainTable(*m_key);
    return m_text;
}

QSize VKBadgeButton::sizeHint() const
{
    const std::optional<QString> shown = label();
    if (!shown)
        return QSize(0, 0);
    const QFontMetricsF metrics(VKTheme::font(VKTextStyle::callout));
    return ceilSize(QSizeF(metrics.horizontalAdvance(*shown), metrics.height()).grownBy(badgePadding));
}

bool VKBadgeButton::hitButton(const QPoint& pos) const
{
    return label().has_value() && QAbstractButton::hitButton(pos);
}

void VKBadgeButton::paintEvent(QPaintEvent*)
{
    const std::optional<QString> shown = label();
    if (!shown)
        return;
    QPainter painter(this);
    paintGradientBadge(painter, QRectF(rect()), m_color);
    painter.setFont(VKTheme::font(VKTextStyle::callout));
    painter.setPen(withOpacity(Qt::white, borderlessLabelOpacity(isEnabled(), isDown())));
    painter.drawText(QRectF(rect()).marginsRemoved(badgePadding), Qt::AlignCenter, *shown);
}

} // namespace ViewKit
