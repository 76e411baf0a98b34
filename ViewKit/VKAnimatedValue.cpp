#include "ViewKit/VKAnimatedValue.h"

#include "ViewKit/VKAnimation.h"

#include <QVariantAnimation>
#include <QWidget>

#include <cmath>

namespace ViewKit {

VKAnimatedValue::VKAnimatedValue(QWidget* owner, double value)
    : m_owner(owner)
    , m_target(value)
    , m_shown(value)
    , m_animation(new QVariantAnimation(owner))
{
    m_animation->setEasingCurve(easeInOut());
    QObject::connect(m_animation, &QVariantAnimation::valueChanged, m_owner, [this](const QVariant& v) {
        m_shown = v.toDouble();
        m_owner->update();
    });
}

VKAnimatedValue::~VKAnimatedValue()
{
    delete m_animation;
}

void VKAnimatedValue::setTarget(double target, double seconds)
{
    m_target = target;
    m_animation->stop();
    if (seconds > 0 && m_owner->isVisible()) {
        m_animation->setDuration(int(std::lround(seconds * 1000)));
        m_animation->setStartValue(m_shown);
        m_animation->setEndValue(m_target);
        m_animation->start();
    } else {
        m_shown = m_target;
    }
    m_owner->update();
}

} // namespace ViewKit
