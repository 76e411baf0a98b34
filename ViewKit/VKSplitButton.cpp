#include "ViewKit/VKSplitButton.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "ViewKit/VKBadgePainting.h"
#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKStrings.h"
#include "ViewKit/VKTheme.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace ViewKit {

namespace {

constexpr qreal titleVerticalPadding = 12;
constexpr qreal titleHorizontalPadding = 18;
constexpr qreal dividerPadding = 2;
constexpr qreal dividerWidth = 1;
constexpr qreal symbolSide = 18;
constexpr qreal symbolPadding = 2;

} // namespace

VKSplitButton::VKSplitButton(std::optional<QString> key, std::optional<QString> text, const QString& icon,
                             const QColor& color, std::function<void()> action, std::function<void()> secondaryAction,
                             const QFont& font, QWidget* parent)
    : QWidget(parent)
    , m_key(std::move(key))
    , m_text(std::move(text))
    , m_icon(icon)
    , m_color(color)
    , m_action(std::move(action))
    , m_secondaryAction(std::move(secondaryAction))
    , m_font(font)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

VKSplitButton* VKSplitButton::withKey(const QString& key, const QColor& color, const QString& icon, const QFont& font,
                                      std::function<void()> action, std::function<void()> secondaryAction,
                                      QWidget* parent)
{
    return new VKSplitButton(key, std::nullopt, icon, color, std::move(action), std::move(secondaryAction), font,
                             parent);
}

VKSplitButton* VKSplitButton::withText(const QString& text, const QColor& color, const QString& icon,
                                       const QFont& font, std::function<void()> action,
                                       std::function<void()> secondaryAction, QWidget* parent)
{
    return new VKSplitButton(std::nullopt, text, icon, color, std::move(action), std::move(secondaryAction), font,
                             parent);
}

void VKSplitButton::changed()
{
    updateGeometry();
    update();
}

void VKSplitButton::setKey(std::optional<QString> key)
{
    m_key = std::move(key);
    changed();
}

void VKSplitButton::setText(std::optional<QString> text)
{
    m_text = std::move(text);
    changed();
}

void VKSplitButton::setIcon(const QString& icon)
{
    m_icon = icon;
    update();
}

void VKSplitButton::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void VKSplitButton::setTitleFont(const QFont& font)
{
    m_font = font;
    changed();
}

std::optional<QString> VKSplitButton::title() const
{
    if (m_key)
        return VKStrings::mainTable(*m_key);
    return m_text;
}

QSizeF VKSplitButton::rowSize() const
{
    const std::optional<QString> shown = title();
    if (!shown)
        return QSizeF(0, 0);
    const QFontMetricsF metrics(m_font);
    const qreal titleWidth = metrics.horizontalAdvance(*shown) + 2 * titleHorizontalPadding;
    const qreal titleHeight = metrics.height() + 2 * titleVerticalPadding;
    const qreal spacing = VKTheme::defaultSpacing;
    // Spacer, title, divider, symbol, spacer: the spacers shrink to nothing, the gaps stay.
    const qreal width = 4 * spacing + titleWidth + dividerWidth + 2 * dividerPadding + symbolSide + 2 * symbolPadding;
    return QSizeF(width, std::max(titleHeight, symbolSide));
}

QSize VKSplitButton::sizeHint() const
{
    return ceilSize(rowSize());
}

QRectF VKSplitButton::titleRect() const
{
    const std::optional<QString> shown = title();
    if (!shown)
        return QRectF();
    const QFontMetricsF metrics(m_font);
    const qreal left = (width() - rowSize().width()) / 2 + VKTheme::defaultSpacing;
    const qreal titleHeight = metrics.height() + 2 * titleVerticalPadding;
    return QRectF(left, (height() - titleHeight) / 2, metrics.horizontalAdvance(*shown) + 2 * titleHorizontalPadding,
                  titleHeight);
}

QRectF VKSplitButton::dividerRect() const
{
    const QRectF titleArea = titleRect();
    if (titleArea.isNull())
        return QRectF();
    return QRectF(titleArea.right() + VKTheme::defaultSpacing, 0, dividerWidth + 2 * dividerPadding, height());
}

QRectF VKSplitButton::symbolButtonRect() const
{
    const QRectF divider = dividerRect();
    if (divider.isNull())
        return QRectF();
    return QRectF(divider.right() + VKTheme::defaultSpacing, 0, symbolSide + 2 * symbolPadding, height());
}

QRectF VKSplitButton::symbolRect() const
{
    const QRectF button = symbolButtonRect();
    if (button.isNull())
        return QRectF();
    return QRectF(button.left() + symbolPadding, (height() - symbolSide) / 2, symbolSide, symbolSide);
}

VKSplitButton::Part VKSplitButton::partAt(const QPointF& point) const
{
    if (!title() || !rect().contains(point.toPoint()))
        return Part::none;
    // The halves meet in the middle of the divider.
    return point.x() < dividerRect().center().x() ? Part::title : Part::symbol;
}

void VKSplitButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = partAt(event->position());
    update();
}

void VKSplitButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const Part pressed = m_pressed;
    m_pressed = Part::none;
    update();
    // A press that is released over the other half, or outside, does nothing.
    if (pressed == Part::none || partAt(event->position()) != pressed)
        return;
    if (pressed == Part::title && m_action)
        m_action();
    else if (pressed == Part::symbol && m_secondaryAction)
        m_secondaryAction();
}

void VKSplitButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(continuousRoundedRect(QRectF(rect()), cornerRadius), m_color);
    const std::optional<QString> shown = title();
    if (!shown)
        return;
    const bool enabled = isEnabled();
    painter.setFont(m_font);
    painter.setPen(withOpacity(Qt::white, borderlessLabelOpacity(enabled, m_pressed == Part::title)));
    painter.drawText(titleRect(), Qt::AlignCenter | Qt::TextDontClip, *shown);
    const QRectF divider = dividerRect();
    painter.fillRect(QRectF(divider.left() + dividerPadding, 0, dividerWidth, height()), Qt::white);
    BaseKit::SymbolGlyphs::draw(painter, symbolRect(), m_icon,
                                withOpacity(Qt::white, borderlessLabelOpacity(enabled, m_pressed == Part::symbol)));
}

} // namespace ViewKit
