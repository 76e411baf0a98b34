#include "ViewKit/VKImageHoverButton.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "ViewKit/VKTheme.h"

#include <QEnterEvent>
#include <QPainter>
#include <QVariantAnimation>

#include <cmath>

namespace ViewKit {

VKImageHoverButton::VKImageHoverButton(const QString& iconName, const QColor& color, double duration,
                                       std::function<void()> action, QWidget* parent)
    : QAbstractButton(parent)
    , m_duration(std::isfinite(duration) && duration > 0 ? duration : 0)
    , m_action(std::move(action))
    , m_color(color)
    , m_iconName(iconName)
    , m_current(color)
    , m_animation(new QVariantAnimation(this))
{
    setAttribute(Qt::WA_Hover);
    m_animation->setEasingCurve(QEasingCurve::Linear);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_current = value.value<QColor>();
        update();
    });
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (m_action)
            m_action();
    });
}

VKImageHoverButton::~VKImageHoverButton() = default;

QColor VKImageHoverButton::targetColor() const
{
    return m_isHovered ? VKTheme::color(VKNamedColor::accent, VKTheme::scheme(this), palette()) : m_color;
}

QSize VKImageHoverButton::sizeHint() const
{
    const int side = VKTheme::textSize(VKTextStyle::title1);
    return QSize(side, side);
}

void VKImageHoverButton::setHovered(bool hovered)
{
    m_isHovered = hovered;
    const QColor target = targetColor();
    m_animation->stop();
    if (m_duration <= 0) {
        m_current = target;
        update();
        return;
    }
    m_animation->setDuration(int(std::lround(m_duration * 1000)));
    m_animation->setStartValue(m_current);
    m_animation->setEndValue(target);
    m_animation->start();
}

void VKImageHoverButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    setHovered(true);
}

void VKImageHoverButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    setHovered(false);
}

void VKImageHoverButton::changeEvent(QEvent* event)
{
    QAbstractButton::changeEvent(event);
    // A new palette brings a new accent colour.
    if (event->type() == QEvent::PaletteChange && m_animation->state() != QAbstractAnimation::Running) {
        m_current = targetColor();
        update();
    }
}

void VKImageHoverButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    BaseKit::SymbolGlyphs::draw(painter, QRectF(rect()), m_iconName, m_current);
}

} // namespace ViewKit
