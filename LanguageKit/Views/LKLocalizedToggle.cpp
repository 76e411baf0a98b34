#include "LanguageKit/Views/LKLocalizedToggle.h"

#include "LanguageKit/Views/ViewText.h"

namespace LanguageKit {

LKLocalizedToggle::LKLocalizedToggle(LKLocalizedString key, const QVariant& argument, BoolBinding isOn,
                                     QWidget* parent)
    : QCheckBox(parent)
    , m_isOn(std::move(isOn))
    , m_text(viewText(key, argument))
{
    setText(captionText(m_text));
    setChecked(m_isOn.get ? m_isOn.get() : false);
    connect(this, &QCheckBox::toggled, this, [this](bool on) {
        if (m_isOn.set)
            m_isOn.set(on);
    });
}

} // namespace LanguageKit
