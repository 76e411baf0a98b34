#include "ViewKit/VKDoubleTextView.h"

#include "ViewKit/VKImage.h"
#include "ViewKit/VKStrings.h"
#include "ViewKit/VKTheme.h"

#include "LanguageKit/LKResources.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace ViewKit {

namespace {
constexpr qreal iconSide = 14;
}

void paintDoubleText(QPainter& painter, const QRectF& rect, const std::optional<QString>& systemName,
                     const QString& left, const QString& right, const QFont& font, const QColor& textColor,
                     const QColor& iconColor)
{
    painter.save();
    qreal x = rect.left();
    if (systemName) {
        paintSymbol(painter, QRectF(x, rect.center().y() - iconSide / 2, iconSide, iconSide), *systemName, iconColor,
                    VKContentMode::fit);
        x += iconSide + VKTheme::defaultSpacing;
    }
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(textColor);
    const qreal rightWidth = right.isEmpty() ? 0 : metrics.horizontalAdvance(right);
    if (!right.isEmpty())
        painter.drawText(rect, Qt::AlignRight | Qt::AlignVCenter, right);
    if (!left.isEmpty()) {
        const qreal room = rect.right() - x - (right.isEmpty() ? 0 : rightWidth + VKTheme::defaultSpacing);
        const QString shown = metrics.elidedText(left, Qt::ElideRight, std::max<qreal>(0, room));
        painter.drawText(QRectF(x, rect.top(), std::max<qreal>(0, room), rect.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, shown);
    }
    painter.restore();
}

VKDoubleTextView::VKDoubleTextView(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

VKDoubleTextView* VKDoubleTextView::withKey(const QString& key, std::optional<QString> right,
                                            std::optional<QString> systemName, QWidget* parent)
{
    auto* view = new VKDoubleTextView(parent);
    view->m_key = key;
    view->m_right = std::move(right);
    view->m_systemName = std::move(systemName);
    return view;
}

VKDoubleTextView* VKDoubleTextView::withKeys(const QString& key, const QString& rightKey,
                                             std::optional<QString> systemName, QWidget* parent)
{
    auto* view = new VKDoubleTextView(parent);
    view->m_key = key;
    view->m_rightKey = rightKey;
    view->m_systemName = std::move(systemName);
    return view;
}

VKDoubleTextView* VKDoubleTextView::withText(const QString& text, std::optional<QString> right,
                                             std::optional<QString> systemName, QWidget* parent)
{
    auto* view = new VKDoubleTextView(parent);
    view->m_text = text;
    view->m_right = std::move(right);
    view->m_systemName = std::move(systemName);
    return view;
}

VKDoubleTextView* VKDoubleTextView::withLocalized(LanguageKit::LKLocalizedString localized,
                                                  std::optional<QString> right, std::optional<QString> systemName,
                                                  QWidget* parent)
{
    return withText(LanguageKit::LKResources::localized(localized), std::move(right), std::move(systemName), parent);
}

VKDoubleTextView* VKDoubleTextView::withLocalized(LanguageKit::LKLocalizedString localized,
                                                  LanguageKit::LKLocalizedString localizedRight,
                                                  std::optional<QString> systemName, QWidget* parent)
{
    return withText(LanguageKit::LKResources::localized(localized),
                    LanguageKit::LKResources::localized(localizedRight), std::move(systemName), parent);
}

void VKDoubleTextView::setRight(std::optional<QString> right)
{
    // Cards hand over their values every second, mostly unchanged: an unchanged text neither lays the
    // card out again nor paints it again.
    if (right == m_right)
        return;
    m_right = std::move(right);
    textChanged();
}

void VKDoubleTextView::setText(std::optional<QString> text)
{
    if (text == m_text)
        return;
    m_text = std::move(text);
    textChanged();
}

void VKDoubleTextView::textChanged()
{
    const QSize before = sizeHint();
    m_sizeHint.reset();
    if (sizeHint() != before)
        updateGeometry();
    update();
}

QString VKDoubleTextView::leftText() const
{
    if (m_key)
        return VKStrings::mainTable(*m_key);
    return m_text.value_or(QString());
}

QString VKDoubleTextView::rightText() const
{
    if (m_rightKey)
        return VKStrings::mainTable(*m_rightKey);
    return m_right.value_or(QString());
}

QSize VKDoubleTextView::sizeHint() const
{
    if (m_sizeHint && m_measuredFont == font())
        return *m_sizeHint;
    m_measuredFont = font();
    const QFontMetricsF metrics(m_measuredFont);
    qreal width = 0;
    if (m_systemName)
        width += iconSide + VKTheme::defaultSpacing;
    width += metrics.horizontalAdvance(leftText()) + VKTheme::defaultSpacing + metrics.horizontalAdvance(rightText());
    const qreal height = std::max(metrics.height(), m_systemName ? iconSide : 0.0);
    m_sizeHint = QSize(int(std::ceil(width)), int(std::ceil(height)));
    return *m_sizeHint;
}

QSize VKDoubleTextView::minimumSizeHint() const
{
    return QSize(0, sizeHint().height());
}

void VKDoubleTextView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const VKColorScheme scheme = VKTheme::scheme(this);
    paintDoubleText(painter, QRectF(rect()), m_systemName, leftText(), rightText(), font(),
                    VKTheme::secondaryText(scheme), VKTheme::primaryText(scheme));
}

void VKDoubleTextView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange) {
        m_sizeHint.reset();
        updateGeometry();
        update();
    }
    QWidget::changeEvent(event);
}

} // namespace ViewKit
