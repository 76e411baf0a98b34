#include "ViewKit/VKInlineButton.h"

#include "ViewKit/VKBadgePainting.h"
#include "ViewKit/VKInlineLabel.h"
#include "ViewKit/VKStrings.h"
#include "ViewKit/VKTheme.h"

#include <QPainter>

namespace ViewKit {

VKInlineButton::VKInlineButton(std::function<void()> handler, std::optional<QString> key, std::optional<QString> text,
                               const QColor& color, QWidget* parent)
    : QAbstractButton(parent)
    , m_handler(std::move(handler))
    , m_key(std::move(key))
    , m_text(std::move(text))
    , m_color(color)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (m_handler)
            m_handler();
    });
}

QString VKInlineButton::label() const
{
    if (m_key)
        return VKStrings::mainTable(*m_key);
    return m_text.value_or(QString());
}

QSize VKInlineButton::sizeHint() const
{
    return ceilSize(pillSize(label(), VKTheme::font(VKTextStyle::headline)));
}

void VKInlineButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setOpacity(borderlessLabelOpacity(isEnabled(), isDown()));
    paintPill(painter, QRectF(rect()), label(), VKTheme::font(VKTextStyle::headline), m_color);
}

} // namespace ViewKit
