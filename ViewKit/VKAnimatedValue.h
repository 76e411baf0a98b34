#pragma once

class QVariantAnimation;
class QWidget;

namespace ViewKit {

// A number a view draws, moving to a new target with the ease-in-out curve; the owner is repainted at
// every step. The animation is a child of the owner, and ends with this.
class VKAnimatedValue
{
public:
    VKAnimatedValue(QWidget* owner, double value);
    ~VKAnimatedValue();
    VKAnimatedValue(const VKAnimatedValue&) = delete;
    VKAnimatedValue& operator=(const VKAnimatedValue&) = delete;

    // The value last set.
    double target() const { return m_target; }
    // The value drawn now (differs from target() while a change animates).
    double shown() const { return m_shown; }
    // Moves from the drawn value to `target` over `seconds` when they are positive and the owner is
    // visible, at once otherwise; either way the owner is repainted.
    void setTarget(double target, double seconds);

private:
    QWidget* m_owner;
    double m_target;
    double m_shown;
    QVariantAnimation* m_animation;
};

} // namespace ViewKit
