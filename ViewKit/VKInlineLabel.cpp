#include "ViewKit/VKInlineLabel.h"

#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKStrings.h"
#include "ViewKit/VKTheme.h"

#include "LanguageKit/LKResources.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace ViewKit {

QSizeF pillSize(const QString& text, const QFont& font)
{
    const QFontMetricsF metrics(font);
    return QSizeF(metrics.horizontalAdvance(text) + 16, metrics.height() + 6);
}

void paintPill(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font, const QColor& color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(continuousRoundedRect(rect, rect.height() / 2), withOpacity(color, 0.25));
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(rect, Qt::AlignCenter, text);
    painter.restore();
}

VKInlineLabel::VKInlineLabel(const QString& text, const QColor& color, QWidget* parent)
    : QWidget(parent)
    , m_text(text)
    , m_color(color)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

VKInlineLabel::VKInlineLabel(LanguageKit::LKLocalizedString localized, const QColor& color, QWidget* parent)
    : VKInlineLabel(LanguageKit::LKResources::localized(localized), color, parent)
{
}

VKInlineLabel* VKInlineLabel::withKey(const QString& key, const QColor& color, QWidget* parent)
{
    auto* label = new VKInlineLabel(QString(), color, parent);
    label->m_text.reset();
    label->m_key = key;
    return label;
}

QString VKInlineLabel::label() const
{
    if (m_key)
        return VKStrings::mainTable(*m_key);
    return m_text.value_or(QString());
}

QSize VKInlineLabel::sizeHint() const
{
    const QSizeF size = pillSize(label(), VKTheme::font(VKTextStyle::headline));
    return QSize(int(std::ceil(size.width())), int(std::ceil(size.height())));
}

QSize VKInlineLabel::minimumSizeHint() const
{
    return sizeHint();
}

void VKInlineLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintPill(painter, QRectF(rect()), label(), VKTheme::font(VKTextStyle::headline), m_color);
}

} // namespace ViewKit
