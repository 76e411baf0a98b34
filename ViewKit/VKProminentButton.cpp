#include "ViewKit/VKProminentButton.h"

#include "ViewKit/VKBadgePainting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QVariantAnimation>

#include <cmath>

namespace ViewKit {

VKProminentButton::VKProminentButton(const QString& text, const VKProminentButtonStyle& style,
                                     std::function<void()> action, QWidget* parent)
    : QAbstractButton(parent)
    , m_style(style)
    , m_action(std::move(action))
    , m_animation(new QVariantAnimation(this))
{
    setText(text);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
    m_animation->setEasingCurve(QEasingCurve::OutQuad);
    m_animation->setDuration(int(std::lround(VKProminentButtonStyle::pressAnimationDuration * 1000)));
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_pressed = value.toReal();
        update();
    });
    connect(this, &QAbstractButton::pressed, this, [this] { animatePressed(true); });
    connect(this, &QAbstractButton::released, this, [this] { animatePressed(false); });
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (m_action)
            m_action();
    });
}

VKProminentButton* VKProminentButton::withSymbol(const QString& systemName, const VKProminentButtonStyle& style,
                                                 std::function<void()> action, QWidget* parent)
{
    auto* button = new VKProminentButton(QString(), style, std::move(action), parent);
    button->m_symbolName = systemName;
    button->updateGeometry();
    return button;
}

void VKProminentButton::animatePressed(bool down)
{
    m_animation->stop();
    m_animation->setStartValue(m_pressed);
    m_animation->setEndValue(down ? 1.0 : 0.0);
    m_animation->start();
}

QSize VKProminentButton::sizeHint() const
{
    const QFontMetricsF metrics(font());
    const QSizeF label = m_symbolName.isEmpty() ? QSizeF(metrics.horizontalAdvance(text()), metrics.height())
                                                : QSizeF(metrics.height(), metrics.height());
    return ceilSize(m_style.size(label));
}

void VKProminentButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_style.paint(painter, QRectF(rect()), text(), m_symbolName, font(), isEnabled(), m_pressed,
                  VKTheme::scheme(this), palette());
}

} // namespace ViewKit
