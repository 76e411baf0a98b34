#include "ViewKit/VKLegendView.h"
#include "ViewKit/VKTextMeasures.h"

#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKStrings.h"
#include "ViewKit/VKTheme.h"

#include "LanguageKit/LKResources.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace ViewKit {

namespace {
constexpr qreal squareSide = 12;
}

qreal legendLabelLeft(const QRectF& rect)
{
    return rect.left() + squareSide + VKTheme::defaultSpacing;
}

QRectF legendValueRect(const QRectF& rect, const QString& rightText, const QFont& font)
{
    const qreal valueWidth = VKTextMeasures::width(font, rightText);
    return QRectF(rect.right() - valueWidth, rect.top(), valueWidth, rect.height());
}

void paintLegendValue(QPainter& painter, const QRectF& rect, const QString& rightText, const QFont& font,
                      const QColor& rightColor)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(rightColor);
    VKTextMeasures::draw(painter, legendValueRect(rect, rightText, font),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip, rightText);
    painter.restore();
}

void paintLegend(QPainter& painter, const QRectF& rect, const QColor& color, const QString& label,
                 const std::optional<QString>& rightText, const QFont& font, const QColor& labelColor,
                 const QColor& rightColor)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF square(rect.left(), rect.center().y() - squareSide / 2, squareSide, squareSide);
    painter.fillPath(continuousRoundedRect(square, 2), color);
    painter.setFont(font);
    const qreal x = legendLabelLeft(rect);
    // The value keeps its whole width at the trailing edge; the label gets what is left after the
    // default spacing and is elided when that is too little.
    qreal labelRight = rect.right();
    if (rightText) {
        const QRectF value = legendValueRect(rect, *rightText, font);
        painter.setPen(rightColor);
        VKTextMeasures::draw(painter, value, Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip, *rightText);
        labelRight = value.left() - VKTheme::defaultSpacing;
    }
    const qreal labelWidth = labelRight - x;
    if (!label.isEmpty() && labelWidth > 0) {
        const QString shown = VKTextMeasures::elided(font, label, Qt::ElideRight, labelWidth);
        painter.setPen(labelColor);
        VKTextMeasures::draw(painter, QRectF(x, rect.top(), labelWidth, rect.height()), Qt::AlignLeft | Qt::AlignVCenter,
                             shown);
    }
    painter.restore();
}

VKLegendView::VKLegendView(const QColor& color, std::optional<QString> text, std::optional<QString> rightText,
                           QWidget* parent)
    : QWidget(parent)
    , m_color(color)
    , m_text(std::move(text))
    , m_rightText(std::move(rightText))
{
    updatePolicy();
}

VKLegendView::VKLegendView(const QColor& color, LanguageKit::LKLocalizedString localized,
                           std::optional<QString> rightText, QWidget* parent)
    : VKLegendView(color, LanguageKit::LKResources::localized(localized), std::move(rightText), parent)
{
}

VKLegendView::VKLegendView(const QColor& color, LanguageKit::LKLocalizedString localized,
                           LanguageKit::LKLocalizedString localizedRight, QWidget* parent)
    : VKLegendView(color, LanguageKit::LKResources::localized(localized),
                   LanguageKit::LKResources::localized(localizedRight), parent)
{
}

VKLegendView* VKLegendView::withKey(const QColor& color, const QString& key, std::optional<QString> rightText,
                                    QWidget* parent)
{
    auto* view = new VKLegendView(color, std::nullopt, std::move(rightText), parent);
    view->m_key = key;
    return view;
}

void VKLegendView::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void VKLegendView::setText(std::optional<QString> text)
{
    m_text = std::move(text);
    updateGeometry();
    update();
}

void VKLegendView::setKey(std::optional<QString> key)
{
    m_key = std::move(key);
    updateGeometry();
    update();
}

void VKLegendView::setRightText(std::optional<QString> rightText)
{
    m_rightText = std::move(rightText);
    updatePolicy();
    updateGeometry();
    update();
}

QString VKLegendView::label() const
{
    if (m_text)
        return *m_text;
    if (m_key)
        return VKStrings::mainTable(*m_key);
    return QString();
}

void VKLegendView::updatePolicy()
{
    // With a right text the row spans the width it is given; without, it takes what it needs.
    setSizePolicy(m_rightText ? QSizePolicy::Expanding : QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize VKLegendView::sizeHint() const
{
    const QFontMetricsF metrics(font());
    qreal width = squareSide;
    const QString l = label();
    if (!l.isEmpty())
        width += VKTheme::defaultSpacing + metrics.horizontalAdvance(l);
    if (m_rightText)
        width += VKTheme::defaultSpacing + metrics.horizontalAdvance(*m_rightText);
    return QSize(int(std::ceil(width)), int(std::ceil(std::max(squareSide, metrics.height()))));
}

QSize VKLegendView::minimumSizeHint() const
{
    return sizeHint();
}

void VKLegendView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const VKColorScheme scheme = VKTheme::scheme(this);
    paintLegend(painter, QRectF(rect()), m_color, label(), m_rightText, font(), VKTheme::secondaryText(scheme),
                VKTheme::primaryText(scheme));
}

} // namespace ViewKit
