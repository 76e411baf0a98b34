#pragma once

namespace BaseKit {

// A fixed width or height of a status button. While active, the button keeps that size.
class LayoutConstraint {
public:
    enum class Attribute { width, height };

    LayoutConstraint(Attribute attribute, double constant)
        : attribute(attribute)
        , m_constant(constant)
    {
    }

    const Attribute attribute;
    double constant() const { return m_constant; }
    bool isActive() const { return m_active; }

private:
    friend class StatusBarButton;
    double m_constant;
    bool m_active = false;
};

} // namespace BaseKit
